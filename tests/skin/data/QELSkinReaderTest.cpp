// The skin reader on the built-in skin and on packages made here: values
// by key, transparency of every bitmap, the track bar's recolouring, and
// what missing and broken packages do.
#include "QELSkinReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "SkinPackageBuilder.h"
#include "SkinTestSupport.h"

namespace {

struct ReaderFixture : ::testing::Test {
  static TqelSkinReader& BuiltIn() {
    static TqelSkinReader reader(BuiltInSkin(), "");
    return reader;
  }
};

// The built-in skin's colours in key order.
constexpr TColor kBuiltInColors[kSkin2ColorCount] = {
    0xFF00FF, 0xFFFFFF, 0xE8E8E8, 0xE8C894, 0xE8C894, 0x94671F, 0x94671F, 0xFFFFFF, 0x795316, 0xBA9460, 0xBA9460,
    0xFFF7E7, 0x795316, 0x94671F, 0x94671F, 0xFFFFFF, 0xE8E8E8, 0xE8E8E8, 0xFBE0B5, 0x6A2009, 0x956720, 0xFFFFFF,
    0x6A2009, 0x000000, 0x000000, 0xF9F9F9, 0xFFFFFF, 0x6A2009, 0x000000, 0x000000, 0xFFFFFF, 0x6A2009};

// The built-in skin's bitmap sizes in key order; 0 x 0 for absent.
constexpr SIZE kBuiltInSizes[kSkin2BitmapCount] = {
    {31, 31}, {136, 31}, {17, 31}, {13, 31}, {14, 31}, {5, 6},   {5, 6},   {180, 5}, {0, 0},   {0, 0},   {160, 27}, {324, 18},
    {16, 16}, {0, 0},    {0, 0},   {252, 25}, {102, 17}, {44, 11}, {68, 17}, {1, 13},  {7, 13},  {7, 13},  {1, 13},  {60, 8},
    {11, 21}, {21, 11},  {54, 18}, {18, 63},  {54, 18},  {60, 22}, {8, 1},   {7, 84},  {1, 21},  {80, 20}};

constexpr std::int32_t kBuiltInMetrics[kSkin2MetricCount] = {21, 9, 9, 7, 9, 0, 5, -1, -1};
constexpr bool kBuiltInFlags[kSkin2FlagCount] = {true, false, true, false, false, true, false, true, false};

std::filesystem::path TempFile(const char* name) { return std::filesystem::current_path() / name; }

}  // namespace

TEST_F(ReaderFixture, BuiltInSkinAnswersEveryKeyAsItsTablesSay) {
  TqelSkinReader& reader = BuiltIn();
  ASSERT_TRUE(reader.Loaded());
  for (int i = 0; i < kSkin2ColorCount; ++i)
    EXPECT_EQ(reader.GetColor(static_cast<TSkin2ColorKey>(i)), kBuiltInColors[i]) << Skin2KeyNames[i];
  for (int i = 0; i < kSkin2BitmapCount; ++i) {
    const TBitmap* bitmap = reader.GetBitmap(static_cast<TSkin2BitmapKey>(i));
    const SIZE size = kBuiltInSizes[i];
    if (size.cx == 0) {
      EXPECT_EQ(bitmap, nullptr) << Skin2KeyNames[kSkin2BitmapBase + i];
      continue;
    }
    ASSERT_NE(bitmap, nullptr) << Skin2KeyNames[kSkin2BitmapBase + i];
    EXPECT_EQ(bitmap->Width(), size.cx) << Skin2KeyNames[kSkin2BitmapBase + i];
    EXPECT_EQ(bitmap->Height(), size.cy) << Skin2KeyNames[kSkin2BitmapBase + i];
  }
  for (int i = 0; i < kSkin2MetricCount; ++i)
    EXPECT_EQ(reader.GetMetric(static_cast<TSkin2MetricKey>(i)), kBuiltInMetrics[i]);
  for (int i = 0; i < kSkin2FlagCount; ++i) EXPECT_EQ(reader.GetFlag(static_cast<TSkin2FlagKey>(i)), kBuiltInFlags[i]);
  EXPECT_EQ(reader.GetBitmap(SKIN2_MENUBAR), nullptr);
}

TEST_F(ReaderFixture, EveryBitmapCarriesTheTransparentColourAndKeepsItsPixels) {
  TqelSkinReader& reader = BuiltIn();
  for (int i = 0; i < kSkin2BitmapCount; ++i) {
    const auto key = static_cast<TSkin2BitmapKey>(i);
    const TBitmap* bitmap = reader.GetBitmap(key);
    if (!bitmap) continue;
    EXPECT_EQ(bitmap->TransparentMode(), tmFixed) << i;
    EXPECT_EQ(bitmap->TransparentColor(), 0xFF00FF) << i;
    EXPECT_FALSE(bitmap->Transparent()) << i;
    if (key == SKIN2_TRACKBAR) continue;
    // Same pixels as the package reader decoded.
    const Tsk2Bitmap* decoded = reader.FileReader()->GetBitmap(Skin2KeyName(key));
    ASSERT_NE(decoded, nullptr);
    for (int y = 0; y < bitmap->Height(); ++y)
      for (int x = 0; x < bitmap->Width(); ++x)
        ASSERT_EQ(bitmap->Pixel(x, y), static_cast<TColor>(decoded->Pixel(x, y))) << i << " at " << x << "," << y;
  }
}

TEST_F(ReaderFixture, TrackBarTransparentPixelsTakeTheFormColour) {
  TqelSkinReader& reader = BuiltIn();
  const TBitmap* track = reader.GetBitmap(SKIN2_TRACKBAR);
  const Tsk2Bitmap* decoded = reader.FileReader()->GetBitmap("SKIN2_TRACKBAR");
  ASSERT_NE(track, nullptr);
  ASSERT_NE(decoded, nullptr);
  int replaced = 0;
  for (int y = 0; y < track->Height(); ++y)
    for (int x = 0; x < track->Width(); ++x) {
      const TColor was = static_cast<TColor>(decoded->Pixel(x, y));
      if (was == 0xFF00FF) {
        ++replaced;
        EXPECT_EQ(track->Pixel(x, y), 0xE8E8E8) << x << "," << y;
      } else {
        EXPECT_EQ(track->Pixel(x, y), was) << x << "," << y;
      }
    }
  EXPECT_GT(replaced, 0);
}

TEST(TqelSkinReader, AbsentEntriesAndUnloadedReadersGiveNeutralValues) {
  TqelSkinReader empty;
  EXPECT_FALSE(empty.Loaded());
  EXPECT_EQ(empty.GetColor(SKIN2_FORMCOLOR), -1);
  EXPECT_EQ(empty.GetMetric(SKIN2_TITLEBARICONPOSX), -1);
  EXPECT_FALSE(empty.GetFlag(SKIN2_TITLEFIVESECT));
  EXPECT_EQ(empty.GetBitmap(SKIN2_BUTTON), nullptr);

  // A skin with one colour, one bitmap and no transparent colour.
  const auto path = TSkinPackageBuilder()
                        .Integer("SKIN2_FORMCOLOR", 0x123456)
                        .Bitmap("skin2_button", Filled(4, 2, 0x000000))
                        .Write(TempFile("sparse.qsk"));
  TqelSkinReader reader(path, "");
  ASSERT_TRUE(reader.Loaded());
  EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), 0x123456);
  EXPECT_EQ(reader.GetColor(SKIN2_CONTROLCOLOR), -1);
  EXPECT_EQ(reader.GetMetric(SKIN2_BOTTOMREGIONMAXY), -1);
  EXPECT_FALSE(reader.GetFlag(SKIN2_BUTTONTRANS));
  EXPECT_EQ(reader.GetBitmap(SKIN2_CHECKBOX), nullptr);
  // Names match without regard to case; without a transparent colour no
  // pixel is keyed out (black must not become transparent).
  const TBitmap* button = reader.GetBitmap(SKIN2_BUTTON);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->TransparentColor(), clNone);
  std::filesystem::remove(path);
}

TEST(TqelSkinReader, MissingFileIsNoErrorAndStillNotifies) {
  TqelSkinReader reader(BuiltInSkin(), "");
  ASSERT_TRUE(reader.Loaded());
  int calls = 0;
  TObject* sender = nullptr;
  reader.OnSkinLoaded = [&](TObject& s) {
    ++calls;
    sender = &s;
  };
  EXPECT_NO_THROW(reader.Load(TempFile("no-such-skin.qsk"), ""));
  EXPECT_FALSE(reader.Loaded());
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(sender, &reader);
  EXPECT_EQ(reader.GetColor(SKIN2_TRANSCOLOR), -1) << "the previous skin is dropped";
  EXPECT_EQ(reader.GetBitmap(SKIN2_SCROLLBAR), nullptr);

  reader.Load(BuiltInSkin(), "");
  EXPECT_TRUE(reader.Loaded());
  EXPECT_EQ(calls, 2);
}

TEST(TqelSkinReader, BrokenPackagesClearTheReaderAndRaise) {
  const auto garbage = TempFile("broken.qsk");
  {
    std::ofstream out(garbage, std::ios::binary);
    out << "PK\x03\x04 this is not a skin package";
  }
  const auto locked = TSkinPackageBuilder().Integer("SKIN2_FORMCOLOR", 1).Write(TempFile("locked.qsk"), "secret");
  struct Case {
    std::filesystem::path file;
    const char* password;
    const char* message;
  } cases[] = {
      {garbage, "", "Failed to read skin file!"},
      {locked, "", "Wrong password!"},
      {locked, "guess", "Wrong password!"},
  };
  for (const Case& c : cases) {
    TqelSkinReader reader(BuiltInSkin(), "");
    int calls = 0;
    reader.OnSkinLoaded = [&](TObject&) { ++calls; };
    try {
      reader.Load(c.file, c.password);
      ADD_FAILURE() << "no exception for " << c.file;
    } catch (const std::exception& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_FALSE(reader.Loaded());
    EXPECT_EQ(reader.FileReader(), nullptr);
    EXPECT_EQ(reader.GetBitmap(SKIN2_TITLEBAR1), nullptr);
    EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), -1);
    EXPECT_EQ(calls, 0);
  }
  // The right password opens it.
  TqelSkinReader reader(locked, "secret");
  EXPECT_TRUE(reader.Loaded());
  EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), 1);
  std::filesystem::remove(garbage);
  std::filesystem::remove(locked);
}

TEST(SkinBitmapToTBitmap, KeepsPixelsAndTheFixedTransparentColour) {
  Tsk2Bitmap source(2, 1);
  source.SetPixel(0, 0, 0x0000FF);  // red as 0x00BBGGRR
  source.SetPixel(1, 0, 0x102030);
  source.SetTransparentColor(0x102030);
  const TBitmap bitmap = SkinBitmapToTBitmap(source);
  ASSERT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
  EXPECT_EQ(bitmap.Pixel(1, 0), 0x102030);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), 0x102030);
  EXPECT_TRUE(SkinBitmapToTBitmap(Tsk2Bitmap()).Empty());
}

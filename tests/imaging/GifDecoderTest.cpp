#include "GifDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GifWriter.h"

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kClear = 0;

const std::vector<GifColorType> kPalette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};

GifFrameSpec Fill(int left, int top, int w, int h, std::uint8_t index) {
  GifFrameSpec f;
  f.left = left, f.top = top, f.width = w, f.height = h;
  f.indices.assign(static_cast<std::size_t>(w * h), index);
  return f;
}

TAnimation Decode(const std::vector<std::uint8_t>& bytes) {
  auto result = DecodeGif(bytes);
  EXPECT_TRUE(result.ok()) << result.error();
  if (!result.ok()) return {};
  return std::move(result).value();
}

// Four frames on a 4 x 4 screen, one per disposal rule:
//  1 red everywhere, kept;
//  2 a green 2 x 2 square at (1,1) whose top-left pixel is transparent,
//    then cleared to the background;
//  3 a blue pixel at (0,0), then the screen before it is restored;
//  4 a white pixel at (3,3).
TEST(GifComposition, DisposalAndTransparencyFollowViewerRules) {
  GifFrameSpec red = Fill(0, 0, 4, 4, 0);
  red.disposal = DISPOSE_DO_NOT;
  GifFrameSpec green = Fill(1, 1, 2, 2, 1);
  green.indices[0] = 3;
  green.transparent = 3;
  green.disposal = DISPOSE_BACKGROUND;
  GifFrameSpec blue = Fill(0, 0, 1, 1, 2);
  blue.disposal = DISPOSE_PREVIOUS;
  GifFrameSpec white = Fill(3, 3, 1, 1, 3);

  const TAnimation a = Decode(GifWriter(4, 4, kPalette).Frame(red).Frame(green).Frame(blue).Frame(white).Bytes());
  ASSERT_EQ(a.frames.size(), 4u);
  EXPECT_EQ(a.width, 4);
  EXPECT_EQ(a.height, 4);

  const TPixelImage& f1 = a.frames[0].image;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(f1.PixelAt(x, y), kRed) << x << "," << y;

  const TPixelImage& f2 = a.frames[1].image;
  EXPECT_EQ(f2.PixelAt(1, 1), kRed) << "transparent index shows what lies beneath";
  EXPECT_EQ(f2.PixelAt(2, 1), kGreen);
  EXPECT_EQ(f2.PixelAt(1, 2), kGreen);
  EXPECT_EQ(f2.PixelAt(2, 2), kGreen);
  EXPECT_EQ(f2.PixelAt(0, 0), kRed);

  const TPixelImage& f3 = a.frames[2].image;
  EXPECT_EQ(f3.PixelAt(0, 0), kBlue);
  for (int y = 1; y <= 2; ++y)
    for (int x = 1; x <= 2; ++x) EXPECT_EQ(f3.PixelAt(x, y), kClear) << "background disposal clears " << x << "," << y;
  EXPECT_EQ(f3.PixelAt(3, 3), kRed);

  const TPixelImage& f4 = a.frames[3].image;
  EXPECT_EQ(f4.PixelAt(0, 0), kRed) << "previous disposal restores the screen";
  EXPECT_EQ(f4.PixelAt(1, 1), kClear);
  EXPECT_EQ(f4.PixelAt(3, 3), kWhite);
  EXPECT_EQ(f4.PixelAt(3, 0), kRed);
}

TEST(GifComposition, FramesAreClippedToTheScreenAndLocalMapsWin) {
  GifFrameSpec corner = Fill(3, 3, 3, 3, 0);       // reaches 2 pixels past the screen
  corner.localColors = {{0, 0, 255}, {9, 9, 9}};   // index 0 is blue here
  const TAnimation a = Decode(GifWriter(4, 4, kPalette).Frame(corner).Bytes());
  ASSERT_EQ(a.frames.size(), 1u);
  const TPixelImage& f = a.frames[0].image;
  EXPECT_EQ(f.width, 4);
  EXPECT_EQ(f.pixels.size(), 4u * 4u * 4u);
  EXPECT_EQ(f.PixelAt(3, 3), kBlue);
  EXPECT_EQ(f.PixelAt(2, 3), kClear);
  EXPECT_EQ(f.PixelAt(0, 0), kClear) << "the screen starts transparent";
}

TEST(GifComposition, InterlacedRowsLandInDisplayOrder) {
  GifFrameSpec f;
  f.width = 1, f.height = 10, f.interlace = true;
  for (int y = 0; y < 10; ++y) f.indices.push_back(static_cast<std::uint8_t>(y % 4));
  const TAnimation a = Decode(GifWriter(1, 10, kPalette).Frame(f).Bytes());
  ASSERT_EQ(a.frames.size(), 1u);
  const std::uint32_t expected[] = {kRed, kGreen, kBlue, kWhite};
  for (int y = 0; y < 10; ++y) EXPECT_EQ(a.frames[0].image.PixelAt(0, y), expected[y % 4]) << "row " << y;
}

TEST(GifTiming, DelaysAreMillisecondsAndTooShortOnesBecomeATenth) {
  GifFrameSpec slow = Fill(0, 0, 1, 1, 0);
  slow.delayCs = 7;
  GifFrameSpec zero = Fill(0, 0, 1, 1, 1);
  zero.delayCs = 0;
  GifFrameSpec one = Fill(0, 0, 1, 1, 2);
  one.delayCs = 1;
  GifFrameSpec bare = Fill(0, 0, 1, 1, 3);
  bare.withControl = false;
  const TAnimation a = Decode(GifWriter(1, 1, kPalette).Frame(slow).Frame(zero).Frame(one).Frame(bare).Bytes());
  ASSERT_EQ(a.frames.size(), 4u);
  EXPECT_EQ(a.frames[0].delayMs, 70);
  EXPECT_EQ(a.frames[1].delayMs, 100);
  EXPECT_EQ(a.frames[2].delayMs, 100);
  EXPECT_EQ(a.frames[3].delayMs, 100);
}

TEST(GifTiming, LoopExtensionGivesPlayCount) {
  const GifFrameSpec f = Fill(0, 0, 1, 1, 0);
  EXPECT_EQ(Decode(GifWriter(1, 1, kPalette).Frame(f).Bytes()).playCount, 1) << "no extension: once";
  EXPECT_EQ(Decode(GifWriter(1, 1, kPalette).Loop(0).Frame(f).Bytes()).playCount, 0) << "0: forever";
  EXPECT_EQ(Decode(GifWriter(1, 1, kPalette).Loop(3).Frame(f).Bytes()).playCount, 4) << "3 repeats: 4 plays";
  EXPECT_EQ(Decode(GifWriter(1, 1, kPalette).Loop(0x1234).Frame(f).Bytes()).playCount, 0x1235);
}

// Malformed inputs, each with the outcome it must have. Failures carry a
// message; none may crash or read out of bounds (the native build runs
// under AddressSanitizer).
struct MalformedCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  bool ok;
  const char* messagePart;  // for failures
};

std::vector<std::uint8_t> TwoFrames() {
  return GifWriter(2, 2, kPalette).Loop(0).Frame(Fill(0, 0, 2, 2, 1)).Frame(Fill(0, 0, 2, 2, 2)).Bytes();
}

std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> bytes, std::size_t at, std::vector<std::uint8_t> with) {
  for (std::size_t i = 0; i < with.size(); ++i) bytes.at(at + i) = with[i];
  return bytes;
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t length) {
  bytes.resize(length);
  return bytes;
}

std::vector<MalformedCase> MalformedCases() {
  const std::vector<std::uint8_t> good = TwoFrames();
  std::vector<MalformedCase> cases = {
      {"empty", {}, false, "empty"},
      {"wrong signature", Patched(good, 0, {'J', 'I', 'F'}), false, "GIF"},
      {"header only", Cut(good, 6), false, "GIF"},
      {"screen, no frames, trailer", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B}, false, "no image"},
      {"cut inside the first frame", Cut(good, good.size() - 20), false, "GIF"},
      {"cut one byte before the trailer", Cut(good, good.size() - 2), false, "GIF"},
      {"trailer missing after complete frames", Cut(good, good.size() - 1), true, ""},
      {"unknown record byte", Patched(good, good.size() - 1, {0x99}), false, "GIF"},
      {"no colour map anywhere",
       {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x00, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00, 2, 2, 0x44, 0x01, 0, 0x3B},
       false, "colour map"},
      {"image of zero width",
       {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0, 0, 0, 1, 0, 0x00, 2,
        2, 0x44, 0x01, 0, 0x3B},
       false, "zero size"},
      {"screen too large",
       {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0, 1, 0,
        1, 0, 0x00, 2, 2, 0x44, 0x01, 0, 0x3B},
       false, "too large"},
      {"graphics control of wrong length",
       {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x21, 0xF9, 3, 0, 10, 0, 0, 0x2C, 0,
        0, 0, 0, 1, 0, 1, 0, 0x00, 2, 2, 0x44, 0x01, 0, 0x3B},
       false, "graphics control"},
      {"image data of garbage codes",
       {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x00,
        2, 3, 0xFF, 0xFF, 0xFF, 0, 0x3B},
       false, "GIF"},
  };
  return cases;
}

TEST(GifMalformed, EveryCaseEndsAsExpected) {
  for (const MalformedCase& c : MalformedCases()) {
    SCOPED_TRACE(c.name);
    const auto result = DecodeGif(c.bytes);
    EXPECT_EQ(result.ok(), c.ok) << result.error();
    if (c.ok) {
      EXPECT_FALSE(result.value().frames.empty());
    } else {
      EXPECT_NE(result.error().find(c.messagePart), std::string::npos) << result.error();
    }
  }
}

}  // namespace

// Captures: the checksums and the PNG encoding read back, Gallery.exe run
// with --capture writing one sound image of the right size per window, and
// its caption in the skin's colours unless --no-skin.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>

#include "GalleryImages.h"
#include "PngTesting.h"
#include "PngWriter.h"
#include "ProcessTesting.h"
#include "QELSkinReader.h"
#include "graphics/Bitmap.h"

namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path ProgramDirectory() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

// Where the glyph's opaque pixels (all but the clFuchsia ones) appear
// exactly in the image; {-1, -1} when nowhere.
POINT FindGlyph(const TDecodedPng& png, const TBitmap& glyph) {
  const std::uint32_t transparent = glyph.ScanLine(0)[0] & 0xFFFFFF;
  for (int y = 0; y + glyph.Height() <= png.Height; ++y)
    for (int x = 0; x + glyph.Width() <= png.Width; ++x) {
      bool same = true;
      for (int gy = 0; gy < glyph.Height() && same; ++gy)
        for (int gx = 0; gx < glyph.Width() && same; ++gx) {
          const std::uint32_t g = glyph.ScanLine(gy)[gx] & 0xFFFFFF;
          same = g == transparent || png.Pixels[static_cast<size_t>((y + gy) * png.Width + x + gx)] == g;
        }
      if (same) return {x, y};
    }
  return {-1, -1};
}

TEST(GalleryPng, ChecksumsAndImagesOfSeveralStoredBlocksReadBack) {
  // The published check values of both sums.
  EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(Bytes("56789"), Crc32(Bytes("1234"))), 0xCBF43926u) << "continued";
  EXPECT_EQ(Crc32(Bytes("IEND")), 0xAE426082u);
  EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32({}), 1u);

  // 300 x 250 is 225 250 bytes of rows: four stored blocks.
  TBitmap bitmap(300, 250);
  for (int y = 0; y < 250; ++y)
    for (int x = 0; x < 300; ++x) bitmap.ScanLine(y)[x] = static_cast<std::uint32_t>((x * 7) << 16 | (y * 3) << 8 | (x ^ y));
  const std::vector<std::uint8_t> file = EncodePng(bitmap);
  const TDecodedPng png = DecodeStoredPng(file);
  ASSERT_EQ(png.Error, "");
  ASSERT_EQ(png.Width, 300);
  ASSERT_EQ(png.Height, 250);
  for (int y = 0; y < 250; y += 7)
    for (int x = 0; x < 300; x += 11)
      ASSERT_EQ(png.Pixels[static_cast<size_t>(y * 300 + x)], bitmap.ScanLine(y)[x] & 0xFFFFFF) << x << "," << y;
  // A flipped bit anywhere is caught.
  std::vector<std::uint8_t> broken = file;
  broken[broken.size() / 2] ^= 0x10;
  EXPECT_NE(DecodeStoredPng(broken).Error, "");
  // A one-pixel image.
  TBitmap dot(1, 1);
  dot.ScanLine(0)[0] = 0x123456;
  const TDecodedPng one = DecodeStoredPng(EncodePng(dot));
  ASSERT_EQ(one.Error, "");
  EXPECT_EQ(one.Pixels, std::vector<std::uint32_t>{0x123456});
}

TEST(GalleryProgram, CaptureWritesOneImageOfEachWindowAndEnds) {
  const std::filesystem::path dir = ProgramDirectory();
  const std::filesystem::path first = dir / "capture-test.png", second = dir / "capture-test-2.png";
  std::filesystem::remove(first);
  std::filesystem::remove(second);
  // The platform's look: the windows keep the sizes they were given.
  TProcess gallery = StartProgram((dir / "Gallery.exe").wstring(), dir.wstring(),
                                  L"--no-skin --page views --mdi --capture \"" + first.wstring() + L"\"");
  ASSERT_TRUE(gallery.process);
  ASSERT_EQ(::WaitForSingleObject(gallery.process.get(), 60000), WAIT_OBJECT_0);
  DWORD code = 99;
  ::GetExitCodeProcess(gallery.process.get(), &code);
  EXPECT_EQ(code, 0u);

  // The main form (820 x 600) first, then the MDI window (640 x 460).
  const struct {
    std::filesystem::path file;
    int width, height;
  } expected[] = {{first, 820, 600}, {second, 640, 460}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.file.string());
    const TDecodedPng png = DecodeStoredPng(ReadFile(e.file));
    ASSERT_EQ(png.Error, "");
    EXPECT_EQ(png.Width, e.width);
    EXPECT_EQ(png.Height, e.height);
    // A painted window: many colours, not one blank fill.
    std::set<std::uint32_t> colours(png.Pixels.begin(), png.Pixels.end());
    EXPECT_GT(colours.size(), 20u);
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "capture-test-3.png"));
  // The capture is what the screen shows: the main form's tool bar has the
  // "Open" button's green disc, pixel for pixel, below the menu bar.
  const TDecodedPng main = DecodeStoredPng(ReadFile(first));
  const POINT disc = FindGlyph(main, DiscGlyph(clGreen));
  EXPECT_GT(disc.x, 0);
  EXPECT_GT(disc.y, ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYMENU));
  EXPECT_LT(disc.y, 120);

  // Wrong options end the program at once with 2.
  TProcess wrong = StartProgram((dir / "Gallery.exe").wstring(), dir.wstring(), L"--page nowhere");
  ASSERT_TRUE(wrong.process);
  ASSERT_EQ(::WaitForSingleObject(wrong.process.get(), 30000), WAIT_OBJECT_0);
  ::GetExitCodeProcess(wrong.process.get(), &code);
  EXPECT_EQ(code, 2u);
}

// Runs Gallery.exe with options and --capture into file; its exit code.
DWORD RunCapture(const std::wstring& options, const std::filesystem::path& file) {
  std::filesystem::remove(file);
  const std::filesystem::path dir = ProgramDirectory();
  TProcess gallery = StartProgram((dir / "Gallery.exe").wstring(), dir.wstring(),
                                  options + L" --capture \"" + file.wstring() + L"\"");
  if (!gallery.process || ::WaitForSingleObject(gallery.process.get(), 60000) != WAIT_OBJECT_0) return 99;
  DWORD code = 99;
  ::GetExitCodeProcess(gallery.process.get(), &code);
  return code;
}

// Of the capture's pixels in row y from x0 to x1, the share whose colour
// one of the bitmaps has somewhere in the same row.
double ShareOfRowColours(const TDecodedPng& png, int y, int x0, int x1, const std::vector<const TBitmap*>& bitmaps) {
  std::set<std::uint32_t> colours;
  for (const TBitmap* bitmap : bitmaps)
    for (int x = 0; x < bitmap->Width(); ++x) colours.insert(bitmap->ScanLine(y)[x] & 0xFFFFFF);
  int same = 0;
  for (int x = x0; x < x1; ++x) same += colours.count(png.Pixels[static_cast<size_t>(y * png.Width + x)]) != 0;
  return static_cast<double>(same) / (x1 - x0);
}

TEST(GalleryProgram, SkinnedCaptionIsTheSkinsTitleBarAndThePlainOneIsNot) {
  const std::filesystem::path dir = ProgramDirectory();
  const TqelSkinReader skin(dir / "default.qsk", "");
  ASSERT_TRUE(skin.Loaded());
  // The title's pieces: left, under the caption, after it, the filler,
  // right.
  std::vector<const TBitmap*> title;
  for (TSkin2BitmapKey key : {SKIN2_TITLEBAR1, SKIN2_TITLEBAR2, SKIN2_TITLEBAR3, SKIN2_TITLEBAR4, SKIN2_TITLEBAR5}) {
    title.push_back(skin.GetBitmap(key));
    ASSERT_TRUE(title.back());
  }
  const int left = title[0]->Width(), height = title[0]->Height();
  ASSERT_GT(height, 4);

  const std::filesystem::path skinned = dir / "capture-skinned.png", plain = dir / "capture-plain.png";
  ASSERT_EQ(RunCapture(L"--no-skin --page buttons", plain), 0u);
  const TDecodedPng off = DecodeStoredPng(ReadFile(plain));
  ASSERT_EQ(off.Error, "");
  // The built-in skin, and the same package named by --skin.
  for (const std::wstring& options : {std::wstring(), L"--skin \"" + (dir / "default.qsk").wstring() + L"\""}) {
    SCOPED_TRACE(std::filesystem::path(options).string());
    ASSERT_EQ(RunCapture(options + L" --page buttons", skinned), 0u);
    const TDecodedPng on = DecodeStoredPng(ReadFile(skinned));
    ASSERT_EQ(on.Error, "");
    // The rows above and below the caption text, from the end of the
    // title's left piece to where the title buttons begin.
    const int x0 = left, x1 = on.Width / 2;
    for (int y : {1, 2, height - 3, height - 2}) {
      SCOPED_TRACE(y);
      EXPECT_GT(ShareOfRowColours(on, y, x0, x1, title), 0.95);
      EXPECT_LT(ShareOfRowColours(off, y, x0, x1, title), 0.5);
    }
  }
  // A package that cannot be read ends the program at once with 2.
  EXPECT_EQ(RunCapture(L"--skin \"" + (dir / "no-such-skin.qsk").wstring() + L"\"", skinned), 2u);
  const std::filesystem::path broken = dir / "broken-skin.qsk";
  {
    std::ofstream out(broken, std::ios::binary);
    out << "not a skin package at all";
  }
  EXPECT_EQ(RunCapture(L"--skin \"" + broken.wstring() + L"\"", skinned), 2u);
  EXPECT_FALSE(std::filesystem::exists(skinned));
}

}  // namespace

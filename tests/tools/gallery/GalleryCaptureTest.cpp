// Captures: the checksums and the PNG encoding read back, and Gallery.exe
// run with --capture writing one sound image of the right size per window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>

#include "GalleryImages.h"
#include "PngTesting.h"
#include "PngWriter.h"
#include "ProcessTesting.h"
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
  TProcess gallery = StartProgram((dir / "Gallery.exe").wstring(), dir.wstring(),
                                  L"--page views --mdi --capture \"" + first.wstring() + L"\"");
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

}  // namespace

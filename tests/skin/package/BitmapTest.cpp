// BMP decoding of skin bitmaps: the depths and layouts a BMP file may have,
// and files that do not hold what their headers promise.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "Skin2Bitmap.h"
#include "SkinTestFiles.h"

namespace {

// A BMP with an info header of headerSize bytes and free-form pixel rows.
TBytes Bmp(int width, int height, int bpp, std::uint32_t compression, const TBytes& extra, const TBytes& pixels,
           std::uint32_t headerSize = 40, std::uint32_t colorsUsed = 0) {
  TBytes b(14 + headerSize, 0);
  const auto put = [&](std::size_t at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put(10, static_cast<std::uint32_t>(14 + headerSize + extra.size()), 4);
  put(14, headerSize, 4);
  if (headerSize == 12) {
    put(18, static_cast<std::uint32_t>(width), 2), put(20, static_cast<std::uint32_t>(height), 2);
    put(22, 1, 2), put(24, static_cast<std::uint32_t>(bpp), 2);
  } else {
    put(18, static_cast<std::uint32_t>(width), 4), put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2), put(28, static_cast<std::uint32_t>(bpp), 2), put(30, compression, 4), put(46, colorsUsed, 4);
  }
  b.insert(b.end(), extra.begin(), extra.end());
  b.insert(b.end(), pixels.begin(), pixels.end());
  put(2, static_cast<std::uint32_t>(b.size()), 4);
  return b;
}

TEST(BitmapDecode, TwentyFourBitsBottomUpAndTopDown) {
  const TBytes file = MakeBmp(3, 2, [](int x, int y) { return static_cast<std::uint32_t>(x * 0x10 + y * 0x1000 + 0x010000); });
  const auto b = Tsk2Bitmap::DecodeBmp(file);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Width(), 3);
  EXPECT_EQ(b->Height(), 2);
  EXPECT_EQ(b->Pixel(0, 0), 0x010000u);
  EXPECT_EQ(b->Pixel(2, 1), 0x011020u);
  EXPECT_EQ(b->TransparentColor(), b->Pixel(0, 1)) << "automatic: the bottom-left pixel";

  // Top-down: negative height, first row in the file is the top row.
  const TBytes rows = {1, 2, 3, 0, 4, 5, 6, 0};  // two rows of one pixel, padded to 4 bytes
  const auto td = Tsk2Bitmap::DecodeBmp(Bmp(1, -2, 24, 0, {}, rows));
  ASSERT_TRUE(td);
  EXPECT_EQ(td->Pixel(0, 0), 0x010203u);
  EXPECT_EQ(td->Pixel(0, 1), 0x040506u);
}

TEST(BitmapDecode, PalettesAndPackedPixels) {
  const TBytes palette = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 9, 9, 9, 0};  // red, green, blue, grey
  // 8 bits: 3 pixels + 1 padding byte.
  auto b = Tsk2Bitmap::DecodeBmp(Bmp(3, 1, 8, 0, palette, {0, 1, 2, 0}, 40, 4));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(b->Pixel(1, 0), 0x00FF00u);
  EXPECT_EQ(b->Pixel(2, 0), 0xFF0000u);
  // 4 bits, high nibble first.
  b = Tsk2Bitmap::DecodeBmp(Bmp(3, 1, 4, 0, palette, {0x21, 0x30, 0, 0}, 40, 4));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Pixel(0, 0), 0xFF0000u);
  EXPECT_EQ(b->Pixel(1, 0), 0x00FF00u);
  EXPECT_EQ(b->Pixel(2, 0), 0x090909u);
  // 1 bit, most significant bit first.
  b = Tsk2Bitmap::DecodeBmp(Bmp(9, 1, 1, 0, TBytes(palette.begin(), palette.begin() + 8), {0xA0, 0x80, 0, 0}, 40, 2));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(b->Pixel(1, 0), 0x0000FFu);
  EXPECT_EQ(b->Pixel(8, 0), 0x00FF00u);
  // Index beyond the colours used reads black rather than past the palette.
  b = Tsk2Bitmap::DecodeBmp(Bmp(1, 1, 8, 0, TBytes(palette.begin(), palette.begin() + 4), {200, 0, 0, 0}, 40, 1));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Pixel(0, 0), 0u);
  // Old core header with three-byte palette entries.
  b = Tsk2Bitmap::DecodeBmp(Bmp(1, 1, 8, 0, TBytes(768, 7), {0, 0, 0, 0}, 12));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Pixel(0, 0), 0x070707u);
}

TEST(BitmapDecode, SixteenAndThirtyTwoBitsWithMasks) {
  // 16 bits 5-5-5: full red.
  auto b = Tsk2Bitmap::DecodeBmp(Bmp(1, 1, 16, 0, {}, {0x00, 0x7C, 0, 0}));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Pixel(0, 0), 0x0000FFu);
  // 16 bits 5-6-5 through bit-field masks: full green.
  const TBytes masks565 = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
  b = Tsk2Bitmap::DecodeBmp(Bmp(1, 1, 16, 3, masks565, {0xE0, 0x07, 0, 0}));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Pixel(0, 0), 0x00FF00u);
  // 32 bits: alpha byte dropped.
  b = Tsk2Bitmap::DecodeBmp(Bmp(1, 1, 32, 0, {}, {0x30, 0x20, 0x10, 0x80}));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Pixel(0, 0), 0x302010u);
}

TEST(BitmapDecode, RejectsWhatItCannotHold) {
  const TBytes good = MakeBmp(4, 4, [](int, int) { return 0u; });
  EXPECT_TRUE(Tsk2Bitmap::DecodeBmp(good));

  TBytes notBm = good;
  notBm[0] = 'X';
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(notBm)) << "magic";
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(TBytes(good.begin(), good.end() - 1))) << "pixels cut short";
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(TBytes(good.begin(), good.begin() + 30))) << "header cut short";
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp({})) << "empty";
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(Bmp(4, 4, 8, 1, TBytes(1024, 0), TBytes(16, 0)))) << "RLE";
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(Bmp(4, 4, 7, 0, {}, TBytes(64, 0)))) << "7 bits per pixel";
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(Bmp(0, 4, 24, 0, {}, {}))) << "zero width";
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(Bmp(4, 0, 24, 0, {}, {}))) << "zero height";
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(Bmp(30000, 30000, 24, 0, {}, TBytes(64, 0)))) << "huge";
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(Bmp(2, 2, 8, 0, TBytes(8, 0), TBytes(8, 0)))) << "palette cut short";

  TBytes farPixels = good;
  farPixels[10] = 0xF0, farPixels[11] = 0xFF;
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(farPixels)) << "pixel offset beyond the data";
  TBytes hugeHeader = good;
  hugeHeader[14] = 0xFF, hugeHeader[15] = 0xFF;
  EXPECT_FALSE(Tsk2Bitmap::DecodeBmp(hugeHeader)) << "header size beyond the data";
}

TEST(BitmapPixels, SetPixelAndTransparency) {
  Tsk2Bitmap b(2, 2);
  b.SetPixel(1, 0, 0x123456);
  EXPECT_EQ(b.Pixel(1, 0), 0x123456u);
  EXPECT_EQ(b.Row(0)[3], 0x12) << "blue-green-red byte order";
  b.SetTransparentColor(0xFF00FF);
  EXPECT_TRUE(b.TransparentFixed());
  EXPECT_EQ(b.TransparentColor(), 0xFF00FFu);
}

}  // namespace

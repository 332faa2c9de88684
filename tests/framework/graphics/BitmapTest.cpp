#include "graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "TestPixels.h"
#include "graphics/Canvas.h"
#include "graphics/GdiObjects.h"
#include "graphics/Picture.h"

namespace {

TEST(Bitmap, PixelsAreTopDownBGRXInMemory) {
  TBitmap b(3, 2);
  EXPECT_FALSE(b.Empty());
  EXPECT_EQ(b.Stride(), 3);
  EXPECT_EQ(CountPixels(b, 0), 6);  // starts black
  b.SetPixel(2, 1, MakeColor(0x11, 0x22, 0x33));
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(b.Bits());
  const std::size_t at = (1 * 3 + 2) * 4;  // row 1 follows row 0: top-down
  EXPECT_EQ(bytes[at + 0], 0x33);  // B
  EXPECT_EQ(bytes[at + 1], 0x22);  // G
  EXPECT_EQ(bytes[at + 2], 0x11);  // R
  EXPECT_EQ(bytes[at + 3], 0x00);
  EXPECT_EQ(b.ScanLine(1)[2], 0x112233u);
  EXPECT_EQ(b.Pixel(2, 1), MakeColor(0x11, 0x22, 0x33));
  EXPECT_EQ(b.Pixel(3, 0), clNone);
  EXPECT_EQ(b.Pixel(-1, 0), clNone);
  b.SetPixel(9, 9, clRed);  // outside: ignored

  // The DIB is 32-bit and its memory is what Bits gives; GDI's row 0 is
  // memory row 0.
  DIBSECTION ds{};
  ASSERT_EQ(::GetObjectW(b.Handle(), sizeof ds, &ds), static_cast<int>(sizeof ds));
  EXPECT_EQ(ds.dsBm.bmBitsPixel, 32);
  EXPECT_EQ(ds.dsBm.bmBits, b.Bits());
  b.Canvas().Brush().SetColor(clWhite);
  b.Canvas().FillRect(RECT{0, 0, 1, 1});
  EXPECT_EQ(b.ScanLine(0)[0], 0xFFFFFFu);
  EXPECT_EQ(b.ScanLine(1)[0], 0u);
}

TEST(Bitmap, SetSizeKeepsTheTopLeftAndTheCanvas) {
  TBitmap b(4, 4);
  b.Fill(clRed);
  TCanvas& canvas = b.Canvas();
  canvas.Brush().SetColor(clBlue);
  canvas.FillRect(RECT{0, 0, 1, 1});
  b.SetSize(6, 2);
  EXPECT_EQ(b.Width(), 6);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(Px(b, 0, 0), 0x0000FFu);
  EXPECT_EQ(Px(b, 3, 1), 0xFF0000u);
  EXPECT_EQ(Px(b, 4, 0), 0u);  // new pixels black
  EXPECT_EQ(&b.Canvas(), &canvas);
  canvas.FillRect(RECT{5, 1, 6, 2});  // the canvas draws on the new DIB
  EXPECT_EQ(Px(b, 5, 1), 0x0000FFu);

  const long bitmaps = GdiLiveObjects(GdiKind::Bitmap);
  b.SetSize(0, 5);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Handle(), nullptr);
  EXPECT_EQ(b.Bits(), nullptr);
  EXPECT_EQ(GdiLiveObjects(GdiKind::Bitmap), bitmaps - 1);
  canvas.FillRect(RECT{0, 0, 3, 3});  // drawing on an empty bitmap is harmless
  b.SetSize(2, 2);
  canvas.FillRect(RECT{0, 0, 2, 2});
  EXPECT_EQ(CountPixels(b, 0x0000FF), 4);
}

TEST(Bitmap, CopiesAreDeepAndMovesKeepCanvases) {
  TBitmap a(2, 2);
  a.Fill(clLime);
  a.SetTransparent(true);
  a.SetTransparentColor(clRed);
  TBitmap copy(a);
  EXPECT_NE(copy.Handle(), a.Handle());
  EXPECT_EQ(Px(copy, 1, 1), 0x00FF00u);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentMode(), tmFixed);
  EXPECT_EQ(copy.TransparentColor(), clRed);
  copy.SetPixel(0, 0, clBlue);
  EXPECT_EQ(Px(a, 0, 0), 0x00FF00u);  // the original is untouched

  // Drawing pending on the source's canvas is part of the copy.
  a.Canvas().Brush().SetColor(clWhite);
  a.Canvas().FillRect(RECT{0, 0, 1, 1});
  TBitmap second;
  second.Assign(a);
  EXPECT_EQ(Px(second, 0, 0), 0xFFFFFFu);

  // Moving into a bitmap with a canvas: the canvas stays and draws on the
  // moved pixels; the source is left empty.
  TBitmap target(1, 1);
  TCanvas& canvas = target.Canvas();
  HBITMAP moved = copy.Handle();
  target = std::move(copy);
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(target.Handle(), moved);
  EXPECT_EQ(&target.Canvas(), &canvas);
  canvas.Brush().SetColor(clYellow);
  canvas.FillRect(RECT{1, 1, 2, 2});
  EXPECT_EQ(Px(target, 1, 1), 0xFFFF00u);
  EXPECT_EQ(Px(target, 0, 0), 0x0000FFu);
}

TEST(Bitmap, TransparentColourFollowsItsMode) {
  TBitmap empty;
  EXPECT_EQ(empty.TransparentColor(), clNone);
  TBitmap b = TBitmap::FromPixels(2, 2, std::vector<std::uint32_t>{0x111111, 0x222222, 0x333333, 0x444444});
  EXPECT_EQ(b.TransparentMode(), tmAuto);
  EXPECT_EQ(b.TransparentColor(), PixelToColor(0x333333));  // bottom-left
  b.SetPixel(0, 1, clAqua);
  EXPECT_EQ(b.TransparentColor(), clAqua);
  b.SetTransparentColor(clMaroon);
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  EXPECT_EQ(b.TransparentColor(), clMaroon);
  b.SetTransparentMode(tmAuto);
  EXPECT_EQ(b.TransparentColor(), clAqua);
}

TEST(Bitmap, FromPixelsChecksItsInput) {
  EXPECT_THROW(TBitmap::FromPixels(2, 2, std::vector<std::uint32_t>(3)), std::invalid_argument);
  EXPECT_THROW(TBitmap::FromPixels(-1, 2, std::vector<std::uint32_t>{}), std::invalid_argument);
  TBitmap b = TBitmap::FromPixels(1, 1, std::vector<std::uint32_t>{0xAB123456});
  EXPECT_EQ(b.ScanLine(0)[0], 0x123456u);  // fourth byte cleared
  EXPECT_TRUE(TBitmap::FromPixels(0, 0, std::vector<std::uint32_t>{}).Empty());
}

TEST(Bitmap, SaveAndLoadRoundTrip) {
  std::vector<std::uint32_t> pixels;
  for (int i = 0; i < 5 * 3; ++i) pixels.push_back(static_cast<std::uint32_t>(i * 0x10F0E1) & 0xFFFFFF);
  const TBitmap original = TBitmap::FromPixels(5, 3, pixels);  // 5 * 3 bytes per row: padded at 24 bits
  for (int bpp : {24, 32}) {
    std::vector<std::uint8_t> file = original.SaveToBMP(bpp);
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[28], bpp);
    EXPECT_EQ(file.size(), 54u + (bpp == 24 ? 16u : 20u) * 3);
    TBitmap loaded;
    ASSERT_TRUE(loaded.LoadFromBMP(file)) << bpp;
    ASSERT_EQ(loaded.Width(), 5);
    ASSERT_EQ(loaded.Height(), 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(Px(loaded, x, y), pixels[y * 5 + x]) << bpp << ":" << x << "," << y;
  }
  // Through a file on disk.
  wchar_t dir[MAX_PATH];
  ::GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + L"graphics_round_trip.bmp";
  ASSERT_TRUE(original.SaveToFile(path));
  TBitmap fromFile;
  ASSERT_TRUE(fromFile.LoadFromFile(path));
  EXPECT_EQ(Px(fromFile, 4, 2), pixels[14]);
  ::DeleteFileW(path.c_str());
  EXPECT_FALSE(fromFile.LoadFromFile(path));  // gone: false, bitmap kept
  EXPECT_EQ(fromFile.Width(), 5);
}

TEST(Picture, TellsItsOwnerAboutEveryChange) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&] { ++changes; };
  EXPECT_TRUE(picture.Empty());
  TBitmap b(3, 2);
  picture.Assign(b);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_NE(picture.Bitmap().Handle(), b.Handle());
  EXPECT_TRUE(picture.LoadFromBMP(b.SaveToBMP()));
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(picture.LoadFromBMP(std::vector<std::uint8_t>{'B', 'M'}));
  EXPECT_EQ(changes, 2);  // a failed load changes nothing
  EXPECT_EQ(picture.Height(), 2);
  picture.Clear();
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(picture.Empty());
}

}  // namespace

#include "graphics/Canvas.h"

#include <gtest/gtest.h>

#include <vector>

#include "TestPixels.h"
#include "graphics/Bitmap.h"
#include "graphics/GdiObjects.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kBlue = 0x0000FF, kLime = 0x00FF00,
                        kMagenta = 0xFF00FF, kBlack = 0;

TBitmap WhiteBitmap(int w, int h) {
  TBitmap b(w, h);
  b.Fill(clWhite);
  return b;
}

// Fill, frame, rectangle, lines and polygons land on exactly the pixels
// GDI's conventions give (right and bottom edges excluded).
TEST(CanvasShapes, FillFrameRectangleAndLinesHitExactPixels) {
  TBitmap b = WhiteBitmap(20, 12);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clRed);
  c.FillRect(RECT{2, 3, 6, 5});
  EXPECT_EQ(CountPixels(b, kRed), 4 * 2);
  EXPECT_EQ(CountPixels(b, kRed, 2, 3, 6, 5), 8);

  b.Fill(clWhite);
  c.Brush().SetColor(clBlue);
  c.FrameRect(RECT{1, 1, 6, 5});  // 5 x 4 outline
  EXPECT_EQ(CountPixels(b, kBlue), 2 * 5 + 2 * 2);
  EXPECT_EQ(Px(b, 1, 1), kBlue);
  EXPECT_EQ(Px(b, 5, 4), kBlue);
  EXPECT_EQ(Px(b, 3, 2), kWhite);  // inside untouched

  b.Fill(clWhite);
  c.Pen().SetColor(clRed);
  c.Brush().SetColor(clLime);
  c.Rectangle(0, 0, 5, 4);  // red outline, lime inside
  EXPECT_EQ(Px(b, 0, 0), kRed);
  EXPECT_EQ(Px(b, 4, 3), kRed);
  EXPECT_EQ(Px(b, 5, 4), kWhite);
  EXPECT_EQ(CountPixels(b, kLime), 3 * 2);

  b.Fill(clWhite);
  c.Pen().SetColor(clBlack);
  c.MoveTo(2, 8);
  c.LineTo(10, 8);
  EXPECT_EQ(CountPixels(b, kBlack), 8);  // end point excluded
  EXPECT_EQ(Px(b, 10, 8), kWhite);
  EXPECT_EQ(c.PenPos().x, 10);
  EXPECT_EQ(c.PenPos().y, 8);

  b.Fill(clWhite);
  c.Pen().SetStyle(psClear);
  c.Brush().SetColor(clBlue);
  const POINT square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  c.Polygon(square);
  EXPECT_EQ(CountPixels(b, kBlue), 16);
}

TEST(CanvasShapes, PixelsReadAndWriteThroughTheCanvas) {
  TBitmap b = WhiteBitmap(4, 4);
  TCanvas& c = b.Canvas();
  c.SetPixel(1, 2, MakeColor(10, 20, 30));
  EXPECT_EQ(Px(b, 1, 2), 0x0A141Eu);
  EXPECT_EQ(c.Pixel(1, 2), MakeColor(10, 20, 30));
  EXPECT_EQ(c.Pixel(0, 0), clWhite);
  EXPECT_EQ(c.Pixel(40, 0), clNone);  // outside the surface
  // Direct writes are seen by GDI reads and the other way round.
  b.ScanLine(3)[3] = 0x00FF00;
  EXPECT_EQ(c.Pixel(3, 3), clLime);
}

TEST(CanvasText, TextIsDrawnInTheFontColourInsideItsExtent) {
  TBitmap b = WhiteBitmap(80, 30);
  TCanvas& c = b.Canvas();
  c.Font().SetName(L"Tahoma");
  c.Font().SetHeight(-14);
  c.Font().SetColor(clRed);
  c.Brush().SetStyle(bsClear);
  const SIZE extent = c.TextExtent(L"Hello");
  EXPECT_GT(extent.cx, 10);
  EXPECT_GT(extent.cy, 10);
  EXPECT_EQ(c.TextWidth(L"Hello"), extent.cx);
  EXPECT_EQ(c.TextWidth(L""), 0);
  c.TextOut(5, 4, L"Hello");
  EXPECT_GT(CountPixels(b, kRed, 5, 4, 5 + extent.cx, 4 + extent.cy), 0);
  // Transparent background: only red (or anti-aliased) ink inside the box,
  // white everywhere outside it.
  const int inside = (extent.cx) * (extent.cy);
  EXPECT_EQ(CountPixels(b, kWhite), 80 * 30 - inside + CountPixels(b, kWhite, 5, 4, 5 + extent.cx, 4 + extent.cy));

  // Opaque background: the whole extent takes the brush colour or ink.
  b.Fill(clWhite);
  c.Brush().SetColor(clBlue);
  c.TextOut(5, 4, L"Hello");
  EXPECT_EQ(CountPixels(b, kWhite, 5, 4, 5 + extent.cx, 4 + extent.cy), 0);
  EXPECT_GT(CountPixels(b, kBlue, 5, 4, 5 + extent.cx, 4 + extent.cy), inside / 2);

  // A bigger font measures bigger: the change reaches the DC.
  c.Font().SetHeight(-28);
  EXPECT_GT(c.TextExtent(L"Hello").cx, extent.cx * 3 / 2);
}

TEST(CanvasText, TextRectClipsAndMeasures) {
  TBitmap b = WhiteBitmap(60, 20);
  TCanvas& c = b.Canvas();
  c.Font().SetHeight(-12);
  c.Font().SetColor(clBlack);
  c.Brush().SetColor(clLime);
  c.TextRect(RECT{10, 2, 20, 14}, 10, 2, L"WWWWWWWW");
  // Everything drawn stays inside the rectangle, which is filled.
  EXPECT_EQ(CountPixels(b, kWhite, 10, 2, 20, 14), 0);
  EXPECT_EQ(CountPixels(b, kWhite), 60 * 20 - 10 * 12);

  RECT measure{0, 0, 1000, 0};
  const int height = c.TextRect(measure, L"Wide text", DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(measure.right - measure.left, c.TextWidth(L"Wide text"));
  EXPECT_EQ(height, measure.bottom - measure.top);
  EXPECT_GT(height, 0);

  b.Fill(clWhite);
  c.Brush().SetStyle(bsClear);
  RECT centred{0, 0, 60, 20};
  c.TextRect(centred, L"i", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EXPECT_EQ(CountPixels(b, kBlack, 0, 0, 20, 20), 0);  // nothing at the left
  EXPECT_GT(CountPixels(b, kBlack, 25, 0, 35, 20), 0);
}

TEST(CanvasHandle, BorrowedDCGetsItsObjectsBack) {
  UniqueMemoryDC dc = UniqueMemoryDC::Create();
  TBitmap surface(10, 10);
  SelectScope select(dc.get(), surface.Handle());
  const HGDIOBJ font = ::GetCurrentObject(dc.get(), OBJ_FONT);
  const HGDIOBJ pen = ::GetCurrentObject(dc.get(), OBJ_PEN);
  const HGDIOBJ brush = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
  {
    TCanvas c(dc.get());
    c.Brush().SetColor(clRed);
    c.Rectangle(0, 0, 5, 5);
    c.TextOut(0, 0, L"x");
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), c.Font().Handle());
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), c.Brush().Handle());
    // A change takes the old object out before it is deleted.
    HGDIOBJ oldBrush = c.Brush().Handle();
    c.Brush().SetColor(clBlue);
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush);
    EXPECT_EQ(::GetObjectType(oldBrush), 0u);
    c.FillRect(RECT{0, 0, 1, 1});
    EXPECT_EQ(Px(surface, 0, 0), kBlue);
  }
  EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), font);
  EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), pen);
  EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush);

  TCanvas none;  // without a DC: nothing happens, measurements are 0
  none.FillRect(RECT{0, 0, 5, 5});
  none.TextOut(0, 0, L"x");
  EXPECT_EQ(none.TextWidth(L"abc"), 0);
  EXPECT_EQ(none.Pixel(0, 0), clNone);
  EXPECT_EQ(none.Handle(), nullptr);
}

// A 4 x 3 sprite: magenta key in the bottom-left corner and one more key
// pixel inside, other pixels coloured.
TBitmap Sprite() {
  const std::uint32_t m = kMagenta, r = kRed, g = kLime, k = kBlue;
  return TBitmap::FromPixels(4, 3, std::vector<std::uint32_t>{r, g, k, r,   //
                                                              g, m, g, k,   //
                                                              m, r, r, g});
}

TEST(CanvasDraw, TransparentDrawSkipsTheKeyColourExactly) {
  TBitmap sprite = Sprite();
  TBitmap target = WhiteBitmap(8, 6);

  target.Canvas().Draw(2, 1, sprite);  // opaque: the key is copied too
  EXPECT_EQ(Px(target, 3, 2), kMagenta);
  EXPECT_EQ(CountPixels(target, kWhite), 48 - 12);

  // tmAuto: the bottom-left pixel (magenta) is the key.
  target.Fill(clWhite);
  sprite.SetTransparent(true);
  EXPECT_EQ(sprite.TransparentMode(), tmAuto);
  EXPECT_EQ(sprite.TransparentColor(), clFuchsia);
  target.Canvas().Draw(2, 1, sprite);
  EXPECT_EQ(CountPixels(target, kMagenta), 0);
  EXPECT_EQ(Px(target, 3, 2), kWhite);
  EXPECT_EQ(Px(target, 2, 3), kWhite);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      if (Px(sprite, x, y) != kMagenta) {
        EXPECT_EQ(Px(target, 2 + x, 1 + y), Px(sprite, x, y)) << x << "," << y;
      }
  EXPECT_EQ(CountPixels(target, kWhite), 48 - 10);

  // tmFixed: lime is the key now, magenta is drawn.
  target.Fill(clWhite);
  sprite.SetTransparentColor(clLime);
  EXPECT_EQ(sprite.TransparentMode(), tmFixed);
  target.Canvas().Draw(0, 0, sprite);
  EXPECT_EQ(CountPixels(target, kLime), 0);
  EXPECT_EQ(CountPixels(target, kMagenta), 2);
  EXPECT_EQ(Px(target, 1, 0), kWhite);
  EXPECT_EQ(Px(target, 0, 1), kWhite);
  EXPECT_EQ(Px(target, 3, 2), kWhite);

  // Partly outside the target: the visible part only, no crash.
  target.Fill(clWhite);
  target.Canvas().Draw(-2, -1, sprite);
  EXPECT_EQ(Px(target, 0, 0), kWhite);  // sprite (2, 1): lime, the key
  EXPECT_EQ(Px(target, 1, 0), kBlue);   // sprite (3, 1)
  EXPECT_EQ(Px(target, 0, 1), kRed);    // sprite (2, 2)
  EXPECT_EQ(Px(target, 1, 1), kWhite);  // sprite (3, 2): lime
  EXPECT_EQ(CountPixels(target, kWhite), 48 - 2);
}

TEST(CanvasDraw, PartOfABitmapAndTargetsOtherThanBitmaps) {
  TBitmap sprite = Sprite();
  sprite.SetTransparent(true);
  TBitmap target = WhiteBitmap(6, 6);
  target.Canvas().Draw(1, 1, sprite, RECT{1, 1, 3, 3});  // m g / r r
  EXPECT_EQ(Px(target, 1, 1), kWhite);
  EXPECT_EQ(Px(target, 2, 1), kLime);
  EXPECT_EQ(Px(target, 1, 2), kRed);
  EXPECT_EQ(Px(target, 2, 2), kRed);
  EXPECT_EQ(CountPixels(target, kWhite), 36 - 3);

  // A device-dependent bitmap in a memory DC: read back through GDI.
  UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
  UniqueBitmap ddb(::CreateCompatibleBitmap(screen.get(), 8, 8));
  UniqueMemoryDC dc = UniqueMemoryDC::Create(screen.get());
  SelectScope select(dc.get(), ddb.get());
  TCanvas canvas(dc.get());
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(RECT{0, 0, 8, 8});
  canvas.Draw(3, 3, sprite);
  EXPECT_EQ(canvas.Pixel(3, 3), clRed);
  EXPECT_EQ(canvas.Pixel(4, 4), clWhite);  // key
  EXPECT_EQ(canvas.Pixel(3, 5), clWhite);  // key
  EXPECT_EQ(canvas.Pixel(6, 4), clBlue);
  EXPECT_EQ(canvas.Pixel(2, 3), clWhite);
}

// Transparent drawing onto a bitmap writes into its memory; it must still
// follow the DC's origin and clipping like GDI drawing does.
TEST(CanvasDraw, TransparentDrawHonoursOriginAndClipping) {
  TBitmap sprite = TBitmap::FromPixels(2, 2, std::vector<std::uint32_t>{kRed, kRed, kRed, kMagenta});
  sprite.SetTransparent(true);
  sprite.SetTransparentColor(clFuchsia);
  TBitmap target = WhiteBitmap(10, 10);
  HDC dc = target.Canvas().Handle();

  ::SetViewportOrgEx(dc, 3, 2, nullptr);  // logical (0, 0) is pixel (3, 2)
  target.Canvas().Draw(1, 1, sprite);
  EXPECT_EQ(Px(target, 4, 3), kRed);
  EXPECT_EQ(Px(target, 5, 4), kWhite);  // the key
  EXPECT_EQ(CountPixels(target, kRed), 3);
  ::SetViewportOrgEx(dc, 0, 0, nullptr);

  // A rectangular clip: only its inside changes.
  target.Fill(clWhite);
  ::IntersectClipRect(dc, 0, 0, 5, 10);
  target.Canvas().StretchDraw(RECT{2, 0, 8, 6}, sprite);  // x3
  EXPECT_EQ(CountPixels(target, kRed, 5, 0, 10, 10), 0);
  EXPECT_EQ(CountPixels(target, kRed), 3 * 6);
  ::SelectClipRgn(dc, nullptr);

  // A clip of two rectangles (not one): still exact.
  target.Fill(clWhite);
  UniqueRegion a(::CreateRectRgn(0, 0, 2, 10)), b(::CreateRectRgn(4, 0, 6, 10));
  ::CombineRgn(a.get(), a.get(), b.get(), RGN_OR);
  ::SelectClipRgn(dc, a.get());
  target.Canvas().StretchDraw(RECT{0, 0, 6, 6}, sprite);
  EXPECT_EQ(CountPixels(target, kRed, 2, 0, 4, 10), 0);
  EXPECT_EQ(CountPixels(target, kRed, 0, 0, 2, 6), 12);
  EXPECT_EQ(CountPixels(target, kRed, 4, 0, 6, 3), 6);
  EXPECT_EQ(CountPixels(target, kRed, 3, 3, 6, 6), 0);  // the key quarter
  ::SelectClipRgn(dc, nullptr);

  // A bitmap drawn onto itself, shifted.
  TBitmap self = TBitmap::FromPixels(3, 1, std::vector<std::uint32_t>{kBlue, kMagenta, kRed});
  self.SetTransparent(true);
  self.SetTransparentColor(clFuchsia);
  self.Canvas().Draw(1, 0, self);
  EXPECT_EQ(Px(self, 0, 0), kBlue);
  EXPECT_EQ(Px(self, 1, 0), kBlue);
  EXPECT_EQ(Px(self, 2, 0), kRed);  // under the key: kept
}

TEST(CanvasDraw, StretchDrawScalesOpaqueAndTransparent) {
  TBitmap sprite = Sprite();
  TBitmap target = WhiteBitmap(10, 8);
  target.Canvas().StretchDraw(RECT{1, 1, 9, 7}, sprite);  // x2 in both directions
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(Px(target, 1 + x, 1 + y), Px(sprite, x / 2, y / 2)) << x << "," << y;
  EXPECT_EQ(CountPixels(target, kWhite), 80 - 48);

  target.Fill(clWhite);
  sprite.SetTransparent(true);
  target.Canvas().StretchDraw(RECT{1, 1, 9, 7}, sprite);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) {
      std::uint32_t s = Px(sprite, x / 2, y / 2);
      EXPECT_EQ(Px(target, 1 + x, 1 + y), s == kMagenta ? kWhite : s) << x << "," << y;
    }

  // Shrinking keeps colours pure (no AND of neighbours).
  TBitmap stripes = TBitmap::FromPixels(4, 1, std::vector<std::uint32_t>{kRed, kRed, kBlue, kBlue});
  TBitmap small = WhiteBitmap(2, 1);
  small.Canvas().StretchDraw(RECT{0, 0, 2, 1}, stripes);
  EXPECT_EQ(Px(small, 0, 0), kRed);
  EXPECT_EQ(Px(small, 1, 0), kBlue);
}

TEST(CanvasDraw, CopyRectBetweenCanvases) {
  TBitmap source = Sprite();
  TBitmap target = WhiteBitmap(6, 6);
  target.Canvas().CopyRect(RECT{0, 0, 2, 2}, source.Canvas(), RECT{2, 0, 4, 2});
  EXPECT_EQ(Px(target, 0, 0), kBlue);
  EXPECT_EQ(Px(target, 1, 0), kRed);
  EXPECT_EQ(Px(target, 0, 1), kLime);
  EXPECT_EQ(Px(target, 1, 1), kBlue);
  target.Canvas().CopyRect(RECT{2, 2, 6, 4}, source.Canvas(), RECT{0, 0, 2, 1});  // x2
  EXPECT_EQ(Px(target, 2, 2), kRed);
  EXPECT_EQ(Px(target, 3, 3), kRed);
  EXPECT_EQ(Px(target, 4, 2), kLime);
  EXPECT_EQ(Px(target, 5, 3), kLime);
}

}  // namespace

#pragma once
// TCanvas: drawing on a device context with a font, a pen and a brush.
//
// The DC is either borrowed (TCanvas(HDC), SetHandle) or acquired on demand
// by a derived class (CreateHandle/FreeHandle: the bitmap's canvas, a
// control's canvas). Font, pen and brush are selected into the DC when an
// operation needs them; the DC's own objects are selected back when the
// canvas lets go of the DC, so a borrowed DC is returned as it was given,
// apart from text colour, background mode and pen position.
//
// Without a DC every operation does nothing and measurements return 0.
#include <windows.h>

#include <span>
#include <string_view>

#include "graphics/Brush.h"
#include "graphics/Color.h"
#include "graphics/Font.h"
#include "graphics/Pen.h"

class TBitmap;

class TCanvas {
 public:
  TCanvas();
  explicit TCanvas(HDC dc);  // borrowed; the caller keeps it alive
  virtual ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // Attributes
  // The DC; a derived class may create it here on first use.
  HDC Handle();
  // Replaces the DC (borrowed); the previous one gets its objects back.
  void SetHandle(HDC dc);
  bool HandleAllocated() const noexcept { return dc_ != nullptr; }
  TFont& Font() noexcept { return font_; }
  TPen& Pen() noexcept { return pen_; }
  TBrush& Brush() noexcept { return brush_; }
  // Raster operation of CopyRect (SRCCOPY by default).
  DWORD CopyMode() const noexcept { return copyMode_; }
  void SetCopyMode(DWORD rop) noexcept { copyMode_ = rop; }
  POINT PenPos();
  void SetPenPos(POINT p) { MoveTo(p.x, p.y); }
  // One pixel through GDI; for many pixels use the bitmap's ScanLine.
  // Pixel returns clNone outside the DC's surface.
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);
  // The clip box in logical coordinates.
  RECT ClipRect();

  // Operations: shapes
  void FillRect(const RECT& rect);   // with the brush
  void FrameRect(const RECT& rect);  // one pixel, with the brush's colour
  void Rectangle(int x1, int y1, int x2, int y2);  // pen outline, brush fill
  void Rectangle(const RECT& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
  void Ellipse(int x1, int y1, int x2, int y2);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);  // excludes the end point, as GDI does
  void Polyline(std::span<const POINT> points);
  void Polygon(std::span<const POINT> points);  // pen outline, brush fill
  void DrawFocusRect(const RECT& rect);

  // Operations: text (font and font colour; background from the brush, or
  // transparent when the brush is bsClear)
  void TextOut(int x, int y, std::wstring_view text);
  // Text at (x, y) clipped to rect; the rect is filled with the brush
  // first unless the brush is bsClear.
  void TextRect(const RECT& rect, int x, int y, std::wstring_view text);
  // DrawTextW with format (DT_*); returns the text height. With
  // DT_CALCRECT rect receives the measured rectangle and nothing is drawn.
  int TextRect(RECT& rect, std::wstring_view text, UINT format);
  SIZE TextExtent(std::wstring_view text);
  int TextWidth(std::wstring_view text) { return TextExtent(text).cx; }
  int TextHeight(std::wstring_view text) { return TextExtent(text).cy; }

  // Operations: pictures
  // The whole bitmap with its top-left at (x, y). A Transparent bitmap
  // leaves the canvas untouched where its pixels equal its transparent
  // colour (exactly; no blending).
  void Draw(int x, int y, const TBitmap& bitmap);
  // The part source of the bitmap at (x, y), transparency as above.
  void Draw(int x, int y, const TBitmap& bitmap, const RECT& source);
  // The whole bitmap (or its part source) scaled into dest, transparency
  // as above. Opaque stretching uses the DC's stretch mode (COLORONCOLOR
  // when it is still the default); transparent stretching samples the
  // nearest source pixel.
  void StretchDraw(const RECT& dest, const TBitmap& bitmap);
  void StretchDraw(const RECT& dest, const TBitmap& bitmap, const RECT& source);
  // source of canvas scaled into dest of this canvas with CopyMode.
  void CopyRect(const RECT& dest, TCanvas& canvas, const RECT& source);

  // Selects the DC's own objects back so that font, pen and brush are free
  // to change; the next operation selects them again.
  void Refresh();

 protected:
  // Overridables
  // Called by Handle() when there is no DC; an override acquires one and
  // passes it to SetHandle. A derived class that owns its DC calls
  // SetHandle(nullptr) before releasing it (also in its destructor), which
  // gives the DC its own objects back.
  virtual void CreateHandle() {}
  // The bitmap whose DIB is selected into this canvas's DC, if any: lets
  // transparent drawing write straight into its memory.
  virtual TBitmap* SurfaceBitmap() noexcept { return nullptr; }

 private:
  enum : unsigned { kFontSelected = 1, kPenSelected = 2, kBrushSelected = 4 };
  void Require(unsigned what);
  void DeselectAll() noexcept;
  void PrepareText();
  void DrawBitmap(const RECT& dest, const TBitmap& bitmap, const RECT& source);

  HDC dc_ = nullptr;
  unsigned selected_ = 0;
  HGDIOBJ oldFont_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
  DWORD copyMode_ = SRCCOPY;
  TFont font_;
  TPen pen_;
  TBrush brush_;
};

#include "graphics/Brush.h"

TBrush::TBrush() : TGraphicsObject(GdiKind::Brush) {}

TBrush::TBrush(const TBrush& other) : TGraphicsObject(other), color_(other.color_), style_(other.style_) {}

void TBrush::SetColor(TColor color) {
  TBrushStyle style = style_;
  if (color == clNone)
    style = bsClear;
  else if (style == bsClear)
    style = bsSolid;
  if (color == color_ && style == style_) return;
  color_ = color;
  style_ = style;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TBrush::Assign(const TBrush& source) {
  if (&source == this) return;
  if (color_ == source.color_ && style_ == source.style_) return;
  color_ = source.color_;
  style_ = source.style_;
  Changed();
}

HGDIOBJ TBrush::CreateHandle(bool& owned) const {
  if (style_ == bsClear || color_ == clNone) {
    owned = false;
    return ::GetStockObject(NULL_BRUSH);
  }
  owned = true;
  COLORREF rgb = color_ == clDefault ? ::GetSysColor(COLOR_WINDOW) : ColorToRGB(color_);
  switch (style_) {
    case bsHorizontal: return ::CreateHatchBrush(HS_HORIZONTAL, rgb);
    case bsVertical: return ::CreateHatchBrush(HS_VERTICAL, rgb);
    case bsFDiagonal: return ::CreateHatchBrush(HS_FDIAGONAL, rgb);
    case bsBDiagonal: return ::CreateHatchBrush(HS_BDIAGONAL, rgb);
    case bsCross: return ::CreateHatchBrush(HS_CROSS, rgb);
    case bsDiagCross: return ::CreateHatchBrush(HS_DIAGCROSS, rgb);
    default: return ::CreateSolidBrush(rgb);
  }
}

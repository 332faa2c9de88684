#include "graphics/Pen.h"

#include <algorithm>

TPen::TPen() : TGraphicsObject(GdiKind::Pen) {}

TPen::TPen(const TPen& other)
    : TGraphicsObject(other), color_(other.color_), width_(other.width_), style_(other.style_) {}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  width = std::max(width, 1);
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TPen::Assign(const TPen& source) {
  if (&source == this) return;
  if (color_ == source.color_ && width_ == source.width_ && style_ == source.style_) return;
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  Changed();
}

HGDIOBJ TPen::CreateHandle(bool& owned) const {
  static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  owned = true;
  COLORREF rgb = (color_ == clNone || color_ == clDefault) ? 0 : ColorToRGB(color_);
  return ::CreatePen(kStyles[style_], width_, rgb);
}

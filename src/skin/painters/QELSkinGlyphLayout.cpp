#include "painters/QELSkinGlyphLayout.h"

namespace {

// Margin and spacing along the layout direction, -1 resolved.
void ResolveCentring(int room, int glyph, int caption, int& margin, int& spacing) noexcept {
  if (margin == -1 && spacing == -1) {
    margin = (room - (glyph + caption)) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (room - (glyph + spacing + caption) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (room - (margin + glyph) - caption) / 2;
  }
}

}  // namespace

TqelGlyphPlacement PlaceGlyphAndCaption(const RECT& area, SIZE glyph, SIZE caption, int layout, int margin,
                                        int spacing, bool rightToLeft) noexcept {
  if (rightToLeft && layout == glGlyphLeft) layout = glGlyphRight;
  else if (rightToLeft && layout == glGlyphRight) layout = glGlyphLeft;
  const SIZE room{area.right - area.left, area.bottom - area.top};
  const bool horizontal = layout == glGlyphLeft || layout == glGlyphRight;
  if (caption.cx == 0 || glyph.cx == 0) spacing = 0;

  POINT g{}, c{};
  if (horizontal) {
    g.y = (room.cy - glyph.cy + 1) / 2;
    c.y = (room.cy - caption.cy + 1) / 2;
    ResolveCentring(room.cx, glyph.cx, caption.cx, margin, spacing);
  } else {
    g.x = (room.cx - glyph.cx + 1) / 2;
    c.x = (room.cx - caption.cx + 1) / 2;
    ResolveCentring(room.cy, glyph.cy, caption.cy, margin, spacing);
  }
  switch (layout) {
    case glGlyphRight:
      g.x = room.cx - margin - glyph.cx;
      c.x = g.x - spacing - caption.cx;
      break;
    case glGlyphTop:
      g.y = margin;
      c.y = g.y + glyph.cy + spacing;
      break;
    case glGlyphBottom:
      g.y = room.cy - margin - glyph.cy;
      c.y = g.y - spacing - caption.cy;
      break;
    default:
      g.x = margin;
      c.x = g.x + glyph.cx + spacing;
      break;
  }
  TqelGlyphPlacement p;
  p.Glyph = POINT{area.left + g.x, area.top + g.y};
  p.Caption = RECT{area.left + c.x, area.top + c.y, area.left + c.x + caption.cx, area.top + c.y + caption.cy};
  return p;
}

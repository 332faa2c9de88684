#pragma once
// Where a button's glyph and caption go: the layout shared by the skinned
// push button and speed button.
//
// Across the layout direction both are centred. Along it, Margin is the
// glyph's distance from its edge and Spacing the gap between glyph and
// caption; -1 centres: both -1 split the free room into three equal parts
// (margin, spacing, margin), Margin -1 alone centres glyph + spacing +
// caption together, Spacing -1 alone centres the caption in the room left
// after margin and glyph. Spacing is 0 when there is no caption or no
// glyph. Glyph left: the glyph starts at the margin and the caption after
// glyph and spacing; right, top and bottom mirror this. In right-to-left
// reading left and right swap.
#include <windows.h>

enum TqelGlyphLayout { glGlyphLeft = 0, glGlyphRight = 1, glGlyphTop = 2, glGlyphBottom = 3 };

struct TqelGlyphPlacement {
  POINT Glyph{};  // the glyph's top-left corner
  RECT Caption{};  // the caption's rectangle (its measured size)
};

TqelGlyphPlacement PlaceGlyphAndCaption(const RECT& area, SIZE glyph, SIZE caption, int layout, int margin,
                                        int spacing, bool rightToLeft) noexcept;

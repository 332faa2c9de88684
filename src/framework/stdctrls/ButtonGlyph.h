#pragma once
// The face of a bitmap button or a speed button: a glyph strip and a
// caption laid out together, drawn for the button's state.
//
// A glyph strip holds NumGlyphs frames side by side: up, disabled, down,
// exclusive (held down). Missing frames fall back to the up frame; a
// disabled button without a disabled frame shows its glyph embossed. The
// strip's bottom-left pixel is its transparent colour.
#include <string>
#include <string_view>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
inline constexpr std::string_view kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                                          "blGlyphBottom"};

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Where the glyph's top-left corner and the caption's rectangle go.
struct TButtonFaceLayout {
  POINT Glyph{};
  RECT Text{};
};

// Lays glyph and caption out in client, in the canvas's font. Margin is
// the distance of the glyph from its edge and Spacing the gap between glyph
// and caption; -1 centres: both -1 splits the free room into three equal
// parts, margin -1 alone centres glyph, gap and caption together, spacing
// -1 alone centres the caption in the room after the glyph.
TButtonFaceLayout LayoutButtonFace(TCanvas& canvas, const RECT& client, std::wstring_view caption,
                                   SIZE glyphSize, TButtonLayout layout, int margin, int spacing,
                                   bool wordWrap);

// The glyph's frame for state, transparently at at.
void DrawButtonGlyph(TCanvas& canvas, const TBitmap& glyph, int numGlyphs, TButtonState state, POINT at);

// The caption in the canvas's font; embossed when disabled.
void DrawButtonCaption(TCanvas& canvas, const RECT& rect, std::wstring_view caption, TButtonState state,
                       bool wordWrap);

// Glyph and caption together, moved by offset (a pressed face moves by one
// pixel); returns the caption's rectangle.
RECT DrawButtonFace(TCanvas& canvas, const RECT& client, POINT offset, std::wstring_view caption,
                    const TBitmap& glyph, int numGlyphs, TButtonLayout layout, int margin, int spacing,
                    TButtonState state, bool wordWrap);

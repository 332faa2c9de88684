#pragma once
// Pictures the gallery shows: glyphs and an image list of four discs.
#include "framework/ImageList.h"
#include "graphics/Bitmap.h"

// A 16 x 16 glyph: a disc of colour on the transparent colour (clFuchsia).
TBitmap DiscGlyph(TColor colour);
// Fills images with four discs: red, green, blue, olive.
void AddDiscImages(TCustomImageList& images);

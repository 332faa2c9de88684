#include "GalleryImages.h"

TBitmap DiscGlyph(TColor colour) {
  TBitmap b(16, 16);
  b.Fill(clFuchsia);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((x - 8) * (x - 8) + (y - 8) * (y - 8) < 40) b.SetPixel(x, y, (x + y) < 11 ? clWhite : colour);
  return b;
}

void AddDiscImages(TCustomImageList& images) {
  TBitmap strip(64, 16);
  const TColor colours[] = {clRed, clGreen, clBlue, clOlive};
  for (int i = 0; i < 4; ++i) strip.Canvas().Draw(i * 16, 0, DiscGlyph(colours[i]));
  images.AddMasked(strip, clFuchsia);
}

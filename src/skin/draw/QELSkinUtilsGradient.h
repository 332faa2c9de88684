#pragma once
// Two-colour gradients, one solid colour per row (vertical) or per column
// (horizontal).
//
// With n rows the first row has the start colour and the last row the end
// colour; a row y between them has, per channel,
//   start + round((end - start) / n * (y - top - 1))
// (real division, rounding to nearest with ties to even, low 8 bits kept).
// A single row has the start colour.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "graphics/Canvas.h"
#include "graphics/Color.h"

void DrawVerticalGradient(TCanvas& Canvas, const RECT& Rect, TColor Top, TColor Bottom);
void DrawHorizontalGradient(TCanvas& Canvas, const RECT& Rect, TColor Left, TColor Right);

// The colours of the rows (or columns) of an n-step gradient, as above.
std::vector<TColor> GradientColors(TColor Start, TColor End, int Steps);

#pragma once
// Small painters of the skin engine: solid rectangles, arrows, window
// borders, the menu separator, and text fitting.
//
// The painters draw with their own temporary brush and leave the canvas's
// font, pen and brush as they were.
#include <windows.h>

#include <string>
#include <string_view>

#include "graphics/Canvas.h"
#include "graphics/Color.h"

// Fill or frame (one pixel) Rect in a solid colour.
void FillRectColor(TCanvas& Canvas, const RECT& Rect, TColor Color);
void FrameRectColor(TCanvas& Canvas, const RECT& Rect, TColor Color);

// Filled triangles with a three-pixel height (width for left and right);
// black when enabled; disabled: the triangle in white one pixel right and
// down first, then in grey 0x808080.
//   Down:  (X,Y) (X+6,Y) (X+3,Y+3)     Up:    (X,Y) (X-3,Y+3) (X+3,Y+3)
//   Left:  (X,Y) (X+3,Y+3) (X+3,Y-3)   Right: (X,Y) (X,Y+6) (X+3,Y+3)
// Every pixel on the edges belongs to the triangle.
void DrawArrowDown(TCanvas& Canvas, int X, int Y, bool Enabled);
void DrawArrowUp(TCanvas& Canvas, int X, int Y, bool Enabled);
void DrawArrowLeft(TCanvas& Canvas, int X, int Y, bool Enabled);
void DrawArrowRight(TCanvas& Canvas, int X, int Y, bool Enabled);

// On the whole-window DC: a one-pixel frame in OuterColor round the
// window, and inside it one in InnerColor when DrawInner.
void DrawWindowBorder(HWND Window, TColor OuterColor, TColor InnerColor, bool DrawInner);

// A one-pixel line at Rect.top + 2: from Rect.left + GutterWidth + 4 to
// Rect.right - 2 (left to right), or from Rect.left + 2 to
// Rect.right - GutterWidth - 4 (right to left); the end pixel excluded.
void DrawMenuSeparator(TCanvas& Canvas, const RECT& Rect, TColor Color, bool LeftToRight, int GutterWidth);

// Text when it is at most MaxWidth wide in the canvas's font. Otherwise the
// longest prefix followed by "..." that fits in MaxWidth; when not even one
// character and "..." fit, the first character and "...". Prefixes end on
// whole characters (the narrow variant never splits a double-byte
// character of the ANSI code page).
std::wstring TruncateText(TCanvas& Canvas, std::wstring_view Text, int MaxWidth);
std::string TruncateText(TCanvas& Canvas, std::string_view Text, int MaxWidth);

// Every "&" removed.
std::wstring RemoveAmpersands(std::wstring_view Text);
std::string RemoveAmpersands(std::string_view Text);

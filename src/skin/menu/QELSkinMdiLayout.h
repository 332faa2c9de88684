#pragma once
// Where the skinned MDI client puts its children when they are cascaded or
// tiled: plain arithmetic on the client's size, so it can be checked
// without windows.
#include <windows.h>

#include <vector>

// Cascading: count children, listed front to back, each 80 % of the
// client's width and 60 % of its height; the last one goes to the top-left
// corner and every one before it 22 pixels further down and right, so the
// front child ends up on top of the pile.
std::vector<RECT> MdiCascadeRects(int clientWidth, int clientHeight, int count);

// Tiling: count children, listed front to back, share the room the form's
// client leaves under and above its aligned bars (width, height; less 25
// when minimized children keep a row of icons at the bottom). Stacked
// (horizontal) each gets width - 4 and its share of the height less 2 (less
// 4 when it is alone); side by side each gets height - 4 and its share of
// the width less 2.
std::vector<RECT> MdiTileRects(int width, int height, int count, bool stacked, bool iconsRow);

#pragma once
// Painting a skinned scroll bar from the scroll-bar pieces of a skin.
#include <windows.h>

#include "QELSkinRes.h"
#include "graphics/Canvas.h"

// BarRect is filled with the skin's scroll-bar colour; the first up (left)
// button is stretched into the square at its start and the first down
// (right) button into the square at its end, the side of the squares
// being the bar's thickness. With a thumb, ThumbRect receives it: the
// caps at their own length, the grip stretched when the thumb has room
// for it, else centred between the stretched fills. The one skin that
// uses the whole thumb picture draws it in three parts when the thumb is
// longer than 15 pixels.
void DrawSkinScrollBar(TCanvas& Canvas, TqelSkinScrollBtnRes& Res, const RECT& BarRect, const RECT& ThumbRect,
                       bool HasThumb, bool Vertical);

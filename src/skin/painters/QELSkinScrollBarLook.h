#pragma once
// The look of a skinned scroll-bar control, read from the platform's
// description of the bar, and its paint through DrawSkinScrollBar.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"

struct TScrollBarLook {
  bool Vertical = true;
  RECT Bar{};    // client coordinates: the whole control
  RECT Thumb{};
  bool HasThumb = false;  // enabled, with room for a thumb
};

// From GetScrollBarInfo(OBJID_CLIENT) of a scroll-bar control of Client
// size. An unavailable bar, or one whose thumb has no length, shows none.
TScrollBarLook ScrollBarLookOf(const SCROLLBARINFO& Info, bool Vertical, SIZE Client) noexcept;

void PaintScrollBar(TCanvas& Canvas, const TScrollBarLook& Look, const TPainterSkin& Skin);

#pragma once
// The frame's view of a loaded skin: the pictures, colours, flags and
// measures a skinned window frame is painted and laid out with. Gathered
// once per skin change; the pictures stay owned by the skin reader.
#include "QELSkinReader.h"
#include "frame/FrameGeometry.h"
#include "graphics/Bitmap.h"
#include "graphics/Color.h"

struct TFrameSkin {
  const TBitmap* Title[5]{};  // the five title pieces, SKIN2_TITLEBAR1 first
  const TBitmap* LeftBorder = nullptr;
  const TBitmap* RightBorder = nullptr;
  const TBitmap* Bottom[3]{};  // SKIN2_FORMBOTTOMBORDER1..3
  const TBitmap* MinimizedTitle = nullptr;
  const TBitmap* TitleButtons = nullptr;
  const TBitmap* MenuBar = nullptr;

  TColor FormColor = clBtnFace;
  TColor TransparentColor = clFuchsia;
  TColor TitleFontColor = clWhite;
  TColor InactiveTitleFontColor = clInactiveCaptionText;
  TColor MenuBarStartColor = clBtnFace;
  TColor MenuBarEndColor = clBtnFace;

  bool BottomThreeSections = false;
  bool TitleButtonsTransparent = false;
  bool TitleNeedsRegion = false;
  bool BottomNeedsRegion = false;
  int TitleRegionMinY = -1, TitleRegionMaxY = -1;
  int BottomRegionMinY = -1, BottomRegionMaxY = -1;

  TFrameMetrics Metrics;

  // The picture of a title piece key (null when the skin lacks it).
  const TBitmap* Piece(TSkin2BitmapKey key) const noexcept;

  // Everything from a loaded reader; an unloaded reader gives no pictures
  // and zero measures.
  static TFrameSkin FromReader(const TqelSkinReader& reader);
};

#pragma once
// TPainterSkin: what the control painters draw with — the skin reader and
// the three resources cut from it. The engine hands out its own; a test
// builds one over a reader and resources of its own. The paint functions
// of the painters take it and never ask the engine anything else.
#include "QELSkinReader.h"
#include "QELSkinRes.h"
#include "graphics/Bitmap.h"
#include "graphics/Color.h"

class TqelSkinEngine;

struct TPainterSkin {
  TqelSkinReader& Reader;
  TqelSkinScrollBtnRes& ScrollButtons;
  TqelSkinTabRes& Tabs;
  TqelSkinProgressBarRes& Progress;

  // The engine's reader and resources.
  static TPainterSkin Of(TqelSkinEngine& Engine);

  // A skin colour, or Fallback when the skin lacks it.
  TColor Color(TSkin2ColorKey Key, TColor Fallback = clBtnFace) const {
    const TColor c = Reader.GetColor(Key);
    return c == -1 ? Fallback : c;
  }
  TColor FormColor() const { return Color(SKIN2_FORMCOLOR, clBtnFace); }
  const TBitmap* Bitmap(TSkin2BitmapKey Key) const { return Reader.GetBitmap(Key); }
  bool Flag(TSkin2FlagKey Key) const { return Reader.GetFlag(Key); }
  // Frame Index (1-based) of Count frames of Key's picture, with the skin's
  // transparent colour, transparent when Transparent; empty when the skin
  // lacks the picture.
  TBitmap Frame(TSkin2BitmapKey Key, int Count, int Index, bool Transparent) const;
};

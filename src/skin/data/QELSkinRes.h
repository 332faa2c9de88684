#pragma once
// Skin resources: pieces cut, turned and recoloured from the skin's
// bitmaps once per skin load, so that painters only copy and stretch.
//
// A resource reads from a TqelSkinReader it does not own. SetReader stores
// the reader and rebuilds every piece (Update). Pieces are owned by the
// resource; accessors take 1-based indices and give null for an index out
// of range or a piece the skin does not provide.
#include <array>

#include "QELSkinReader.h"
#include "graphics/Bitmap.h"

class TqelSkinRes : public TObject {
  FW_CLASS(TqelSkinRes, TObject)
 public:
  TqelSkinRes() = default;

  // Attributes
  TqelSkinReader* Reader() const noexcept { return reader_; }

  // Operations
  // Stores Reader (may be null), then Update.
  void SetReader(TqelSkinReader* Reader);

  // Overridables
  // Rebuilds every piece from Reader. Nothing in the base.
  virtual void Update() {}

 private:
  TqelSkinReader* reader_ = nullptr;
};

// The pieces of a skinned scroll bar.
//   VertButtons 1-3: the three frames of "SKIN2_SCROLLBARUPBUTTON",
//               4-6: those of "SKIN2_SCROLLBARDOWNBUTTON";
//   HorzButtons: the same turned for a horizontal bar;
//   VertThumb 1-5 from "SKIN2_SCROLLBAR": top cap, upper fill, grip, lower
//               fill, bottom cap; HorzThumb: the same turned;
//   WholeBar/WholeBarHorz: the whole thumb picture, for the one skin whose
//               thumb is drawn in three parts (UseWholeBar).
// The skin's transparent colour is replaced by the scroll-bar colour in
// every button and thumb piece.
class TqelSkinScrollBtnRes : public TqelSkinRes {
  FW_CLASS(TqelSkinScrollBtnRes, TqelSkinRes)
 public:
  // Attributes
  TBitmap* GetHorzButton(int Index) { return Piece(horzButtons_, Index); }
  TBitmap* GetVertButton(int Index) { return Piece(vertButtons_, Index); }
  TBitmap* GetHorzThumb(int Index) { return Piece(horzThumb_, Index); }
  TBitmap* GetVertThumb(int Index) { return Piece(vertThumb_, Index); }
  TBitmap* WholeBar() { return wholeBar_.Empty() ? nullptr : &wholeBar_; }
  TBitmap* WholeBarHorz() { return wholeBarHorz_.Empty() ? nullptr : &wholeBarHorz_; }
  // The bar's thickness: the width of VertThumb 1 (0 without a skin).
  int ScrollBarWidth() const noexcept { return scrollBarWidth_; }
  bool UseWholeBar() const noexcept { return useWholeBar_; }

  // Overridables
  void Update() override;

 private:
  template <std::size_t N>
  static TBitmap* Piece(std::array<TBitmap, N>& pieces, int index) {
    if (index < 1 || index > static_cast<int>(N)) return nullptr;
    TBitmap& piece = pieces[static_cast<std::size_t>(index - 1)];
    return piece.Empty() ? nullptr : &piece;
  }
  void Free();
  void CutThumb(const Tsk2Bitmap& bar);

  std::array<TBitmap, 6> horzButtons_;
  std::array<TBitmap, 6> vertButtons_;
  std::array<TBitmap, 5> horzThumb_;
  std::array<TBitmap, 5> vertThumb_;
  TBitmap wholeBar_;
  TBitmap wholeBarHorz_;
  int scrollBarWidth_ = 0;
  bool useWholeBar_ = false;
};

// The pieces of a skinned tab control, each in four orientations: as in
// the skin, and turned so that its top edge lies left (90 degrees
// counter-clockwise), at the bottom (180) and right (90 clockwise).
class TqelSkinTabRes : public TqelSkinRes {
  FW_CLASS(TqelSkinTabRes, TqelSkinRes)
 public:
  enum TSide { sdTop, sdLeft, sdBottom, sdRight };

  // Attributes
  // "SKIN2_TABCONTROLLINE".
  TBitmap* TabLine(TSide Side = sdTop) { return Piece(line_, Side); }
  // Frame 2 of 2 of "SKIN2_TABCONTROL".
  TBitmap* TabB(TSide Side = sdTop) { return Piece(tabB_, Side); }
  // Frame 1 of 2 of "SKIN2_TABCONTROL".
  TBitmap* TabA(TSide Side = sdTop) { return Piece(tabA_, Side); }

  // Overridables
  void Update() override;

 private:
  static TBitmap* Piece(std::array<TBitmap, 4>& set, TSide side) {
    TBitmap& piece = set[static_cast<std::size_t>(side) & 3];
    return piece.Empty() ? nullptr : &piece;
  }

  std::array<TBitmap, 4> line_;
  std::array<TBitmap, 4> tabB_;
  std::array<TBitmap, 4> tabA_;
};

// The pieces of a skinned progress bar: Horz 1-4 are "SKIN2_PROGRESSBAR1"
// to "SKIN2_PROGRESSBAR4" (left cap, two fills, right cap); Vert the same
// turned 90 degrees counter-clockwise.
class TqelSkinProgressBarRes : public TqelSkinRes {
  FW_CLASS(TqelSkinProgressBarRes, TqelSkinRes)
 public:
  // Attributes
  TBitmap* GetHorz(int Index) { return Piece(horz_, Index); }
  TBitmap* GetVert(int Index) { return Piece(vert_, Index); }
  int LeftCapWidth() const noexcept { return leftCapWidth_; }
  int RightCapWidth() const noexcept { return rightCapWidth_; }

  // Overridables
  void Update() override;

 private:
  static TBitmap* Piece(std::array<TBitmap, 4>& set, int index) {
    if (index < 1 || index > 4) return nullptr;
    TBitmap& piece = set[static_cast<std::size_t>(index - 1)];
    return piece.Empty() ? nullptr : &piece;
  }

  std::array<TBitmap, 4> horz_;
  std::array<TBitmap, 4> vert_;
  int leftCapWidth_ = 0;
  int rightCapWidth_ = 0;
};

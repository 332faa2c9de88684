#include "QELSkinRes.h"

#include <algorithm>

#include "QELSkinUtilsBitmap.h"

namespace {

// The pieces are cut straight from the decoded pictures: one framework
// bitmap per piece, none for the whole picture.

// Frame Index (1-based) of Count equal-width frames of source, as
// SliceBitmap cuts it; an empty bitmap without a source.
TBitmap Frame(const Tsk2Bitmap* source, int count, int index) {
  if (!source || source->Empty()) return TBitmap();
  const int width = source->Width() / count;
  return SkinBitmapPart(*source, width * (index - 1), 0, width, source->Height());
}

// Rows [top, bottom) of source, full width.
TBitmap Rows(const Tsk2Bitmap& source, int top, int bottom) {
  top = std::clamp(top, 0, source.Height());
  bottom = std::clamp(bottom, top, source.Height());
  return SkinBitmapPart(source, 0, top, source.Width(), bottom - top);
}

// The whole picture of key with the skin's transparent colour (as the
// reader's own bitmap of it), or an empty bitmap.
TBitmap CopyOf(const TqelSkinReader& reader, TSkin2BitmapKey key) {
  const Tsk2Bitmap* source = reader.GetSource(key);
  return source ? SkinBitmapToTBitmap(*source) : TBitmap();
}

// Row 1 of the grip is one colour from x = 4 to width - 4 (inclusive); a
// grip of width 7 or less, or without a second row, counts as uniform.
bool UniformAcross(const TBitmap& grip) {
  const int w = grip.Width();
  if (w <= 7 || grip.Height() < 2) return true;
  const std::uint32_t* row = grip.Bits() + w;
  const std::uint32_t first = row[4] & 0xFFFFFF;
  for (int x = 4; x <= w - 4; ++x)
    if ((row[x] & 0xFFFFFF) != first) return false;
  return true;
}

}  // namespace

// TqelSkinRes

void TqelSkinRes::SetReader(TqelSkinReader* Reader) {
  reader_ = Reader;
  Update();
}

// TqelSkinScrollBtnRes

void TqelSkinScrollBtnRes::Free() {
  for (auto* set : {&horzButtons_, &vertButtons_})
    for (TBitmap& b : *set) b = TBitmap();
  for (auto* set : {&horzThumb_, &vertThumb_})
    for (TBitmap& b : *set) b = TBitmap();
  wholeBar_ = TBitmap();
  wholeBarHorz_ = TBitmap();
  scrollBarWidth_ = 0;
  useWholeBar_ = false;
}

void TqelSkinScrollBtnRes::Update() {
  Free();
  const TqelSkinReader* reader = Reader();
  if (!reader || !reader->Loaded()) return;
  const TColor transparent = reader->GetColor(SKIN2_TRANSCOLOR);
  const TColor barColor = reader->GetColor(SKIN2_SCROLLBARCOLOR);

  for (int i = 0; i < 3; ++i) {
    vertButtons_[i] = Frame(reader->GetSource(SKIN2_SCROLLBARUPBUTTON), 3, i + 1);
    vertButtons_[i + 3] = Frame(reader->GetSource(SKIN2_SCROLLBARDOWNBUTTON), 3, i + 1);
  }
  for (int i = 0; i < 6; ++i) horzButtons_[i] = TurnedBitmap(vertButtons_[i], 90);

  if (const Tsk2Bitmap* bar = reader->GetSource(SKIN2_SCROLLBAR); bar && !bar->Empty()) {
    useWholeBar_ = barColor == 0xCBCBCB && bar->Height() == 33 && bar->Width() > 1 &&
                   static_cast<TColor>(bar->Pixel(1, 10)) == 0xB23901;
    if (useWholeBar_) {
      wholeBar_ = SkinBitmapToTBitmap(*bar);
      wholeBarHorz_ = TurnedBitmap(wholeBar_, 90);
    }
    CutThumb(*bar);
    if (UniformAcross(vertThumb_[2])) {
      for (int i = 0; i < 5; ++i) horzThumb_[i] = TurnedBitmap(vertThumb_[i], 90);
    } else {
      // Turned the other way round the caps change sides, and so do the
      // arrow buttons.
      for (int i = 0; i < 5; ++i) horzThumb_[4 - i] = TurnedBitmap(vertThumb_[i], 270);
      for (int i = 0; i < 3; ++i) {
        std::swap(horzButtons_[i], horzButtons_[i + 3]);
        RotateBitmap180(horzButtons_[i]);
        RotateBitmap180(horzButtons_[i + 3]);
      }
    }
  }

  // The buttons are recoloured also when the skin has no thumb picture.
  for (auto* set : {&horzButtons_, &vertButtons_})
    for (TBitmap& b : *set) ReplaceBitmapColor(b, transparent, barColor);
  for (auto* set : {&horzThumb_, &vertThumb_})
    for (TBitmap& b : *set) ReplaceBitmapColor(b, transparent, barColor);
  scrollBarWidth_ = vertThumb_[0].Width();
}

// Top cap rows 0-2, bottom cap the last 3 rows; with F = (height - 6) div 3
// the upper fill is rows 4 .. 4+F-1, the grip rows 4+F .. height-F-3 and
// the lower fill rows height-F-3 .. height-4. Row 3 belongs to no piece.
// Without room for F the fills and the grip are 1-pixel-high blanks.
void TqelSkinScrollBtnRes::CutThumb(const Tsk2Bitmap& bar) {
  const int h = bar.Height(), w = bar.Width();
  vertThumb_[0] = Rows(bar, 0, 3);
  vertThumb_[4] = Rows(bar, h - 3, h);
  const int f = (h - 6) / 3;
  if (f > 0) {
    vertThumb_[1] = Rows(bar, 4, 4 + f);
    vertThumb_[2] = Rows(bar, 4 + f, h - f - 2);
    vertThumb_[3] = Rows(bar, h - f - 3, h - 3);
  } else {
    for (int i = 1; i <= 3; ++i) vertThumb_[i].SetSize(w, 1);
  }
}

// TqelSkinTabRes

void TqelSkinTabRes::Update() {
  for (auto* set : {&line_, &tabB_, &tabA_})
    for (TBitmap& b : *set) b = TBitmap();
  const TqelSkinReader* reader = Reader();
  if (!reader) return;
  auto fill = [](std::array<TBitmap, 4>& set, TBitmap top) {
    set[sdLeft] = TurnedBitmap(top, 90);
    set[sdBottom] = TurnedBitmap(top, 180);
    set[sdRight] = TurnedBitmap(top, 270);
    set[sdTop] = std::move(top);
  };
  fill(line_, CopyOf(*reader, SKIN2_TABCONTROLLINE));
  fill(tabB_, Frame(reader->GetSource(SKIN2_TABCONTROL), 2, 2));
  fill(tabA_, Frame(reader->GetSource(SKIN2_TABCONTROL), 2, 1));
}

// TqelSkinProgressBarRes

void TqelSkinProgressBarRes::Update() {
  for (auto* set : {&horz_, &vert_})
    for (TBitmap& b : *set) b = TBitmap();
  leftCapWidth_ = rightCapWidth_ = 0;
  const TqelSkinReader* reader = Reader();
  if (!reader || !reader->Loaded()) return;
  constexpr TSkin2BitmapKey keys[4] = {SKIN2_PROGRESSBAR1, SKIN2_PROGRESSBAR2, SKIN2_PROGRESSBAR3,
                                       SKIN2_PROGRESSBAR4};
  for (int i = 0; i < 4; ++i) {
    horz_[i] = CopyOf(*reader, keys[i]);
    vert_[i] = TurnedBitmap(horz_[i], 90);
  }
  leftCapWidth_ = horz_[0].Width();
  rightCapWidth_ = horz_[3].Width();
}

#include "painters/QELSkinProgressBar.h"

#include <algorithm>
#include <cstdint>

#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsPaint.h"

namespace {

void Stretch(TCanvas& canvas, const TBitmap* piece, const RECT& dest) {
  if (!piece || dest.right <= dest.left || dest.bottom <= dest.top) return;
  DrawBitmapPart(canvas, dest, *piece, RECT{0, 0, piece->Width(), piece->Height()}, false, clNone);
}

}  // namespace

int ProgressFillLength(const TProgressBarLook& Look, int Length) noexcept {
  if (Look.Max <= Look.Min || Length <= 0) return 0;
  const std::int64_t range = static_cast<std::int64_t>(Look.Max) - Look.Min;
  const std::int64_t done = std::clamp<std::int64_t>(static_cast<std::int64_t>(Look.Position) - Look.Min, 0, range);
  return static_cast<int>(done * Length / range);
}

void PaintProgressBar(TCanvas& Canvas, SIZE Client, const TProgressBarLook& Look, const TPainterSkin& Skin) {
  FillRectColor(Canvas, RECT{0, 0, Client.cx, Client.cy}, Skin.FormColor());
  TqelSkinProgressBarRes& res = Skin.Progress;
  auto piece = [&](int i) { return Look.Vertical ? res.GetVert(i) : res.GetHorz(i); };
  // The caps' thickness along the bar; a vertical bar's left cap is turned
  // to its bottom.
  const int startCap = res.LeftCapWidth(), endCap = res.RightCapWidth();
  const int length = Look.Vertical ? Client.cy : Client.cx;
  if (length < startCap + endCap) return;
  const int inner = length - startCap - endCap;
  const int fill = ProgressFillLength(Look, inner);
  if (Look.Vertical) {
    Stretch(Canvas, piece(1), RECT{0, Client.cy - startCap, Client.cx, Client.cy});
    Stretch(Canvas, piece(4), RECT{0, 0, Client.cx, endCap});
    Stretch(Canvas, piece(2), RECT{0, endCap, Client.cx, Client.cy - startCap});
    Stretch(Canvas, piece(3), RECT{0, Client.cy - startCap - fill, Client.cx, Client.cy - startCap});
  } else {
    Stretch(Canvas, piece(1), RECT{0, 0, startCap, Client.cy});
    Stretch(Canvas, piece(4), RECT{Client.cx - endCap, 0, Client.cx, Client.cy});
    Stretch(Canvas, piece(2), RECT{startCap, 0, Client.cx - endCap, Client.cy});
    Stretch(Canvas, piece(3), RECT{startCap, 0, startCap + fill, Client.cy});
  }
}

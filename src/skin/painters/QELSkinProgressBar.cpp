#include "painters/QELSkinProgressBar.h"

#include <algorithm>
#include <cstdint>

#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsPaint.h"
#include <commctrl.h>

#include "engine/QELSkinEngine.h"
#include "painters/PainterSurface.h"

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

TProgressBarLook ProgressBarLookOf(HWND Window) {
  TProgressBarLook look;
  PBRANGE range{};
  ::SendMessageW(Window, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  look.Min = range.iLow;
  look.Max = range.iHigh;
  look.Position = static_cast<int>(::SendMessageW(Window, PBM_GETPOS, 0, 0));
  look.Vertical = (::GetWindowLongPtrW(Window, GWL_STYLE) & PBS_VERTICAL) != 0;
  return look;
}

bool TqelSkinProgressBar::BeforeMessage(TMessage& message) {
  HWND h = GetHandle();
  if (!h) return true;
  return !TakeOverPaint(message, h, face_, [&](TCanvas& canvas, SIZE size) {
    PaintProgressBar(canvas, size, ProgressBarLookOf(h), TPainterSkin::Of(Engine()));
  });
}

void TqelSkinProgressBar::AfterMessage(TMessage& message) {
  TqelSkinControlVCL::AfterMessage(message);
  switch (message.Msg) {
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32: Repaint(); break;
    default: break;
  }
}

void TqelSkinProgressBar::Paint() {
  HWND h = GetHandle();
  PaintOnWindow(h, face_, [&](TCanvas& canvas, SIZE size) {
    PaintProgressBar(canvas, size, ProgressBarLookOf(h), TPainterSkin::Of(Engine()));
  });
}

#include "painters/QELSkinUpDown.h"

#include "QELSkinUtilsPaint.h"
#include <windowsx.h>
#include <commctrl.h>

#include "engine/QELSkinEngine.h"
#include "painters/PainterSurface.h"

RECT UpDownHalfRect(SIZE Client, bool Horizontal, TUpDownHalf Half) noexcept {
  if (Half == udhNone) return RECT{};
  if (Horizontal) {
    const int mid = Client.cx / 2;
    return Half == udhFirst ? RECT{0, 0, mid, Client.cy} : RECT{mid, 0, Client.cx, Client.cy};
  }
  const int mid = Client.cy / 2;
  return Half == udhFirst ? RECT{0, 0, Client.cx, mid} : RECT{0, mid, Client.cx, Client.cy};
}

TUpDownHalf UpDownHalfAt(SIZE Client, bool Horizontal, POINT At) noexcept {
  if (At.x < 0 || At.y < 0 || At.x >= Client.cx || At.y >= Client.cy) return udhNone;
  const bool first = Horizontal ? At.x < Client.cx / 2 : At.y < Client.cy / 2;
  return first ? udhFirst : udhSecond;
}

void PaintUpDown(TCanvas& Canvas, SIZE Client, const TUpDownLook& Look, const TPainterSkin& Skin) {
  FillRectColor(Canvas, RECT{0, 0, Client.cx, Client.cy}, Skin.FormColor());
  const TColor border = Skin.Color(SKIN2_TOOLBARBORDERCOLOR, clBtnShadow);
  const TColor down = Skin.Color(SKIN2_TOOLBARDOWNCOLOR, clBtnShadow);
  for (TUpDownHalf half : {udhFirst, udhSecond}) {
    const RECT r = UpDownHalfRect(Client, Look.Horizontal, half);
    if (r.right - r.left < 2 || r.bottom - r.top < 2) continue;
    if (Look.Pressed == half) FillRectColor(Canvas, r, down);
    FrameRectColor(Canvas, r, border);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    if (Look.Horizontal) {
      if (half == udhFirst) DrawArrowLeft(Canvas, cx - 2, cy, Look.Enabled);
      else DrawArrowRight(Canvas, cx - 1, cy - 3, Look.Enabled);
    } else {
      if (half == udhFirst) DrawArrowUp(Canvas, cx, cy - 2, Look.Enabled);
      else DrawArrowDown(Canvas, cx - 3, cy - 1, Look.Enabled);
    }
  }
}

TUpDownLook TqelSkinUpDown::Look() const {
  TUpDownLook look;
  HWND h = GetHandle();
  look.Horizontal = h && (::GetWindowLongPtrW(h, GWL_STYLE) & UDS_HORZ) != 0;
  look.Pressed = pressed_;
  look.Enabled = IsEnabled();
  return look;
}

void TqelSkinUpDown::PaintFace(TCanvas& canvas, SIZE size) {
  PaintUpDown(canvas, size, Look(), TPainterSkin::Of(Engine()));
}

bool TqelSkinUpDown::BeforeMessage(TMessage& message) {
  HWND h = GetHandle();
  if (!h) return true;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: RecordPress(message); return true;
    default: return !TakeOverPaint(message, h, face_, [this](TCanvas& canvas, SIZE size) { PaintFace(canvas, size); });
  }
}

void TqelSkinUpDown::RecordPress(const TMessage& message) {
  const POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  pressed_ = UpDownHalfAt(ClientSizeOf(GetHandle()), Look().Horizontal, at);
}

void TqelSkinUpDown::AfterMessage(TMessage& message) {
  TqelSkinControlVCL::AfterMessage(message);
  switch (message.Msg) {
    // The press ends with the button's release (the control holds the
    // capture while pressed, so the release comes here) or when the mouse
    // leaves; the capture itself changes hands within a press.
    case WM_LBUTTONUP:
    case WM_CANCELMODE: ReleasePress(); break;
    case WM_LBUTTONDBLCLK:
    case WM_TIMER: Repaint(); break;
    default: break;
  }
}

void TqelSkinUpDown::ReleasePress() {
  pressed_ = udhNone;
  Repaint();
}

void TqelSkinUpDown::MouseLeft() { ReleasePress(); }

void TqelSkinUpDown::Paint() {
  PaintOnWindow(GetHandle(), face_, [this](TCanvas& canvas, SIZE size) { PaintFace(canvas, size); });
}

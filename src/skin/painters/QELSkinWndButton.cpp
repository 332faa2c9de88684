#include "painters/QELSkinWndButton.h"

#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindow.h"
#include "graphics/Font.h"
#include "graphics/GdiObjects.h"

namespace {

constexpr WPARAM kEnter = 13;

// The messages after which the platform's button has drawn itself.
bool ButtonDrewItself(UINT msg) noexcept {
  switch (msg) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case BM_CLICK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONDBLCLK:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
    case WM_SETFONT:
      return true;
    default:
      return false;
  }
}

}  // namespace

TqelSkinWndButton::~TqelSkinWndButton() = default;

void TqelSkinWndButton::Setup() {
  TqelSkinControlWnd::Setup();
  if (Window().HoldsAnimatedChild()) return;
  timer_ = MakeComponent<TTimer>();
  timer_->SetInterval(kLeaveInterval);
  timer_->OnTimer = [this](TObject& sender) { TimerTick(sender); };
  timer_->SetEnabled(true);
}

void TqelSkinWndButton::Teardown() {
  timer_.reset();
  TqelSkinControlWnd::Teardown();
}

void TqelSkinWndButton::TimerTick(TObject&) {
  HWND h = GetHandle();
  if (!h) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  RECT r{};
  ::GetWindowRect(h, &r);
  if (!::PtInRect(&r, cursor) && (Hot() || Pressed())) {
    SetHot(false);
    SetPressed(false);
  }
  // Paints at least once after creation, and whenever the cursor left.
  Repaint();
}

TqelButtonLook TqelSkinWndButton::Look() const {
  TqelButtonLook look;
  HWND h = GetHandle();
  if (!h) return look;
  const LRESULT state = ::SendMessageW(h, BM_GETSTATE, 0, 0);
  look.Pressed = Pressed() || (state & BST_PUSHED);
  look.Hot = Hot();
  look.Focused = ::GetFocus() == h;
  look.Enabled = IsEnabled();
  look.Background = Engine().GetSkinColor(SKIN2_FORMCOLOR);
  return look;
}

bool TqelSkinWndButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN: return m.WParam != kEnter;
    case WM_PAINT: return BeforePaint(m);
    case WM_ERASEBKGND: return BeforeEraseBkgnd(m);
    default: return true;
  }
}

bool TqelSkinWndButton::BeforePaint(TMessage& m) {
  if (HWND h = GetHandle()) {
    PaintDC dc(h);
    Paint();
  }
  m.Result = 0;
  return false;
}

bool TqelSkinWndButton::BeforeEraseBkgnd(TMessage& m) {
  m.Result = 1;
  return false;
}

void TqelSkinWndButton::AfterMessage(TMessage& m) {
  TqelSkinControlWnd::AfterMessage(m);
  switch (m.Msg) {
    case WM_MOUSEMOVE: AfterMouseMove(m); break;
    default:
      if (ButtonDrewItself(m.Msg)) Repaint();
      break;
  }
}

void TqelSkinWndButton::AfterMouseMove(TMessage&) {
  const bool wasHot = Hot();
  SetHot(true);
  // The platform's button redraws itself while the held cursor moves.
  if (!wasHot || ::GetCapture() == GetHandle()) Repaint();
}

void TqelSkinWndButton::Paint() {
  HWND h = GetHandle();
  if (!h) return;
  const RECT client = GetBoundsRect();
  if (client.right <= 0 || client.bottom <= 0) return;
  TBitmap face(client.right, client.bottom);
  const TqelButtonSkin skin = TqelButtonSkin::Read(Engine());
  PaintButtonFace(face.Canvas(), client, Look(), skin);
  TFont font;
  if (auto hfont = reinterpret_cast<HFONT>(::SendMessageW(h, WM_GETFONT, 0, 0))) {
    LOGFONTW lf{};
    if (::GetObjectW(hfont, sizeof(lf), &lf)) font.AssignLogFont(lf);
  }
  if (skin.FontColor != -1) font.SetColor(skin.FontColor);
  const bool wrap = (::GetWindowLongPtrW(h, GWL_STYLE) & BS_MULTILINE) != 0;
  DrawTextWide(face, wrap, client, &font);
}

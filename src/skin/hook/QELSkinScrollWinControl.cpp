#include "hook/QELSkinScrollWinControl.h"

#include "QELSkinUtilsPlatform.h"
#include "QELSkinUtilsScrollBar.h"
#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Form.h"
#include "framework/grids/Frame.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/MaskEdit.h"
#include "graphics/Canvas.h"
#include "graphics/GdiObjects.h"
#include "hook/QELSkinScrollTracking.h"

namespace {

// A native bar thicker than this is no bar but a misreading.
constexpr int kMaxBarThickness = 100;

bool InsideTabPage(const TControl& control) {
  TWinControl* p = control.Parent();
  while (p && p->Is<TPanel>()) p = p->Parent();
  return p && p->ClassName() == "TTabPage";
}

bool BarShapeValid(const RECT& r, bool vertical) noexcept {
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w < 0 || h < 0) return false;
  return vertical ? w <= kMaxBarThickness : h <= kMaxBarThickness;
}

}  // namespace

// ---- The panel ---------------------------------------------------------------------------

TqelSkinInternalScrollBar::TqelSkinInternalScrollBar(TComponent* owner, TqelSkinScrollWinControl& wrapper,
                                                     bool horizontal)
    : TCustomPanel(owner), wrapper_(&wrapper), horizontal_(horizontal) {
  SetBevelOuter(bvNone);
  SetCaption(L"");
  SetVisible(false);
}

void TqelSkinInternalScrollBar::BeforeDestruction() {
  if (wrapper_) std::exchange(wrapper_, nullptr)->BarDestroyed(this);
  TCustomPanel::BeforeDestruction();
}

TWinControl* TqelSkinInternalScrollBar::HookedControl() const {
  return wrapper_ ? dynamic_cast<TWinControl*>(wrapper_->Control()) : nullptr;
}

void TqelSkinInternalScrollBar::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation == opRemove && wrapper_ && component && component == wrapper_->Control()) wrapper_->ControlGoing();
}

void TqelSkinInternalScrollBar::Paint() {
  if (face_.Empty()) {
    Hide();
    return;
  }
  Canvas().Draw(0, 0, face_);
}

void TqelSkinInternalScrollBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: WMEraseBkgnd(m); break;
    case WM_LBUTTONDOWN: PassToControl(m, WM_NCLBUTTONDOWN); break;
    case WM_LBUTTONUP: PassToControl(m, WM_NCLBUTTONUP); break;
    case WM_LBUTTONDBLCLK: PassToControl(m, WM_NCLBUTTONDBLCLK); break;
    default: TCustomPanel::WndProc(m); break;
  }
}

void TqelSkinInternalScrollBar::WMEraseBkgnd(TMessage& m) { m.Result = 1; }

void TqelSkinInternalScrollBar::PassToControl(TMessage& m, UINT nonClientMsg) {
  TWinControl* control = HookedControl();
  if (!control || !control->HandleAllocated() || !HandleAllocated()) return;
  ::ReleaseCapture();
  POINT at{m.XPos(), m.YPos()};
  ::ClientToScreen(Handle(), &at);
  ::SendMessageW(control->Handle(), nonClientMsg, horizontal_ ? HTHSCROLL : HTVSCROLL, MAKELPARAM(at.x, at.y));
}

// ---- The wrapper ---------------------------------------------------------------------------

TqelSkinScrollWinControl::~TqelSkinScrollWinControl() { FreeBars(); }

bool TqelSkinScrollWinControl::WantsBars(TWinControl& control) {
  if (InsideTabPage(control) || control.Is<TFrame>()) return false;
  if (control.Is<TCustomMaskEdit>() || control.ClassName() == "TSpinEdit") return false;
  if (control.Is<TCustomEdit>()) return (::GetWindowLongPtrW(control.Handle(), GWL_STYLE) & ES_MULTILINE) != 0;
  return true;
}

TqelSkinInternalScrollBar* TqelSkinScrollWinControl::MakeBar(TComponent& owner, TWinControl& control,
                                                            bool horizontal) {
  auto* bar = owner.Create<TqelSkinInternalScrollBar>(*this, horizontal);
  try {
    bar->SetParent(control.Parent());
    bar->FreeNotification(&control);  // a control of another owner tells the panel too
  } catch (...) {
    bar->ForgetWrapper();
    bar->Free();
    return nullptr;
  }
  return bar;
}

void TqelSkinScrollWinControl::Setup() {
  TqelSkinBorderWinControl::Setup();
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (!control || control->Designing() || !control->Parent()) return;
  // The panels belong to the window's form (the control's own form when
  // the window is no framework form).
  TComponent* owner = nullptr;
  if (auto* frame = dynamic_cast<TqelSkinWindowVCL*>(&Window())) owner = &frame->Form();
  else owner = GetParentForm(control);
  if (!owner) return;
  try {
    if (!WantsBars(*control)) return;
    vert_ = MakeBar(*owner, *control, false);
    horz_ = MakeBar(*owner, *control, true);
  } catch (...) {
    // Without its panels the control keeps its native bars.
  }
}

void TqelSkinScrollWinControl::Teardown() {
  FreeBars();
  TqelSkinBorderWinControl::Teardown();
}

void TqelSkinScrollWinControl::FreeBars() noexcept {
  // Each bar that exists goes: one left behind would call back into a
  // wrapper that is no more.
  for (TqelSkinInternalScrollBar** slot : {&vert_, &horz_}) {
    TqelSkinInternalScrollBar* bar = std::exchange(*slot, nullptr);
    if (!bar) continue;
    bar->ForgetWrapper();
    try {
      if (bar->Owner()) bar->Free();
    } catch (...) {
    }
  }
}

void TqelSkinScrollWinControl::BarDestroyed(TqelSkinInternalScrollBar* bar) noexcept {
  if (vert_ == bar) vert_ = nullptr;
  if (horz_ == bar) horz_ = nullptr;
}

void TqelSkinScrollWinControl::ControlGoing() {
  // Hiding the panels repaints the control, which must not show them again.
  controlGoing_ = true;
  HideBars();
}

void TqelSkinScrollWinControl::HideBars() {
  for (TqelSkinInternalScrollBar* bar : {vert_, horz_})
    if (bar) bar->Hide();
}

void TqelSkinScrollWinControl::Refresh() {
  TqelSkinBorderWinControl::Refresh();
  // Shown while the skin is active, where the native bars are.
  if (SkinActive()) Paint();
  else HideBars();
}

void TqelSkinScrollWinControl::ControlVisibleChanged() {
  TControl* control = Control();
  if (control && control->Visible() && SkinActive()) Paint();
  else HideBars();
}

void TqelSkinScrollWinControl::AfterMessage(TMessage& m) {
  TqelSkinBorderWinControl::AfterMessage(m);
  switch (m.Msg) {
    case CM_VISIBLECHANGED: ControlVisibleChanged(); break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_WINDOWPOSCHANGED: Repaint(); break;
    default: break;  // WM_NCPAINT: the border wrapper repaints
  }
}

void TqelSkinScrollWinControl::Paint() {
  TqelSkinBorderWinControl::Paint();
  TWinControl* control = WindowedControl();
  if (!control) return;
  if (controlGoing_ || !control->Visible() || !Engine().DrawScrollBar()) {
    HideBars();
    return;
  }
  const bool vShown = UpdateBar(vert_, *control, true);
  const bool hShown = UpdateBar(horz_, *control, false);
  if (vShown && hShown) FillCorner(*control);
}

bool TqelSkinScrollWinControl::UpdateBar(TqelSkinInternalScrollBar* bar, TWinControl& control, bool vertical) {
  if (!bar) return false;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  HWND h = control.Handle();
  if (!TqelUser32::GetScrollBarInfo(h, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info) ||
      (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    bar->Hide();
    return false;
  }
  RECT r = info.rcScrollBar;
  if (HWND parent = ::GetParent(h)) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  if (!BarShapeValid(r, vertical)) {
    bar->Hide();
    return false;
  }
  bar->BringToFront();
  bar->Show();
  bar->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  TBitmap& face = bar->Face();
  face.SetSize(r.right - r.left, r.bottom - r.top);

  int thumbStart = info.xyThumbTop;
  int thumbEnd = info.xyThumbBottom;
  if (TqelScrollTracking::IsTrackedKind(control)) TqelScrollTracking::Tracked(h, vertical, thumbStart, thumbEnd);
  const bool enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  const RECT whole{0, 0, face.Width(), face.Height()};
  const RECT thumb = vertical ? RECT{0, thumbStart, face.Width(), thumbEnd} : RECT{thumbStart, 0, thumbEnd, face.Height()};
  DrawSkinScrollBar(face.Canvas(), Engine().ScrollBtnRes(), whole, thumb, enabled && thumbEnd > thumbStart, vertical);
  bar->Invalidate();
  return true;
}

void TqelSkinScrollWinControl::FillCorner(TWinControl& control) {
  const TColor color = Engine().Values().FormColor;
  if (color == -1) return;
  // The square right of the horizontal panel and below the vertical one,
  // in the control's window coordinates.
  const RECT v = vert_->BoundsRect();
  const RECT hz = horz_->BoundsRect();
  RECT corner{hz.right, hz.top, v.right, hz.bottom};
  RECT window{};
  ::GetWindowRect(control.Handle(), &window);
  if (HWND parent = ::GetParent(control.Handle())) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
  ::OffsetRect(&corner, -window.left, -window.top);
  UniqueWindowDC dc = UniqueWindowDC::WholeWindow(control.Handle());
  if (!dc) return;
  TCanvas canvas(dc.get());
  canvas.Brush().SetColor(color);
  canvas.FillRect(corner);
}

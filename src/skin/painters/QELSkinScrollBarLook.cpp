#include "painters/QELSkinScrollBarLook.h"

#include <oleacc.h>

#include <utility>

#include "QELSkinUtilsPlatform.h"
#include "QELSkinUtilsScrollBar.h"
#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Form.h"
#include "framework/stdctrls/ScrollBar.h"
#include "painters/PainterSurface.h"

#ifndef STATE_SYSTEM_UNAVAILABLE
#define STATE_SYSTEM_UNAVAILABLE 0x00000001
#endif

TScrollBarLook ScrollBarLookOf(const SCROLLBARINFO& Info, bool Vertical, SIZE Client) noexcept {
  TScrollBarLook look;
  look.Vertical = Vertical;
  look.Bar = RECT{0, 0, Client.cx, Client.cy};
  look.Thumb = Vertical ? RECT{0, Info.xyThumbTop, Client.cx, Info.xyThumbBottom}
                        : RECT{Info.xyThumbTop, 0, Info.xyThumbBottom, Client.cy};
  look.HasThumb = (Info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0 && Info.xyThumbBottom > Info.xyThumbTop;
  return look;
}

void PaintScrollBar(TCanvas& Canvas, const TScrollBarLook& Look, const TPainterSkin& Skin) {
  DrawSkinScrollBar(Canvas, Skin.ScrollButtons, Look.Bar, Look.Thumb, Look.HasThumb, Look.Vertical);
}

// ---- The panel

TqelSkinInternalScrollBar2::TqelSkinInternalScrollBar2(TComponent* owner, TqelSkinScrollBar& wrapper)
    : TCustomPanel(owner), wrapper_(&wrapper) {
  SetBevelOuter(bvNone);
  SetCaption(L"");
  SetVisible(false);
}

void TqelSkinInternalScrollBar2::BeforeDestruction() {
  if (wrapper_) std::exchange(wrapper_, nullptr)->PanelDestroyed(this);
  TCustomPanel::BeforeDestruction();
}

void TqelSkinInternalScrollBar2::Paint() {
  if (!face_.Empty()) Canvas().Draw(0, 0, face_);
}

void TqelSkinInternalScrollBar2::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: m.Result = 1; break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: PassToControl(m); break;
    default: TCustomPanel::WndProc(m); break;
  }
}

void TqelSkinInternalScrollBar2::PassToControl(TMessage& m) {
  TControl* control = wrapper_ ? wrapper_->Control() : nullptr;
  auto* win = dynamic_cast<TWinControl*>(control);
  if (!win || !win->HandleAllocated()) return;
  if (m.Msg != WM_MOUSEMOVE) ::ReleaseCapture();
  // The panel lies exactly over the control: the same client point.
  const UINT msg = m.Msg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : m.Msg;
  ::SendMessageW(win->Handle(), msg, m.WParam, m.LParam);
}

// ---- The wrapper

TqelSkinScrollBar::~TqelSkinScrollBar() { FreePanel(); }

void TqelSkinScrollBar::Setup() {
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (!control || control->Designing() || !control->Parent()) return;
  TComponent* owner = nullptr;
  if (auto* frame = dynamic_cast<TqelSkinWindowVCL*>(&Window())) owner = &frame->Form();
  else owner = GetParentForm(control);
  if (!owner) return;
  try {
    panel_ = owner->Create<TqelSkinInternalScrollBar2>(*this);
    panel_->SetParent(control->Parent());
  } catch (...) {
    // Without its panel the control keeps its native look.
    FreePanel();
  }
}

void TqelSkinScrollBar::Teardown() {
  FreePanel();
  TqelSkinControlVCL::Teardown();
}

void TqelSkinScrollBar::FreePanel() noexcept {
  TqelSkinInternalScrollBar2* panel = std::exchange(panel_, nullptr);
  if (!panel) return;
  panel->ForgetWrapper();
  try {
    if (panel->Owner()) panel->Free();
  } catch (...) {
  }
}

void TqelSkinScrollBar::PanelDestroyed(TqelSkinInternalScrollBar2* panel) noexcept {
  if (panel_ == panel) panel_ = nullptr;
}

void TqelSkinScrollBar::Refresh() {
  if (SkinActive()) Paint();
  else if (panel_) panel_->Hide();
}

void TqelSkinScrollBar::AfterMessage(TMessage& message) {
  TqelSkinControlVCL::AfterMessage(message);
  switch (message.Msg) {
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED: Refresh(); break;
    default: break;
  }
}

void TqelSkinScrollBar::UpdatePanel() {
  TControl* control = Control();
  if (!panel_ || !control) return;
  if (!control->Visible()) {
    panel_->Hide();
    return;
  }
  const RECT b = control->BoundsRect();
  if (panel_->BoundsRect().left != b.left || panel_->BoundsRect().top != b.top ||
      panel_->Width() != control->Width() || panel_->Height() != control->Height())
    panel_->SetBoundsRect(b);
  if (!panel_->Visible()) {
    panel_->Show();
    panel_->BringToFront();
  }
}

void TqelSkinScrollBar::Paint() {
  HWND h = GetHandle();
  auto* bar = dynamic_cast<TScrollBar*>(Control());
  if (!h || !bar || !panel_) return;
  UpdatePanel();
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!TqelUser32::GetScrollBarInfo(h, OBJID_CLIENT, &info)) {
    panel_->Hide();
    return;
  }
  const SIZE size = ClientSizeOf(h);
  TBitmap& face = panel_->Face();
  if (face.Width() != size.cx || face.Height() != size.cy) face.SetSize(size.cx, size.cy);
  if (!::IsWindowEnabled(h)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  PaintScrollBar(face.Canvas(), ScrollBarLookOf(info, bar->Kind() == sbVertical, size), TPainterSkin::Of(Engine()));
  panel_->Invalidate();
}

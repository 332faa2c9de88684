#include "hook/QELSkinExtComboboxLikeControl.h"

#include <utility>

#include "QELSkinUtilsPaint.h"
#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Form.h"
#include "graphics/Canvas.h"

namespace {
constexpr int kButtonWidth = 16;
}

// ---- The button --------------------------------------------------------------------------

TqelSkinInternalComboButton::TqelSkinInternalComboButton(TComponent* owner, TqelSkinExtComboboxLikeControl& wrapper)
    : TCustomPanel(owner), wrapper_(&wrapper) {
  SetBevelOuter(bvNone);
  SetCaption(L"");
  SetBounds(0, 0, kButtonWidth, kButtonWidth);
}

void TqelSkinInternalComboButton::BeforeDestruction() {
  if (wrapper_) std::exchange(wrapper_, nullptr)->ButtonDestroyed(this);
  TCustomPanel::BeforeDestruction();
}

TWinControl* TqelSkinInternalComboButton::HookedControl() const {
  return wrapper_ ? dynamic_cast<TWinControl*>(wrapper_->Control()) : nullptr;
}

void TqelSkinInternalComboButton::Paint() {
  if (!wrapper_) return;
  const TqelSkinEngine& engine = wrapper_->Engine();
  TCanvas& canvas = Canvas();
  const RECT client = ClientRect();
  canvas.Brush().SetColor(engine.GetSkinColor(SKIN2_CONTROLCOLOR));
  canvas.FillRect(client);
  // The separator: from one pixel above the top to one below the bottom.
  canvas.Pen().SetColor(engine.GetSkinColor(SKIN2_CONTROLBORDERCOLOR));
  canvas.MoveTo(client.left, client.top - 1);
  canvas.LineTo(client.left, client.bottom + 1);
  const TWinControl* control = HookedControl();
  DrawArrowDown(canvas, client.left + (client.right - client.left) / 2 - 3, client.bottom / 2 - 2,
                control && control->Enabled());
}

void TqelSkinInternalComboButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: WMEraseBkgnd(m); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: PassToControl(m); break;
    default: TCustomPanel::WndProc(m); break;
  }
}

void TqelSkinInternalComboButton::WMEraseBkgnd(TMessage& m) { m.Result = 1; }

void TqelSkinInternalComboButton::PassToControl(TMessage& m) {
  TWinControl* control = HookedControl();
  if (!control || !control->HandleAllocated()) return;
  ::ReleaseCapture();
  POINT at{};
  ::GetCursorPos(&at);
  ::ScreenToClient(control->Handle(), &at);
  ::SendMessageW(control->Handle(), m.Msg, MK_LBUTTON, MAKELPARAM(at.x, at.y));
}

// ---- The wrapper ---------------------------------------------------------------------------

TqelSkinExtComboboxLikeControl::~TqelSkinExtComboboxLikeControl() { FreeButton(); }

void TqelSkinExtComboboxLikeControl::Setup() {
  TqelSkinBorderWinControl::Setup();
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (!control || control->Designing()) return;
  TComponent* owner = nullptr;
  if (auto* frame = dynamic_cast<TqelSkinWindowVCL*>(&Window())) owner = &frame->Form();
  else owner = GetParentForm(control);
  if (!owner) return;
  try {
    button_ = owner->Create<TqelSkinInternalComboButton>(*this);
    button_->SetParent(control);
    button_->SetAlign(alRight);
    button_->Show();
    button_->BringToFront();
  } catch (...) {
    FreeButton();
  }
}

void TqelSkinExtComboboxLikeControl::Teardown() {
  FreeButton();
  TqelSkinBorderWinControl::Teardown();
}

void TqelSkinExtComboboxLikeControl::FreeButton() noexcept {
  TqelSkinInternalComboButton* button = std::exchange(button_, nullptr);
  if (!button) return;
  button->ForgetWrapper();
  try {
    if (button->Owner()) button->Free();
  } catch (...) {
  }
}

void TqelSkinExtComboboxLikeControl::ButtonDestroyed(TqelSkinInternalComboButton* button) noexcept {
  if (button_ == button) button_ = nullptr;
}

bool TqelSkinExtComboboxLikeControl::ButtonWanted() const {
  const TControl* control = Control();
  return SkinActive() && control && control->Visible();
}

void TqelSkinExtComboboxLikeControl::UpdateButtonVisibility() {
  if (button_) button_->SetVisible(ButtonWanted());
}

void TqelSkinExtComboboxLikeControl::Refresh() {
  TqelSkinBorderWinControl::Refresh();
  UpdateButtonVisibility();
}

void TqelSkinExtComboboxLikeControl::AfterMessage(TMessage& m) {
  TqelSkinBorderWinControl::AfterMessage(m);
  if (m.Msg == CM_VISIBLECHANGED) UpdateButtonVisibility();
}

void TqelSkinExtComboboxLikeControl::Paint() {
  TqelSkinBorderWinControl::Paint();
  if (button_ && button_->Visible()) button_->Invalidate();
}

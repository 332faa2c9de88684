#include "painters/QELSkinDateTimePicker.h"

#include <utility>

#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Form.h"
#include "framework/comctrls/DateTimePicker.h"
#include "painters/PainterSkin.h"
#include "painters/PainterSurface.h"

namespace {

TDateTimePicker* PickerOf(TControl* control) { return dynamic_cast<TDateTimePicker*>(control); }

constexpr int kUpDownWidth = 15;

}  // namespace

// ---- The up-down

TqelSkinInternalUpDown::TqelSkinInternalUpDown(TComponent* owner, TqelSkinDateTimePicker& wrapper)
    : TUpDown(owner), wrapper_(&wrapper) {
  SetVisible(false);
}

void TqelSkinInternalUpDown::BeforeDestruction() {
  if (wrapper_) std::exchange(wrapper_, nullptr)->UpDownDestroyed(this);
  TUpDown::BeforeDestruction();
}

void TqelSkinInternalUpDown::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: m.Result = 1; break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_NCHITTEST: PassToNative(m); break;
    default: TUpDown::WndProc(m); break;
  }
}

void TqelSkinInternalUpDown::PassToNative(TMessage& m) {
  HWND native = wrapper_ ? wrapper_->NativeUpDown() : nullptr;
  if (!native) {
    TUpDown::WndProc(m);
    return;
  }
  if (m.Msg == WM_NCHITTEST) {
    // The platform's child answers for the point (screen coordinates).
    m.Result = ::SendMessageW(native, WM_NCHITTEST, m.WParam, m.LParam);
    if (m.Result == HTNOWHERE || m.Result == HTTRANSPARENT) m.Result = HTCLIENT;
    return;
  }
  ::ReleaseCapture();
  POINT at{};
  ::GetCursorPos(&at);
  ::ScreenToClient(native, &at);
  const UINT msg = m.Msg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : m.Msg;
  ::SendMessageW(native, msg, m.WParam, MAKELPARAM(at.x, at.y));
}

// ---- The wrapper

// ---- The check box

void TqelSkinPickerCheckBox::Paint() {
  TCheckBoxLook look = Look();
  look.Color = boxColor_;
  const TPainterSkin skin = TPainterSkin::Of(Engine());
  PaintOnClientDC(GetHandle(), [&](TCanvas& canvas, SIZE size) { PaintCheckBox(canvas, size, look, skin); });
}

// ---- The picker

TqelSkinDateTimePicker::~TqelSkinDateTimePicker() {
  FreeUpDown();
  RemoveCheckBoxSkin();
}

void TqelSkinDateTimePicker::FollowCheckBox() {
  HWND h = GetHandle();
  HWND box = h ? ::FindWindowExW(h, nullptr, L"Button", nullptr) : nullptr;
  if (checkBoxSkin_ && checkBoxSkin_->GetHandle() == box && box) {
    if (TControl* c = Control()) checkBoxSkin_->SetBoxColor(c->Color());
    return;
  }
  RemoveCheckBoxSkin();
  if (!box) return;
  try {
    checkBoxSkin_ = MakeSkinControl<TqelSkinPickerCheckBox>(box, Window());
    if (TControl* c = Control()) checkBoxSkin_->SetBoxColor(c->Color());
    checkBoxSkin_->Refresh();
  } catch (...) {
    // The box keeps the platform's look.
    checkBoxSkin_.reset();
  }
}

void TqelSkinDateTimePicker::RemoveCheckBoxSkin() noexcept {
  if (!checkBoxSkin_) return;
  try {
    checkBoxSkin_->Remove();
  } catch (...) {
  }
  checkBoxSkin_.reset();
}

HWND TqelSkinDateTimePicker::NativeUpDown() const {
  HWND h = GetHandle();
  return h ? ::FindWindowExW(h, nullptr, L"msctls_updown32", nullptr) : nullptr;
}

bool TqelSkinDateTimePicker::UsesUpDown() const {
  TDateTimePicker* picker = PickerOf(Control());
  return picker && (picker->Kind() == dtkTime || picker->DateMode() == dmUpDown);
}

bool TqelSkinDateTimePicker::ButtonWanted() const {
  return TqelSkinExtComboboxLikeControl::ButtonWanted() && !UsesUpDown();
}

void TqelSkinDateTimePicker::Setup() {
  TqelSkinExtComboboxLikeControl::Setup();
  TDateTimePicker* picker = PickerOf(Control());
  if (!picker || picker->Designing() || picker->Tag() == kKeepNativeUpDownTag) return;
  TComponent* owner = nullptr;
  if (auto* frame = dynamic_cast<TqelSkinWindowVCL*>(&Window())) owner = &frame->Form();
  else owner = GetParentForm(picker);
  if (!owner) return;
  try {
    upDown_ = owner->Create<TqelSkinInternalUpDown>(*this);
    upDown_->SetWidth(kUpDownWidth);
    upDown_->SetParent(picker);
    upDown_->SetAlign(alRight);
    upDownSkin_ = MakeSkinControl<TqelSkinUpDown>(*upDown_, Window());
  } catch (...) {
    // The picker keeps the platform's up-down.
    FreeUpDown();
  }
}

void TqelSkinDateTimePicker::Teardown() {
  RemoveCheckBoxSkin();
  FreeUpDown();
  if (HWND native = NativeUpDown()) ::ShowWindow(native, SW_SHOWNA);
  TqelSkinExtComboboxLikeControl::Teardown();
}

void TqelSkinDateTimePicker::RemoveUpDownSkin() noexcept {
  if (!upDownSkin_) return;
  try {
    upDownSkin_->Remove();
  } catch (...) {
  }
  upDownSkin_.reset();
}

void TqelSkinDateTimePicker::FreeUpDown() noexcept {
  RemoveUpDownSkin();
  TqelSkinInternalUpDown* upDown = std::exchange(upDown_, nullptr);
  if (!upDown) return;
  upDown->ForgetWrapper();
  try {
    if (upDown->Owner()) upDown->Free();
  } catch (...) {
  }
}

void TqelSkinDateTimePicker::UpDownDestroyed(TqelSkinInternalUpDown* upDown) noexcept {
  if (upDown_ != upDown) return;
  RemoveUpDownSkin();
  upDown_ = nullptr;
}

void TqelSkinDateTimePicker::UpdateUpDown() {
  HWND native = NativeUpDown();
  const bool skinned = upDown_ && SkinActive() && UsesUpDown() && Control() && Control()->Visible();
  if (upDown_) upDown_->SetVisible(skinned);
  if (native) ::ShowWindow(native, skinned ? SW_HIDE : SW_SHOWNA);
  if (upDownSkin_) upDownSkin_->Refresh();
}

void TqelSkinDateTimePicker::Refresh() {
  TqelSkinExtComboboxLikeControl::Refresh();
  UpdateUpDown();
  FollowCheckBox();
}

void TqelSkinDateTimePicker::AfterMessage(TMessage& message) {
  TqelSkinExtComboboxLikeControl::AfterMessage(message);
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
    case WM_SIZE: UpdateUpDown(); break;
    case WM_PAINT:
    case CM_COLORCHANGED: FollowCheckBox(); break;
    default: break;
  }
}

#include "framework/comctrls/UpDown.h"

#include <algorithm>
#include <utility>

#include "framework/comctrls/CommonControls.h"

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) {
  controlStyle_ &= ~static_cast<TControlStyle>(csClickEvents | csDoubleClicks);
  SetBounds(0, 0, 17, 25);
}

void TCustomUpDown::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_UPDOWN_CLASS);
  TWinControl::CreateParams(params);
  params.BaseClassName = UPDOWN_CLASSW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  params.Style |= UDS_SETBUDDYINT;
  params.Style |= alignButton_ == udRight ? UDS_ALIGNRIGHT : UDS_ALIGNLEFT;
  if (orientation_ == udHorizontal) params.Style |= UDS_HORZ;
  if (arrowKeys_) params.Style |= UDS_ARROWKEYS;
  if (wrap_) params.Style |= UDS_WRAP;
  if (!thousands_) params.Style |= UDS_NOTHOUSANDS;
}

void TCustomUpDown::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyRange();
  ApplyIncrement();
  Send(UDM_SETPOS32, 0, position_);
  ApplyBuddy();
}

LRESULT TCustomUpDown::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  return HandleAllocated() ? ::SendMessageW(Handle(), msg, wParam, lParam) : 0;
}

void TCustomUpDown::ApplyRange() { Send(UDM_SETRANGE32, static_cast<WPARAM>(min_), max_); }

void TCustomUpDown::ApplyIncrement() {
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  Send(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TCustomUpDown::ApplyBuddy() {
  if (!HandleAllocated()) return;
  HWND buddy = associate_ && associate_->Parent() ? associate_->Handle() : nullptr;
  Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy));
  if (buddy) Send(UDM_SETPOS32, 0, position_);  // shows the position in the associate
}

// ---- Messages ------------------------------------------------------------------

void TCustomUpDown::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); break;
    case CN_HSCROLL:
    case CN_VSCROLL: CNScroll(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TCustomUpDown::CNNotify(TMessage& m) {
  const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
  m.Result = 0;
  if (header->code != UDN_DELTAPOS) return;
  const auto* change = reinterpret_cast<const NMUPDOWN*>(m.LParam);
  pressed_ = change->iDelta > 0 ? btNext : btPrev;
  stepAllowed_ = CanChange();
  m.Result = stepAllowed_ ? 0 : 1;  // non-zero keeps the position
}

void TCustomUpDown::CNScroll(TMessage& m) {
  m.Result = 0;
  // The window reports every step, refused ones too.
  if (LOWORD(m.WParam) != SB_THUMBPOSITION || !std::exchange(stepAllowed_, false)) return;
  position_ = Position();
  Click(pressed_);
}

bool TCustomUpDown::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(*this, allow);
  return allow;
}

void TCustomUpDown::Click(TUDBtnType button) {
  if (OnClick) OnClick(*this, button);
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == associate_) {
    associate_ = nullptr;
    if (!IsDestroying()) Send(UDM_SETBUDDY, 0);
  }
}

// ---- Attributes ------------------------------------------------------------------

void TCustomUpDown::SetAssociate(TWinControl* associate) {
  if (associate == associate_) return;
  if (associate == this) throw EInvalidOperation("An up-down control cannot be its own associate");
  if (associate && associate->Parent() && Parent() && associate->Parent() != Parent())
    throw EInvalidOperation("An up-down control and its associate share one parent");
  SetReference(*this, associate_, associate);
  ApplyBuddy();
}

void TCustomUpDown::SetMin(int min) {
  min_ = min;
  ApplyRange();
}

void TCustomUpDown::SetMax(int max) {
  max_ = max;
  ApplyRange();
}

void TCustomUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  ApplyRange();
}

int TCustomUpDown::Position() {
  if (HandleAllocated()) {
    BOOL failed = FALSE;
    const int position = static_cast<int>(Send(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (!failed) position_ = position;
  }
  return position_;
}

void TCustomUpDown::SetPosition(int position) {
  const int low = std::min(min_, max_), high = std::max(min_, max_);
  position_ = std::clamp(position, low, high);
  Send(UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::SetIncrement(int increment) {
  increment_ = std::max(increment, 1);
  ApplyIncrement();
}

void TCustomUpDown::SetOrientation(TUDOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  RecreateWnd();
}

void TCustomUpDown::SetAlignButton(TUDAlignButton align) {
  if (align == alignButton_) return;
  alignButton_ = align;
  RecreateWnd();
}

void TCustomUpDown::SetWrap(bool wrap) {
  if (wrap == wrap_) return;
  wrap_ = wrap;
  RecreateWnd();
}

void TCustomUpDown::SetArrowKeys(bool arrowKeys) {
  if (arrowKeys == arrowKeys_) return;
  arrowKeys_ = arrowKeys;
  RecreateWnd();
}

void TCustomUpDown::SetThousands(bool thousands) {
  if (thousands == thousands_) return;
  thousands_ = thousands;
  RecreateWnd();
}

std::vector<TPropInfo> TUpDown::PublishedProperties() {
  using T = TCustomUpDown;
  return WithCommonProperties({
      PropTabStop(),
      RefProp<T>("Associate", "TWinControl", &T::Associate, &T::SetAssociate),
      OrdProp<T>("Min", "Integer", TTypeKind::Integer, &T::Min, &T::SetMin),
      OrdProp<T>("Max", "Integer", TTypeKind::Integer, &T::Max, &T::SetMax),
      OrdProp<T>("Position", "Integer", TTypeKind::Integer, &T::Position, &T::SetPosition),
      OrdProp<T>("Increment", "Integer", TTypeKind::Integer, &T::Increment, &T::SetIncrement),
      OrdProp<T>("Orientation", "TUDOrientation", TTypeKind::Enumeration, &T::Orientation,
                 &T::SetOrientation, kUDOrientationNames),
      OrdProp<T>("AlignButton", "TUDAlignButton", TTypeKind::Enumeration, &T::AlignButton,
                 &T::SetAlignButton, kUDAlignButtonNames),
      BoolProp<T>("ArrowKeys", &T::ArrowKeys, &T::SetArrowKeys),
      BoolProp<T>("Thousands", &T::Thousands, &T::SetThousands),
      BoolProp<T>("Wrap", &T::Wrap, &T::SetWrap),
  });
}

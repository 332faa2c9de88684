#include "framework/HookLink.h"

#include "framework/Control.h"

#include <utility>

void THookLink::Attach(TControl& control, TWndMethod handler) {
  Detach();
  handler_ = handler;
  control.InsertHookLink(*this);
  control_ = &control;
}

void THookLink::Detach() noexcept {
  if (!control_) return;
  std::exchange(control_, nullptr)->RemoveHookLink(*this);
}

void THookLink::CallNext(TMessage& message) const {
  if (control_) control_->CallBelowHookLink(*this, message);
}

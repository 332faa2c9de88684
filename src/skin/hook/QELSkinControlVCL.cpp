#include "hook/QELSkinControlVCL.h"

#include "engine/QELSkinEngine.h"
#include "framework/Control.h"
#include "framework/WinControl.h"
#include "hook/QELSkinScrollTracking.h"

TqelSkinControlVCL::TqelSkinControlVCL(TControl& control, TqelSkinWindow& window)
    : TqelSkinControl(window), target_(&control) {}

TqelSkinControlVCL::~TqelSkinControlVCL() = default;

void TqelSkinControlVCL::Hook() {
  link_.Attach(*target_, TWndMethod::Bind<&TqelSkinControlVCL::HookedProc>(this));
}

RECT TqelSkinControlVCL::GetBoundsRect() const {
  TControl* c = Control();
  return c ? c->ClientRect() : RECT{};
}

HWND TqelSkinControlVCL::GetHandle() const {
  auto* win = dynamic_cast<TWinControl*>(Control());
  return win && win->HandleAllocated() ? win->Handle() : nullptr;
}

bool TqelSkinControlVCL::IsEnabled() const {
  TControl* c = Control();
  return c && c->Enabled();
}

bool TqelSkinControlVCL::TagSkinned() const noexcept {
  TControl* c = Control();
  return c && Engine().IsTagSkinned(c->Tag());
}

void TqelSkinControlVCL::HookedProc(TMessage& m) {
  TqelSkinEngine& engine = Engine();
  if (engine.IsDestroying()) {
    if (m.Msg != CM_INVALIDATE) CallPrevious(m);
    return;
  }
  // A control on its way out is left to itself.
  if (Detached() || !engine.SkinIsActive() || !TagSkinned() || target_->IsDestroying()) {
    CallPrevious(m);
    return;
  }
  TqelScrollTracking::Observe(*target_, m);
  if (BeforeMessage(m)) CallPrevious(m);
  // The control may have gone with its message (the link then let go).
  if (!Detached() && link_.Attached()) AfterMessage(m);
}

#include "hook/QELSkinControlWnd.h"

#include "engine/QELSkinEngine.h"

TqelSkinControlWnd::TqelSkinControlWnd(HWND handle, TqelSkinWindow& window)
    : TqelSkinControl(window), handle_(handle) {}

TqelSkinControlWnd::~TqelSkinControlWnd() = default;

void TqelSkinControlWnd::Hook() {
  subclass_.Attach(handle_, TWndMethod::Bind<&TqelSkinControlWnd::HookedProc>(this));
}

RECT TqelSkinControlWnd::GetBoundsRect() const {
  RECT r{};
  if (HWND h = GetHandle()) {
    ::GetWindowRect(h, &r);
    ::OffsetRect(&r, -r.left, -r.top);
  }
  return r;
}

HWND TqelSkinControlWnd::GetHandle() const { return handle_ && ::IsWindow(handle_) ? handle_ : nullptr; }

bool TqelSkinControlWnd::IsEnabled() const {
  HWND h = GetHandle();
  return h && ::IsWindowEnabled(h);
}

void TqelSkinControlWnd::HookedProc(TMessage& m) {
  TqelSkinEngine& engine = Engine();
  if (engine.IsDestroying() || !engine.SkinIsActive() || Detached()) {
    CallPrevious(m);
    return;
  }
  if (BeforeMessage(m)) CallPrevious(m);
  if (!Detached() && subclass_.Attached()) AfterMessage(m);
}

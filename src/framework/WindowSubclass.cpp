#include "framework/WindowSubclass.h"

#include <commctrl.h>

#include <utility>

namespace {
// Some implementations of the chain put the window's original procedure
// back blindly when its last link leaves, dropping whatever was set on top
// of the chain meanwhile. A pass-through keeper therefore stays in the chain
// of every window we subclassed until the window is destroyed.
constexpr UINT_PTR kKeeperId = 0x4B454550;  // "KEEP"

LRESULT CALLBACK KeeperProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  const LRESULT result = ::DefSubclassProc(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) ::RemoveWindowSubclass(window, &KeeperProc, kKeeperId);
  return result;
}
}  // namespace

bool TWindowSubclass::Attach(HWND window, TWndMethod handler) {
  Detach();
  handler_ = handler;
  const auto self = reinterpret_cast<UINT_PTR>(this);
  if (!window || !::SetWindowSubclass(window, &KeeperProc, kKeeperId, 0) ||
      !::SetWindowSubclass(window, &Proc, self, self))
    return false;
  window_ = window;
  return true;
}

void TWindowSubclass::Detach() noexcept {
  if (!window_) return;
  ::RemoveWindowSubclass(window_, &Proc, reinterpret_cast<UINT_PTR>(this));
  window_ = nullptr;
}

void TWindowSubclass::CallNext(TMessage& message) const {
  if (window_) message.Result = ::DefSubclassProc(window_, message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TWindowSubclass::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
  auto* self = reinterpret_cast<TWindowSubclass*>(data);
  TMessage message{msg, wParam, lParam, 0};
  // The handler may free the object; the destructor then sets the flag of
  // the innermost message in progress (and so every outer one learns it).
  bool freed = false;
  bool* const outer = std::exchange(self->freed_, &freed);
  const TWndMethod handler = self->handler_;
  if (handler) handler(message);
  else message.Result = ::DefSubclassProc(window, msg, wParam, lParam);
  if (freed) {
    if (outer) *outer = true;
    return message.Result;
  }
  self->freed_ = outer;
  // The window is going: the link leaves its chain with it.
  if (msg == WM_NCDESTROY) self->Detach();
  return message.Result;
}

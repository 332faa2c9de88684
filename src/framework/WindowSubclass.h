#pragma once
// TWindowSubclass: one link in a raw window's subclass chain.
//
// For windows that are not framework controls (dialog boxes, message
// boxes, the children of common dialogs). The link sits in the platform's
// own subclass chain (SetWindowSubclass), which needs no executable thunk
// and lets links leave in any order; a pass-through link kept until the
// window's end makes it stay correct when someone else replaced the
// window's procedure after us. The handler sees each message as a
// TMessage and forwards it with CallNext; the link leaves the chain by
// itself when the window is destroyed (after the handler saw
// WM_NCDESTROY), or when the object goes.
#include <windows.h>

#include "framework/Messages.h"

class TWindowSubclass {
 public:
  TWindowSubclass() noexcept = default;
  TWindowSubclass(HWND window, TWndMethod handler) { Attach(window, handler); }
  ~TWindowSubclass() {
    if (freed_) *freed_ = true;
    Detach();
  }
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // Joins window's chain (leaving any earlier one first); false when the
  // platform refuses (no such window, or one of another process).
  bool Attach(HWND window, TWndMethod handler);
  void Detach() noexcept;
  bool Attached() const noexcept { return window_ != nullptr; }
  HWND Window() const noexcept { return window_; }
  // Passes the message down the chain (the window's own procedure last).
  // Only while handling a message of this link.
  void CallNext(TMessage& message) const;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR data);
  HWND window_ = nullptr;
  TWndMethod handler_;
  bool* freed_ = nullptr;  // set while a message of this link is handled
};

#pragma once
// TqelSkinControlWnd: a wrapper of a raw child window (a "BUTTON" of a
// standard dialog, say), joined to the window's subclass chain through a
// TWindowSubclass, which leaves the chain by itself when the window is
// destroyed.
//
// Its procedure: while the engine is being destroyed or its skin is not
// active, the window's own procedure alone. Otherwise BeforeMessage, the
// window's procedure when it answered true, then AfterMessage unless
// Detached; the window's result is returned either way (AfterMessage may
// change it, as for QM_SKINNEDQUERY).
#include "framework/WindowSubclass.h"
#include "hook/QELSkinControl.h"

class TqelSkinControlWnd : public TqelSkinControl {
  FW_CLASS(TqelSkinControlWnd, TqelSkinControl)
 public:
  TqelSkinControlWnd(HWND handle, TqelSkinWindow& window);
  ~TqelSkinControlWnd() override;

  HWND RawHandle() const noexcept override { return handle_; }
  // (0, 0, window width, window height).
  RECT GetBoundsRect() const override;
  // The window while it exists.
  HWND GetHandle() const override;
  bool IsEnabled() const override;

  void CallPrevious(TMessage& message) override { subclass_.CallNext(message); }

 protected:
  void Hook() override;
  void Unhook() noexcept override { subclass_.Detach(); }

 private:
  void HookedProc(TMessage& message);

  HWND handle_;
  TWindowSubclass subclass_;
};

#pragma once
// TqelSkinControlVCL: a wrapper of a framework control. It sits in the
// control's WindowProc chain through a hook link, so it sees the control's
// own notifications (CM_MOUSEENTER, CM_ENABLEDCHANGED, ...) as well as the
// platform's messages, and leaves the chain in any order.
//
// Its procedure, for every message of the control:
//   - while the engine is being destroyed, CM_INVALIDATE is dropped;
//   - while the skin is active and the control's Tag is not the engine's
//     DisabledTag: the scroll tracking of grids, scroll boxes and rich
//     edits (QELSkinScrollTracking.h), then BeforeMessage, the control's
//     handler when it answered true, and AfterMessage unless Detached;
//   - otherwise (also while the control is being destroyed) the control's
//     handler alone.
#include "framework/HookLink.h"
#include "hook/QELSkinControl.h"

class TqelSkinControlVCL : public TqelSkinControl {
  FW_CLASS(TqelSkinControlVCL, TqelSkinControl)
 public:
  TqelSkinControlVCL(TControl& control, TqelSkinWindow& window);
  ~TqelSkinControlVCL() override;

  // The control while it exists (the link lets go of a destroyed control).
  TControl* Control() const noexcept override { return link_.Control(); }
  // The client rectangle.
  RECT GetBoundsRect() const override;
  // The control's window; null for a control without one or without a
  // window yet.
  HWND GetHandle() const override;
  bool IsEnabled() const override;

  void CallPrevious(TMessage& message) override { link_.CallNext(message); }

 protected:
  void Hook() override;
  void Unhook() noexcept override { link_.Detach(); }

 private:
  void HookedProc(TMessage& message);
  // Whether the control takes part: its Tag is not the DisabledTag.
  bool TagSkinned() const noexcept;

  TControl* target_;
  THookLink link_;
};

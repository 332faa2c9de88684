#pragma once
// THookLink: one link in a control's WindowProc chain.
//
// A component that wants to see a control's messages before the control
// does (a menu on its form, a skinning frame, a control wrapper) attaches
// a link with its handler; the handler forwards with CallNext. Links are
// kept by the control, newest on top, and a link splices itself out
// wherever it stands, so hooks can be removed in any order:
//
//   class TMyHook {
//     THookLink link_;
//     void Hooked(TMessage& m) { ...; link_.CallNext(m); }
//    public:
//     explicit TMyHook(TControl& c) : link_(c, TWndMethod::Bind<&TMyHook::Hooked>(this)) {}
//   };
//
// While links exist, the control's WindowProc is the control's own
// dispatcher, which calls the top link; the bottom link's CallNext reaches
// the WindowProc the control had when its first link attached. Code that
// saved and replaced WindowProc directly on top of the links keeps working:
// it saved the dispatcher, which stays valid as long as the control lives.
// A control destroyed while links remain leaves them detached.
#include "framework/Messages.h"

class TControl;

class THookLink {
 public:
  THookLink() noexcept = default;
  THookLink(TControl& control, TWndMethod handler) { Attach(control, handler); }
  ~THookLink() { Detach(); }
  THookLink(const THookLink&) = delete;
  THookLink& operator=(const THookLink&) = delete;

  // Puts the link on top of control's chain (detaching it first from
  // wherever it was).
  void Attach(TControl& control, TWndMethod handler);
  // Takes the link out of its chain; nothing when it is not attached.
  void Detach() noexcept;
  bool Attached() const noexcept { return control_ != nullptr; }
  TControl* Control() const noexcept { return control_; }
  // Passes the message on to the link below, or to the control's own
  // handler below the bottom link. Nothing when the link is detached.
  void CallNext(TMessage& message) const;

 private:
  friend class TControl;
  TControl* control_ = nullptr;
  TWndMethod handler_;
};

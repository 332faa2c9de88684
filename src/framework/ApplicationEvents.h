#pragma once
// TApplicationEvents: a component that hooks the application's events;
// a form drops one in to see every message of the loop before it is
// dispatched. Several may exist; each is asked in creation order.
#include "framework/Application.h"

class TApplicationEvents : public TComponent {
  FW_CLASS(TApplicationEvents, TComponent)
 public:
  explicit TApplicationEvents(TComponent* owner, TApplication& application = Application);
  ~TApplicationEvents() override;
  void BeforeDestruction() override;

  // Events
  TMessageEvent OnMessage;
  TIdleEvent OnIdle;

 private:
  void Unregister() noexcept;

  TApplication* application_;
};

#include "framework/ApplicationEvents.h"

#include <algorithm>

TApplicationEvents::TApplicationEvents(TComponent* owner, TApplication& application)
    : TComponent(owner), application_(&application) {
  application_->events_.push_back(this);
}

TApplicationEvents::~TApplicationEvents() { Unregister(); }

void TApplicationEvents::BeforeDestruction() {
  Unregister();
  TComponent::BeforeDestruction();
}

void TApplicationEvents::Unregister() noexcept {
  if (!application_) return;
  std::erase(application_->events_, this);
  application_ = nullptr;
}

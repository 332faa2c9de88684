#include "framework/Component.h"

#include <algorithm>
#include <cwctype>

namespace {

bool IsIdentifier(std::string_view name) {
  if (name.empty()) return false;
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!letter(name.front())) return false;
  return std::all_of(name.begin(), name.end(),
                     [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

void TComponentDeleter::operator()(TComponent* component) const noexcept {
  if (!component) return;
  component->BeforeDestruction();
  delete component;
}

std::vector<TPropInfo> TComponent::PublishedProperties() {
  return {
      StrProp<TComponent>("Name", "TComponentName", TTypeKind::String, &TComponent::Name,
                          &TComponent::SetName),
      OrdProp<TComponent>("Tag", "NativeInt", TTypeKind::Integer, &TComponent::Tag,
                          &TComponent::SetTag),
  };
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  // The component is inserted into the owner once constructed (Create);
  // until then Owner() already answers, and the state follows the owner's.
  if (owner) state_ = owner->state_ & (csLoading | csDesigning);
}

TComponent::~TComponent() { Teardown(); }

int TComponent::ComponentIndex() const noexcept {
  if (!owner_) return -1;
  for (size_t i = 0; i < owner_->components_.size(); ++i)
    if (owner_->components_[i].get() == this) return static_cast<int>(i);
  return -1;
}

void TComponent::SetName(std::string_view name) {
  if (name == name_) return;
  if (!name.empty()) {
    if (!IsIdentifier(name))
      throw EComponentError("'" + std::string(name) + "' is not a valid component name");
    if (owner_) {
      for (const auto& c : owner_->components_)
        if (c.get() != this && SameName(c->name_, name))
          throw EComponentError("A component named " + std::string(name) + " already exists");
    }
  }
  name_ = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const noexcept {
  if (name.empty()) return nullptr;
  for (const auto& c : components_)
    if (SameName(c->name_, name)) return c.get();
  return nullptr;
}

void TComponent::InsertComponent(TOwned<TComponent> component) {
  if (!component) return;
  TComponent* c = component.get();
  if (c->owner_ && c->owner_ != this)
    throw EComponentError("Component " + c->name_ + " already has an owner");
  if (!c->name_.empty() && FindComponent(c->name_))
    throw EComponentError("A component named " + c->name_ + " already exists");
  c->owner_ = this;
  components_.push_back(std::move(component));
  if (c->Loading())
    if (TComponent* root = LoadingRoot()) root->loadList_.push_back(c);
  Notification(c, opInsert);
}

TOwned<TComponent> TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find_if(components_.begin(), components_.end(),
                         [&](const TOwned<TComponent>& c) { return c.get() == component; });
  if (it == components_.end()) return nullptr;
  TOwned<TComponent> owned = std::move(*it);
  components_.erase(it);
  if (TComponent* root = LoadingRoot())
    std::replace(root->loadList_.begin(), root->loadList_.end(), component,
                 static_cast<TComponent*>(nullptr));
  component->owner_ = nullptr;
  if (!IsDestroying()) Notification(component, opRemove);
  return owned;
}

void TComponent::Free() {
  if (!owner_) throw EInvalidOperation("Free needs an owner; reset the owning pointer instead");
  TOwned<TComponent> self = owner_->RemoveComponent(this);
  // self goes out of scope here and destroys this component.
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) RemoveComponent(components_.back().get()).reset();
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  // Components of one owner hear of each other through the owner.
  if (owner_ && component->owner_ == owner_) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
    component->FreeNotification(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  RemoveNotification(component);
  if (component) component->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* component) noexcept {
  std::erase(freeNotifies_, component);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove) RemoveNotification(component);
  // Pass it on to every owned component; the list may change meanwhile.
  for (size_t i = 0; i < components_.size(); ++i) {
    TComponent* c = components_[i].get();
    if (c != component) c->Notification(component, operation);
  }
}

void TComponent::BeginLoading() {
  SetState(csLoading, true);
  loadingRoot_ = true;
  loadList_.clear();
}

void TComponent::EndLoading() {
  if (!loadingRoot_) return;
  // The root's own Loaded first. The list may grow meanwhile (a component
  // that creates others in its Loaded) and removed components are nulled in
  // it, so it is walked by index while this stays the loading root.
  Loaded();
  SetState(csLoading, false);
  for (size_t i = 0; i < loadList_.size(); ++i) {
    TComponent* c = loadList_[i];
    if (!c || !c->Loading()) continue;
    c->Loaded();
    c->SetState(csLoading, false);
  }
  loadList_.clear();
  loadingRoot_ = false;
}

void TComponent::Loaded() { SetState(csLoading, false); }

void TComponent::Destroying() {
  if (IsDestroying()) return;
  SetState(csDestroying, true);
  for (const auto& c : components_) c->Destroying();
}

void TComponent::SetDesigning(bool designing) {
  SetState(csDesigning, designing);
  for (const auto& c : components_) c->SetDesigning(designing);
}

void TComponent::BeforeDestruction() { Teardown(); }

void TComponent::Teardown() noexcept {
  if (tornDown_) return;
  tornDown_ = true;
  Destroying();
  std::vector<TComponent*> notify = std::move(freeNotifies_);
  freeNotifies_.clear();
  for (TComponent* c : notify) {
    c->RemoveNotification(this);
    c->Notification(this, opRemove);
  }
  DestroyComponents();
}

TComponent* TComponent::LoadingRoot() noexcept {
  for (TComponent* c = this; c; c = c->owner_)
    if (c->loadingRoot_) return c;
  return nullptr;
}

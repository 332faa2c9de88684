#pragma once
// TComponent: ownership, names, tags, component state and notifications.
//
// Ownership. A component may have an owner that holds it (a unique pointer
// inside) and destroys it with itself, last created first. Components are
// made by their owner:
//
//   TPanel* panel = form->Create<TPanel>();            // owned by form
//   TOwned<TForm> f = MakeComponent<TForm>();           // owned by the caller
//
// Both call the constructor (which takes the owner first), insert the new
// component into its owner, then call AfterConstruction. Destruction goes
// through BeforeDestruction (while the object is still whole), then the
// destructor; TOwned's deleter and the owner both do this.
//
// Notifications. When a component is inserted into or removed from an owner,
// the owner's Notification(component, opInsert/opRemove) runs; the default
// Notification passes it on to all of the owner's components, so every
// component of a form hears about its siblings. FreeNotification(other)
// asks to be told (opRemove) when other is destroyed, across owners.
//
// Loading. A component created while its owner is loading starts in the
// csLoading state. The loading root (a form being built) calls EndLoading
// once its constructor has set every stored property: Loaded runs on the
// root, then on every component created during loading, in creation order.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Object.h"

class TComponent;

enum TComponentStateFlag : unsigned {
  csLoading = 0x01,
  csReading = 0x02,
  csWriting = 0x04,
  csDestroying = 0x08,
  csDesigning = 0x10,
  csUpdating = 0x20,
};
using TComponentState = unsigned;

enum TOperation { opInsert, opRemove };

struct TComponentDeleter {
  void operator()(TComponent* component) const noexcept;
};
template <typename T>
using TOwned = std::unique_ptr<T, TComponentDeleter>;

class TComponent : public TObject {
  FW_CLASS(TComponent, TObject)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  TComponent* Owner() const noexcept { return owner_; }
  int ComponentCount() const noexcept { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)).get(); }
  // Position in the owner's list, -1 without owner.
  int ComponentIndex() const noexcept;
  const std::string& Name() const noexcept { return name_; }
  // An identifier (letters, digits, underscore; not starting with a digit),
  // unique among the owner's components; empty names are not checked.
  void SetName(std::string_view name);
  std::intptr_t Tag() const noexcept { return tag_; }
  void SetTag(std::intptr_t tag) noexcept { tag_ = tag; }
  TComponentState ComponentState() const noexcept { return state_; }
  bool HasState(TComponentStateFlag flag) const noexcept { return (state_ & flag) != 0; }
  bool Loading() const noexcept { return HasState(csLoading); }
  bool Designing() const noexcept { return HasState(csDesigning); }
  bool IsDestroying() const noexcept { return HasState(csDestroying); }

  // Operations
  template <typename T, typename... Args>
  T* Create(Args&&... args);
  // The owned component called name, or null.
  TComponent* FindComponent(std::string_view name) const noexcept;
  // Takes ownership; the component must have no owner yet.
  void InsertComponent(TOwned<TComponent> component);
  // Gives ownership back to the caller (null when component is not owned
  // here).
  TOwned<TComponent> RemoveComponent(TComponent* component);
  // Destroys this component now; it must have an owner.
  void Free();
  // Destroys every owned component, last first.
  void DestroyComponents();
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  // Starts the loading state on this component, as the loading root.
  void BeginLoading();
  // Ends it: Loaded on this component, then on each component created
  // while loading, in creation order.
  void EndLoading();

  // Overridables
  // Called once the constructor of the most derived class has finished.
  virtual void AfterConstruction() {}
  // Called before destruction while the object is whole: marks it
  // destroying, tells the free-notification list and destroys owned
  // components.
  virtual void BeforeDestruction();
  virtual void Notification(TComponent* component, TOperation operation);

 protected:
  // Sets csDestroying on this component and its owned components.
  virtual void Destroying();
  // Called by EndLoading; the default clears csLoading.
  virtual void Loaded();
  void SetDesigning(bool designing);
  void SetState(TComponentStateFlag flag, bool on) noexcept {
    state_ = on ? (state_ | flag) : (state_ & ~flag);
  }

 private:
  void RemoveNotification(TComponent* component) noexcept;
  TComponent* LoadingRoot() noexcept;
  void Teardown() noexcept;

  TComponent* owner_ = nullptr;
  std::vector<TOwned<TComponent>> components_;
  std::vector<TComponent*> freeNotifies_;
  std::vector<TComponent*> loadList_;  // on the loading root only
  bool loadingRoot_ = false;
  bool tornDown_ = false;
  std::string name_;
  std::intptr_t tag_ = 0;
  TComponentState state_ = 0;
};

// An unowned component; the caller owns it.
template <typename T, typename... Args>
TOwned<T> MakeComponent(Args&&... args) {
  static_assert(std::is_base_of_v<TComponent, T>);
  TOwned<T> component(new T(nullptr, std::forward<Args>(args)...));
  component->AfterConstruction();
  return component;
}

// A component owned by this one. When AfterConstruction throws, the new
// component is destroyed again and the exception passes on.
template <typename T, typename... Args>
T* TComponent::Create(Args&&... args) {
  static_assert(std::is_base_of_v<TComponent, T>);
  TOwned<T> component(new T(this, std::forward<Args>(args)...));
  T* raw = component.get();
  InsertComponent(TOwned<TComponent>(component.release()));
  try {
    raw->AfterConstruction();
  } catch (...) {
    RemoveComponent(raw);
    throw;
  }
  return raw;
}

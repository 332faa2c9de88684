#pragma once
// An owning COM interface pointer: AddRef on copy, Release on destruction,
// QueryInterface through As(). Move leaves the source empty.
#include <objbase.h>

#include <type_traits>
#include <utility>

template <typename T>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ComPtr(std::nullptr_t) noexcept {}
  // Shares `p`: the pointer gets its own reference.
  explicit ComPtr(T* p) noexcept : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) noexcept : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  // From a pointer to a class that implements T (no QueryInterface needed).
  template <typename U>
    requires std::is_convertible_v<U*, T*>
  ComPtr(const ComPtr<U>& other) noexcept : ComPtr(static_cast<T*>(other.Get())) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  // Takes over a reference the caller already owns (a fresh object, an out
  // parameter).
  static ComPtr Adopt(T* p) noexcept {
    ComPtr result;
    result.p_ = p;
    return result;
  }

  // Attributes
  T* Get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }

  // Operations
  void Reset() noexcept {
    if (T* old = std::exchange(p_, nullptr)) old->Release();
  }
  // For out parameters: releases what is held and gives the slot.
  T** Put() noexcept {
    Reset();
    return &p_;
  }
  void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }
  // The same object under interface U; empty (and the failure in `hr`)
  // when it does not implement U.
  template <typename U>
  ComPtr<U> As(HRESULT* hr = nullptr) const noexcept {
    ComPtr<U> result;
    const HRESULT r = p_ ? p_->QueryInterface(__uuidof(U), result.PutVoid()) : E_POINTER;
    if (hr) *hr = r;
    return result;
  }

 private:
  T* p_ = nullptr;
};

// COM identity: true when both pointers reach the same object, compared by
// their IUnknown as COM requires. Two null pointers are not the same object.
inline bool SameComObject(IUnknown* a, IUnknown* b) noexcept {
  if (a == nullptr || b == nullptr) return false;
  if (a == b) return true;
  ComPtr<IUnknown> ua = ComPtr<IUnknown>(a).As<IUnknown>();
  ComPtr<IUnknown> ub = ComPtr<IUnknown>(b).As<IUnknown>();
  return ua && ub && ua.Get() == ub.Get();
}

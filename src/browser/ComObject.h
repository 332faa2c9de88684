#pragma once
// What the COM objects of this module share: a reference count that
// deletes the object when the last reference goes, and creation straight
// into a ComPtr.
#include <objbase.h>

#include <atomic>
#include <utility>

#include "ComPtr.h"

class TComRefCount {
 protected:
  TComRefCount() noexcept = default;
  virtual ~TComRefCount() = default;
  TComRefCount(const TComRefCount&) = delete;
  TComRefCount& operator=(const TComRefCount&) = delete;

  ULONG AddRefImpl() noexcept { return ++refs_; }
  ULONG ReleaseImpl() noexcept {
    const ULONG left = --refs_;
    if (left == 0) delete this;  // the COM rule: the object owns itself
    return left;
  }

 private:
  std::atomic<ULONG> refs_{1};
};

// A new COM object whose first reference belongs to the returned pointer.
template <typename T, typename... Args>
ComPtr<T> MakeComObject(Args&&... args) {
  return ComPtr<T>::Adopt(new T(std::forward<Args>(args)...));
}

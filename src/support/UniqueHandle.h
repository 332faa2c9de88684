#pragma once
// Owning wrappers for Win32 handles: one template, one traits struct per
// kind of handle. Move-only; the handle is released exactly once.
#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueHandleT {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandleT() noexcept = default;
  explicit UniqueHandleT(Handle h) noexcept : handle_(h) {}
  UniqueHandleT(UniqueHandleT&& other) noexcept : handle_(other.release()) {}
  UniqueHandleT& operator=(UniqueHandleT&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandleT(const UniqueHandleT&) = delete;
  UniqueHandleT& operator=(const UniqueHandleT&) = delete;
  ~UniqueHandleT() { reset(); }

  // Attributes
  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return Traits::IsValid(handle_); }

  // Operations
  Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle h = Traits::Invalid()) noexcept {
    Handle old = std::exchange(handle_, h);
    if (Traits::IsValid(old)) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {  // CreateFile and friends: INVALID_HANDLE_VALUE is "none"
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) noexcept { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(Handle h) noexcept { ::CloseHandle(h); }
};

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::FreeLibrary(h); }
};

using UniqueHandle = UniqueHandleT<KernelHandleTraits>;
using UniqueModule = UniqueHandleT<ModuleTraits>;

#pragma once
// Owning wrappers for GDI handles, and live counts of them.
//
// Every wrapper that takes ownership of a handle counts it in a per-kind
// counter and uncounts it when the handle is deleted or released. The
// counters are always on (one relaxed atomic add per create and delete), so
// a leak test can run thousands of operations and check that
// GdiLiveObjects() is back where it started. They count only handles that
// went through these wrappers; GdiProcessObjects() asks the system for its
// own count of the process's GDI objects for comparison.
#include <windows.h>

#include <atomic>
#include <utility>

enum class GdiKind {
  Bitmap,
  Region,
  Font,
  Brush,
  Pen,
  MemoryDC,  // CreateCompatibleDC / DeleteDC
  WindowDC,  // GetDC, GetWindowDC, GetDCEx / ReleaseDC
  PaintDC,   // BeginPaint / EndPaint
  Icon,      // icons and cursors made by LoadImage / CopyImage, DestroyIcon (a USER object)
  Count
};

// Live handles of one kind owned by the wrappers below.
long GdiLiveObjects(GdiKind kind) noexcept;
// Live handles of all kinds together.
long GdiLiveObjects() noexcept;
// The system's count of GDI objects of this process (GetGuiResources), or -1
// when the platform does not report one.
long GdiProcessObjects() noexcept;

namespace gdi_detail {
void CountCreated(GdiKind kind) noexcept;
void CountDeleted(GdiKind kind) noexcept;
}  // namespace gdi_detail

// UniqueGdiObject<Handle, Kind>: one pen, brush, font, bitmap or region,
// deleted with DeleteObject. Move-only. Never delete an object while it is
// selected into a device context: keep a SelectScope shorter-lived than the
// object it selects.
template <typename H, GdiKind K>
class UniqueGdiObject {
 public:
  UniqueGdiObject() noexcept = default;
  // Adopts h (may be null, e.g. a failed Create call).
  explicit UniqueGdiObject(H h) noexcept : handle_(h) {
    if (handle_) gdi_detail::CountCreated(K);
  }
  UniqueGdiObject(UniqueGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueGdiObject(const UniqueGdiObject&) = delete;
  UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
  ~UniqueGdiObject() { reset(); }

  // Attributes
  H get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr; }

  // Operations
  // Deletes the current object (if any) and adopts h.
  void reset(H h = nullptr) noexcept {
    H old = std::exchange(handle_, h);
    if (h) gdi_detail::CountCreated(K);
    if (old) {
      ::DeleteObject(old);
      gdi_detail::CountDeleted(K);
    }
  }
  // Gives up ownership (e.g. a region handed to SetWindowRgn, which then
  // owns it); the handle leaves the live count.
  H release() noexcept {
    H h = std::exchange(handle_, nullptr);
    if (h) gdi_detail::CountDeleted(K);
    return h;
  }

 private:
  H handle_ = nullptr;
};

using UniqueBitmap = UniqueGdiObject<HBITMAP, GdiKind::Bitmap>;
using UniqueRegion = UniqueGdiObject<HRGN, GdiKind::Region>;
using UniqueFont = UniqueGdiObject<HFONT, GdiKind::Font>;
using UniqueBrush = UniqueGdiObject<HBRUSH, GdiKind::Brush>;
using UniquePen = UniqueGdiObject<HPEN, GdiKind::Pen>;

// A memory device context (CreateCompatibleDC), deleted with DeleteDC.
class UniqueMemoryDC {
 public:
  UniqueMemoryDC() noexcept = default;
  // Creates a memory DC compatible with reference (null: the screen).
  static UniqueMemoryDC Create(HDC reference = nullptr) noexcept;
  UniqueMemoryDC(UniqueMemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  UniqueMemoryDC& operator=(UniqueMemoryDC&& other) noexcept;
  UniqueMemoryDC(const UniqueMemoryDC&) = delete;
  UniqueMemoryDC& operator=(const UniqueMemoryDC&) = delete;
  ~UniqueMemoryDC() { reset(); }

  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }
  void reset() noexcept;

 private:
  explicit UniqueMemoryDC(HDC dc) noexcept;
  HDC dc_ = nullptr;
};

// A window's DC from GetDC (client area), GetWindowDC (whole window) or
// GetDCEx, released with ReleaseDC on the same window.
class UniqueWindowDC {
 public:
  UniqueWindowDC() noexcept = default;
  static UniqueWindowDC Client(HWND window) noexcept;       // GetDC
  static UniqueWindowDC WholeWindow(HWND window) noexcept;  // GetWindowDC
  static UniqueWindowDC Ex(HWND window, HRGN clip, DWORD flags) noexcept;  // GetDCEx
  UniqueWindowDC(UniqueWindowDC&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  UniqueWindowDC& operator=(UniqueWindowDC&& other) noexcept;
  UniqueWindowDC(const UniqueWindowDC&) = delete;
  UniqueWindowDC& operator=(const UniqueWindowDC&) = delete;
  ~UniqueWindowDC() { reset(); }

  HDC get() const noexcept { return dc_; }
  HWND window() const noexcept { return window_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }
  void reset() noexcept;

 private:
  UniqueWindowDC(HWND window, HDC dc) noexcept;
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// The screen's logical pixels per inch (96 when it cannot be read).
int ScreenPixelsPerInch() noexcept;

// BeginPaint in the constructor, EndPaint in the destructor. For WM_PAINT
// handlers only. Neither copyable nor movable.
class PaintDC {
 public:
  explicit PaintDC(HWND window) noexcept;
  ~PaintDC();
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;

  HDC get() const noexcept { return dc_; }
  HWND window() const noexcept { return window_; }
  const PAINTSTRUCT& paint() const noexcept { return ps_; }
  // The rectangle to be repainted (PAINTSTRUCT::rcPaint).
  const RECT& rect() const noexcept { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects an object into a DC and selects the previous one back on
// destruction. Neither copyable nor movable.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) noexcept
      : dc_(dc), old_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
  ~SelectScope() {
    if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

  // The object that was selected before (what the destructor restores).
  HGDIOBJ previous() const noexcept { return old_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC in the constructor, RestoreDC in the destructor.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) noexcept : dc_(dc), state_(dc ? ::SaveDC(dc) : 0) {}
  ~SavedDC() {
    if (state_) ::RestoreDC(dc_, state_);
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC dc_;
  int state_;
};

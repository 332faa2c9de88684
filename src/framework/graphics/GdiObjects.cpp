#include "graphics/GdiObjects.h"

namespace {

std::atomic<long> g_live[static_cast<int>(GdiKind::Count)];

}  // namespace

namespace gdi_detail {

void CountCreated(GdiKind kind) noexcept { g_live[static_cast<int>(kind)].fetch_add(1, std::memory_order_relaxed); }

void CountDeleted(GdiKind kind) noexcept { g_live[static_cast<int>(kind)].fetch_sub(1, std::memory_order_relaxed); }

}  // namespace gdi_detail

long GdiLiveObjects(GdiKind kind) noexcept {
  if (kind == GdiKind::Count) return GdiLiveObjects();
  return g_live[static_cast<int>(kind)].load(std::memory_order_relaxed);
}

long GdiLiveObjects() noexcept {
  long total = 0;
  for (const auto& count : g_live) total += count.load(std::memory_order_relaxed);
  return total;
}

long GdiProcessObjects() noexcept {
  ::SetLastError(0);
  DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (count == 0 && ::GetLastError() != 0) return -1;
  return static_cast<long>(count);
}

// UniqueMemoryDC

UniqueMemoryDC::UniqueMemoryDC(HDC dc) noexcept : dc_(dc) {
  if (dc_) gdi_detail::CountCreated(GdiKind::MemoryDC);
}

UniqueMemoryDC UniqueMemoryDC::Create(HDC reference) noexcept { return UniqueMemoryDC(::CreateCompatibleDC(reference)); }

UniqueMemoryDC& UniqueMemoryDC::operator=(UniqueMemoryDC&& other) noexcept {
  if (this != &other) {
    reset();
    dc_ = std::exchange(other.dc_, nullptr);
  }
  return *this;
}

void UniqueMemoryDC::reset() noexcept {
  if (HDC dc = std::exchange(dc_, nullptr)) {
    ::DeleteDC(dc);
    gdi_detail::CountDeleted(GdiKind::MemoryDC);
  }
}

// UniqueWindowDC

UniqueWindowDC::UniqueWindowDC(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {
  if (dc_) gdi_detail::CountCreated(GdiKind::WindowDC);
}

UniqueWindowDC UniqueWindowDC::Client(HWND window) noexcept { return UniqueWindowDC(window, ::GetDC(window)); }

UniqueWindowDC UniqueWindowDC::WholeWindow(HWND window) noexcept {
  return UniqueWindowDC(window, ::GetWindowDC(window));
}

UniqueWindowDC UniqueWindowDC::Ex(HWND window, HRGN clip, DWORD flags) noexcept {
  return UniqueWindowDC(window, ::GetDCEx(window, clip, flags));
}

UniqueWindowDC& UniqueWindowDC::operator=(UniqueWindowDC&& other) noexcept {
  if (this != &other) {
    reset();
    window_ = std::exchange(other.window_, nullptr);
    dc_ = std::exchange(other.dc_, nullptr);
  }
  return *this;
}

void UniqueWindowDC::reset() noexcept {
  if (HDC dc = std::exchange(dc_, nullptr)) {
    ::ReleaseDC(window_, dc);
    gdi_detail::CountDeleted(GdiKind::WindowDC);
  }
  window_ = nullptr;
}

// PaintDC

PaintDC::PaintDC(HWND window) noexcept : window_(window), dc_(::BeginPaint(window, &ps_)) {
  if (dc_) gdi_detail::CountCreated(GdiKind::PaintDC);
}

PaintDC::~PaintDC() {
  if (dc_) {
    ::EndPaint(window_, &ps_);
    gdi_detail::CountDeleted(GdiKind::PaintDC);
  }
}

int ScreenPixelsPerInch() noexcept {
  const UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
  const int ppi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return ppi > 0 ? ppi : 96;
}

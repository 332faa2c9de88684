#include "QELSkinUtilsPlatform.h"

#include <vector>

#include "UniqueHandle.h"

TqelPlatformFlags PlatformFlagsFor(DWORD major, DWORD minor, DWORD platformId) noexcept {
  TqelPlatformFlags flags;
  flags.IsWin95 = major == 4 && minor == 0 && platformId == VER_PLATFORM_WIN32_WINDOWS;
  flags.IsWinXP = major > 4 && minor != 0 && platformId == VER_PLATFORM_WIN32_NT;
  flags.IsWinVista = major == 6 && minor == 0 && platformId == VER_PLATFORM_WIN32_NT;
  return flags;
}

const TqelPlatformFlags& PlatformFlags() noexcept {
  static const TqelPlatformFlags flags = [] {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // The version the system reports to this program (what it was built
    // to run on), as the flags have always been computed.
    if (!::GetVersionExW(&info)) return TqelPlatformFlags{};
#pragma GCC diagnostic pop
    return PlatformFlagsFor(info.dwMajorVersion, info.dwMinorVersion, info.dwPlatformId);
  }();
  return flags;
}

namespace {

using GetScrollBarInfoFn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using GetComboBoxInfoFn = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
using GetAncestorFn = HWND(WINAPI*)(HWND, UINT);
using InternalGetWindowTextFn = int(WINAPI*)(HWND, LPWSTR, int);

// The dynamically resolved entries. Resolution happens on first use; each
// entry is looked up once, and a failure marks all three unavailable.
struct TUser32Entries {
  const wchar_t* library = L"User32.dll";
  UniqueModule module;
  bool tried = false;
  bool unavailable = false;
  GetScrollBarInfoFn getScrollBarInfo = nullptr;
  GetComboBoxInfoFn getComboBoxInfo = nullptr;
  GetAncestorFn getAncestor = nullptr;

  template <typename Fn>
  Fn Resolve(Fn& entry, const char* name) {
    if (!tried) {
      tried = true;
      module.reset(::LoadLibraryW(library));
      if (!module) unavailable = true;
    }
    if (unavailable) return nullptr;
    if (!entry) {
      entry = reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module.get(), name)));
      if (!entry) unavailable = true;
    }
    return unavailable ? nullptr : entry;
  }
};

TUser32Entries& Entries() {
  static TUser32Entries entries;  // the library is freed when the program ends
  return entries;
}

}  // namespace

BOOL TqelUser32::GetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) noexcept {
  TUser32Entries& e = Entries();
  auto fn = e.Resolve(e.getScrollBarInfo, "GetScrollBarInfo");
  return fn ? fn(window, objectId, info) : FALSE;
}

BOOL TqelUser32::GetComboBoxInfo(HWND combo, COMBOBOXINFO* info) noexcept {
  TUser32Entries& e = Entries();
  auto fn = e.Resolve(e.getComboBoxInfo, "GetComboBoxInfo");
  return fn ? fn(combo, info) : FALSE;
}

HWND TqelUser32::GetAncestor(HWND window, UINT flags) noexcept {
  TUser32Entries& e = Entries();
  auto fn = e.Resolve(e.getAncestor, "GetAncestor");
  return fn ? fn(window, flags) : nullptr;
}

bool TqelUser32::Available() noexcept { return !Entries().unavailable; }

void TqelUser32::ResolveFrom(const wchar_t* library) noexcept {
  TUser32Entries& e = Entries();
  e.module.reset();
  e = TUser32Entries{};
  if (library) e.library = library;
}

std::wstring GetWindowTextWide(HWND Window) {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!::GetVersionExW(&info) || info.dwPlatformId != VER_PLATFORM_WIN32_NT) return {};
#pragma GCC diagnostic pop
  static const auto internalGetWindowText = reinterpret_cast<InternalGetWindowTextFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"User32.dll"), "InternalGetWindowText")));
  if (!internalGetWindowText || !Window) return {};
  // The call cannot tell the length; grow the buffer until the text fits.
  std::vector<wchar_t> buffer(256);
  for (;;) {
    const int n = internalGetWindowText(Window, buffer.data(), static_cast<int>(buffer.size()));
    if (n < static_cast<int>(buffer.size()) - 1 || buffer.size() >= (1u << 20)) return std::wstring(buffer.data(), n > 0 ? n : 0);
    buffer.resize(buffer.size() * 4);
  }
}

namespace {

bool NonClientMetrics(NONCLIENTMETRICSW& metrics) {
  metrics = NONCLIENTMETRICSW{};
  metrics.cbSize = sizeof(metrics);
  return ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != FALSE;
}

}  // namespace

void SetCaptionFont(TFont& Font) {
  NONCLIENTMETRICSW metrics;
  if (NonClientMetrics(metrics)) Font.AssignLogFont(metrics.lfCaptionFont);
}

void SetMenuFont(TFont& Font) {
  NONCLIENTMETRICSW metrics;
  if (NonClientMetrics(metrics)) Font.AssignLogFont(metrics.lfMenuFont);
  Font.SetColor(clMenuText);
}

bool PointInRect(int X, int Y, const RECT& Rect) noexcept {
  return X >= Rect.left && X <= Rect.right && Y >= Rect.top && Y <= Rect.bottom;
}

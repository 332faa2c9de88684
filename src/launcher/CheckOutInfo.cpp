#include "CheckOutInfo.h"

#include <string>
#include <string_view>

#include "LauncherTexts.h"

namespace {

std::wstring WindowTitle(HWND window) {
  std::wstring title(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  title.resize(static_cast<std::size_t>(
      ::GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
  return title;
}

}  // namespace

HWND TCheckOutInfo::FindRunningWindow() {
  const std::wstring_view prefix = kAppTitle;
  for (HWND window = ::FindWindowExW(nullptr, nullptr, kMainWindowClass, nullptr); window != nullptr;
       window = ::FindWindowExW(nullptr, window, kMainWindowClass, nullptr)) {
    if (WindowTitle(window).starts_with(prefix)) return window;
  }
  return nullptr;
}

bool TCheckOutInfo::IsAlreadyRunning() noexcept {
  bool result = false;
  try {
    // Deliberately never closed: the name must exist exactly as long as this
    // process does, and the system releases the handle when it ends.
    [[maybe_unused]] const HANDLE mutex = ::CreateMutexW(nullptr, TRUE, kInstanceMutexName);
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS) {
      result = true;
      ::ShowWindowAsync(FindRunningWindow(), SW_SHOWMAXIMIZED);
      ::MessageBoxW(nullptr, kAlreadyRunningText, kWarningCaption, kWarningFlags);
    }
  } catch (...) {
    // The guard never fails: the result is what was decided before.
  }
  return result;
}

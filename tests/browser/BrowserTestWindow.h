#pragma once
// A plain top-level window for hosting a browser in tests, and a bounded
// message pump.
#include <windows.h>

#include <chrono>
#include <functional>

class TTestWindow {
 public:
  TTestWindow(int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BrowserTestWindow";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassW(&wc);  // fails harmlessly when already registered
    handle_ = ::CreateWindowExW(0, L"BrowserTestWindow", L"browser test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, width, height, nullptr, nullptr, wc.hInstance, nullptr);
    ::ShowWindow(handle_, SW_SHOW);
  }
  TTestWindow(const TTestWindow&) = delete;
  TTestWindow& operator=(const TTestWindow&) = delete;
  ~TTestWindow() {
    if (handle_) ::DestroyWindow(handle_);
  }

  HWND Handle() const noexcept { return handle_; }

 private:
  HWND handle_ = nullptr;
};

// Dispatches messages until `done` says so or `limit` passes; returns
// whether `done` became true.
inline bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}

#include "framework/UtilityWindow.h"

#include "framework/Application.h"

namespace {
constexpr wchar_t kClassName[] = L"TFrameworkUtilityWindow";

HINSTANCE Module() noexcept {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&Module), &module);
  return module;
}
}  // namespace

TUtilityWindow::TUtilityWindow(Handler handler) : handler_(std::move(handler)) {
  static const ATOM registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TUtilityWindow::WindowProc;
    wc.hInstance = Module();
    wc.lpszClassName = kClassName;
    return ::RegisterClassExW(&wc);
  }();
  (void)registered;
  window_ = ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, Module(), nullptr);
  if (!window_) throw EOutOfResources("Could not create a utility window");
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TUtilityWindow::~TUtilityWindow() {
  if (window_) {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
  }
}

LRESULT CALLBACK TUtilityWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TUtilityWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && self->handler_) {
    TMessage message{msg, wParam, lParam, 0};
    // A copy: the handler may destroy this window and its owner.
    const Handler handler = self->handler_;
    try {
      if (handler(message)) return message.Result;
    } catch (...) {
      Application.HandleException(Application);
      return 0;
    }
  }
  return ::DefWindowProcW(window, msg, wParam, lParam);
}

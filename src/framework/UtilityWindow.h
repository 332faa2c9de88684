#pragma once
// TUtilityWindow: a hidden message-only window whose messages go to a
// handler, for components without a window of their own (timers). The
// handler returns true for a message it answered (in message.Result);
// the others get the default procedure.
#include <windows.h>

#include <functional>

#include "framework/Messages.h"

class TUtilityWindow {
 public:
  using Handler = std::function<bool(TMessage& message)>;

  explicit TUtilityWindow(Handler handler);
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;

  HWND Handle() const noexcept { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  HWND window_ = nullptr;
};

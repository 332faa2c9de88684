#pragma once
// Helpers shared by the framework's tests: a message pump with a time
// limit, a hook that records what passes a control's WindowProc, and a
// fixture that turns exceptions reported to the application into test
// failures.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "framework/Application.h"
#include "framework/Control.h"
#include "graphics/Bitmap.h"

// Handles messages until done() holds or timeoutMs passes; false on timeout.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > timeoutMs) return false;
    Application.ProcessMessages();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Handles the messages that are waiting now (and those they cause).
inline void Pump() {
  PumpUntil([] { return false; }, 50);
}

// Hooks a control's WindowProc the way a skinning component does, with a
// hook link: records every message, forwards it (unless told to drop it)
// and leaves the chain on Unhook.
class TRecordingHook {
 public:
  explicit TRecordingHook(TControl& control)
      : link_(control, TWndMethod::Bind<&TRecordingHook::Hooked>(this)) {}
  TRecordingHook(const TRecordingHook&) = delete;
  TRecordingHook& operator=(const TRecordingHook&) = delete;

  void Unhook() { link_.Detach(); }
  int Count(UINT msg) const {
    int n = 0;
    for (const TMessage& m : messages) n += m.Msg == msg;
    return n;
  }
  const TMessage* Last(UINT msg) const {
    for (auto it = messages.rbegin(); it != messages.rend(); ++it)
      if (it->Msg == msg) return &*it;
    return nullptr;
  }

  std::vector<TMessage> messages;
  UINT drop = 0;  // a message number to swallow

 private:
  void Hooked(TMessage& m) {
    messages.push_back(m);
    if (m.Msg == drop && drop != 0) return;
    link_.CallNext(m);
  }

  THookLink link_;
};

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application.OnException = [](TObject&, const std::exception& e) {
      ADD_FAILURE() << "exception reported to the application: " << e.what();
    };
  }
  void TearDown() override {
    Pump();
    Application.OnException = nullptr;
  }
};

// The pixel at (x, y) of a bitmap as a COLORREF-style TColor.
inline TColor PixelAt(const TBitmap& bitmap, int x, int y) { return bitmap.Pixel(x, y); }

#pragma once
// Helpers of the wrapper tests: a form with controls that a host's engine
// skins, the standard skinners registered, and readings of the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <string_view>

#include "frame/FrameTestSupport.h"
#include "frame/QELSkinWindow.h"
#include "hook/QELSkinControl.h"
#include "painters/StandardSkinners.h"

class WrapperTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    RegisterStandardSkinners();
    host_ = MakeComponent<TEngineHost>();
    ASSERT_TRUE(engine().Ready());
    form_ = MakeComponent<TTestForm>();
    form_->SetBounds(80, 80, 440, 340);
    form_->SetCaption(L"Wrappers");
  }
  void TearDown() override {
    form_.reset();
    host_.reset();
    FrameworkTest::TearDown();
  }

  TqelSkinEngine& engine() { return *host_->Engine; }
  TTestForm& form() { return *form_; }

  // A control of the form, shown on it.
  template <typename T>
  T* Add(int left, int top, int width, int height) {
    T* c = form_->Create<T>();
    c->SetParent(form_.get());
    c->SetBounds(left, top, width, height);
    return c;
  }
  // Shows the form in front and skins it with its controls.
  void SkinForm() {
    form_->Show();
    ::SetForegroundWindow(form_->Handle());
    Pump();
    engine().SkinWindow(form_->Handle(), false);
    Pump();
  }
  TqelSkinWindow* Frame() { return engine().FindSkinWindow(form_->Handle()); }

  // The wrapper of control, or null.
  template <typename W = TqelSkinControl>
  W* WrapperOf(const TControl& control) {
    TqelSkinWindow* frame = Frame();
    for (int i = 0; frame && i < frame->ChildWrapperCount(); ++i)
      if (frame->ChildWrappers(i)->Control() == &control) return dynamic_cast<W*>(frame->ChildWrappers(i));
    return nullptr;
  }
  int CountComponents(std::string_view className) {
    int n = 0;
    for (int i = 0; i < form_->ComponentCount(); ++i) n += form_->Components(i)->ClassName() == className;
    return n;
  }

  TOwned<TEngineHost> host_;
  TOwned<TTestForm> form_;
};

// What the screen shows of a window: its whole area (client == false) or
// its client area.
inline TBitmap ScreenOf(HWND window, bool client) {
  RECT r{};
  if (client) ::GetClientRect(window, &r);
  else {
    ::GetWindowRect(window, &r);
    ::OffsetRect(&r, -r.left, -r.top);
  }
  TBitmap b(r.right, r.bottom);
  HDC dc = client ? ::GetDC(window) : ::GetWindowDC(window);
  ::BitBlt(b.Canvas().Handle(), 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
  ::ReleaseDC(window, dc);
  return b;
}

// The count of pixels in which two bitmaps of one size differ (-1: sizes differ).
inline int DifferingPixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += (a.ScanLine(y)[x] & 0xFFFFFF) != (b.ScanLine(y)[x] & 0xFFFFFF);
  return n;
}

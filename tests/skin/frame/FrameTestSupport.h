#pragma once
// Helpers of the frame tests: a host form carrying an engine with the
// built-in skin, skinned test forms, captures and the skin's own pictures.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "FrameworkTesting.h"
#include "SkinTestSupport.h"
#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Form.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

// The form that carries the engine (kept off screen and never skinned by
// the tests themselves).
class TEngineHost : public TForm {
  FW_CLASS(TEngineHost, TForm)
 public:
  explicit TEngineHost(TComponent* owner) : TForm(owner) {
    SetBounds(-2000, -2000, 200, 100);
    Engine = Create<TqelSkinEngine>();
    Engine->SetSkinAllForms(false);
    Engine->SetSkinFile(BuiltInSkin().wstring());
    Engine->SetActive(true);
  }
  static std::vector<TPropInfo> PublishedProperties() { return {}; }
  TqelSkinEngine* Engine = nullptr;
};

class TTestForm : public TForm {
  FW_CLASS(TTestForm, TForm)
 public:
  explicit TTestForm(TComponent* owner) : TForm(owner) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }
};

class FrameTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    host_ = MakeComponent<TEngineHost>();
    ASSERT_TRUE(engine().Ready());
  }
  void TearDown() override {
    forms_.clear();
    host_.reset();
    FrameworkTest::TearDown();
  }
  TqelSkinEngine& engine() { return *host_->Engine; }

  // A shown form of a border style, skinned.
  TTestForm* MakeForm(TFormBorderStyle style, int width = 300, int height = 200, const wchar_t* caption = L"Frame") {
    forms_.push_back(MakeComponent<TTestForm>());
    TTestForm* f = forms_.back().get();
    f->SetBorderStyle(style);
    f->SetBounds(60, 60, width, height);
    f->SetCaption(caption);
    f->Show();
    Pump();
    engine().SkinWindow(f->Handle(), false);
    Pump();
    return f;
  }
  TqelSkinWindow* FrameOf(TTestForm* f) { return engine().FindSkinWindow(f->Handle()); }

  TOwned<TEngineHost> host_;
  std::vector<TOwned<TTestForm>> forms_;
};

// The whole window as PrintWindow draws it (the frame answers WM_PRINT).
inline TBitmap CaptureWindow(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  TBitmap b(r.right - r.left, r.bottom - r.top);
  ::PrintWindow(window, b.Canvas().Handle(), 0);
  return b;
}

// What the window shows on the screen now, read from its window DC.
inline TBitmap ScreenOfWindow(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  TBitmap b(r.right - r.left, r.bottom - r.top);
  HDC dc = ::GetWindowDC(window);
  ::BitBlt(b.Canvas().Handle(), 0, 0, b.Width(), b.Height(), dc, 0, 0, SRCCOPY);
  ::ReleaseDC(window, dc);
  return b;
}

// Saves a capture for looking at when REPAIR_FRAME_CAPTURES names a folder.
inline void KeepCapture(const TBitmap& b, const char* name) {
  if (const char* dir = std::getenv("REPAIR_FRAME_CAPTURES"))
    b.SaveToFile(std::filesystem::path(dir) / (std::string(name) + ".bmp"), 24);
}

// Moves the real cursor to a point of the window and tells the window the
// mouse moved over its caption.
inline void HoverAt(HWND window, POINT inWindow) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::SetCursorPos(r.left + inWindow.x, r.top + inWindow.y);
  ::SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(r.left + inWindow.x, r.top + inWindow.y));
}

inline void NcButton(HWND window, UINT msg, POINT inWindow, WPARAM hit = HTCAPTION) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::SetCursorPos(r.left + inWindow.x, r.top + inWindow.y);
  ::SendMessageW(window, msg, hit, MAKELPARAM(r.left + inWindow.x, r.top + inWindow.y));
}

// The next WM_SYSCOMMAND posted to window (0 when none), taken off the queue.
inline WPARAM TakePostedSysCommand(HWND window) {
  MSG msg;
  WPARAM command = 0;
  while (::PeekMessageW(&msg, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) command = msg.wParam & 0xFFF0;
  return command;
}

// Pixels of part of a capture against part of a skin picture scaled
// nearest-pixel into it (only those inside `only` when given); pixels of
// `transparent` in the picture are expected in `under`. Returns how many
// differ.
inline int CountDifferent(const TBitmap& capture, RECT at, const TBitmap& picture, RECT source,
                          TColor transparent = clNone, TColor under = clNone, const RECT* only = nullptr) {
  int wrong = 0;
  const int dw = at.right - at.left, dh = at.bottom - at.top;
  const int sw = source.right - source.left, sh = source.bottom - source.top;
  const std::uint32_t key = transparent == clNone ? 0xFFFFFFFFu : ColorToPixel(transparent);
  for (int y = 0; y < dh; ++y)
    for (int x = 0; x < dw; ++x) {
      std::uint32_t want = Px(picture, source.left + x * sw / dw, source.top + y * sh / dh);
      if (want == key) want = ColorToPixel(under);
      if (only && (at.left + x < only->left || at.left + x >= only->right || at.top + y < only->top ||
                   at.top + y >= only->bottom))
        continue;
      wrong += Px(capture, at.left + x, at.top + y) != want;
    }
  return wrong;
}

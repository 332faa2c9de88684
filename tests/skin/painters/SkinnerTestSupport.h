#pragma once
// Helpers of the skinner tests: a form whose controls are made first and
// then skinned by an engine with the built-in skin, the wrapper a control
// got, and what a control shows on the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "FrameworkTesting.h"
#include "SkinTestSupport.h"
#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindow.h"
#include "framework/Form.h"
#include "framework/WinControl.h"
#include "graphics/Bitmap.h"
#include "hook/QELSkinControl.h"
#include "painters/PainterSkin.h"
#include "painters/StandardSkinners.h"

class TSkinnerEngineHost : public TForm {
  FW_CLASS(TSkinnerEngineHost, TForm)
 public:
  explicit TSkinnerEngineHost(TComponent* owner) : TForm(owner) {
    SetBounds(-2000, -2000, 200, 100);
    Engine = Create<TqelSkinEngine>();
    Engine->SetSkinAllForms(false);
    Engine->SetDisabledTag(9999);
    Engine->SetSkinFile(BuiltInSkin().wstring());
    Engine->SetActive(true);
  }
  static std::vector<TPropInfo> PublishedProperties() { return {}; }
  TqelSkinEngine* Engine = nullptr;
};

class TSkinnerForm : public TForm {
  FW_CLASS(TSkinnerForm, TForm)
 public:
  explicit TSkinnerForm(TComponent* owner) : TForm(owner) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }
};

class SkinnerTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    RegisterStandardSkinners();
    host_ = MakeComponent<TSkinnerEngineHost>();
    ASSERT_TRUE(engine().Ready());
  }
  void TearDown() override {
    form_.reset();
    host_.reset();
    FrameworkTest::TearDown();
  }
  TqelSkinEngine& engine() { return *host_->Engine; }
  TPainterSkin skin() { return TPainterSkin::Of(engine()); }

  // A new shown form; build makes its controls (owned by and parented to
  // it) before it is skinned.
  TSkinnerForm& MakeForm(const std::function<void(TSkinnerForm&)>& build, int width = 420, int height = 320) {
    form_ = MakeComponent<TSkinnerForm>();
    TSkinnerForm& f = *form_;
    f.SetBounds(40, 40, width, height);
    f.SetCaption(L"Skinners");
    build(f);
    f.Show();
    Pump();
    engine().SkinWindow(f.Handle(), false);
    Pump();
    ::RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    return f;
  }
  template <typename T>
  T* Add(TSkinnerForm& f, int left, int top, int width, int height) {
    T* c = f.Create<T>();
    c->SetParent(&f);
    c->SetBounds(left, top, width, height);
    return c;
  }
  TqelSkinWindow* Frame() { return form_ ? engine().FindSkinWindow(form_->Handle()) : nullptr; }
  // The wrapper the form's frame made for control, or null.
  TqelSkinControl* WrapperOf(const TControl* control) {
    TqelSkinWindow* frame = Frame();
    if (!frame) return nullptr;
    for (int i = 0; i < frame->ChildWrapperCount(); ++i)
      if (frame->ChildWrappers(i)->Control() == control) return frame->ChildWrappers(i);
    return nullptr;
  }

  TOwned<TSkinnerEngineHost> host_;
  TOwned<TSkinnerForm> form_;
};

// What a window's client area shows on the screen now.
inline TBitmap ScreenOfClient(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  TBitmap b(r.right, r.bottom);
  HDC dc = ::GetDC(window);
  ::BitBlt(b.Canvas().Handle(), 0, 0, b.Width(), b.Height(), dc, 0, 0, SRCCOPY);
  ::ReleaseDC(window, dc);
  return b;
}

// Saves what a window shows for looking at, when REPAIR_PAINTER_CAPTURES
// names a folder.
inline void KeepScreen(HWND window, const char* name) {
  const char* dir = std::getenv("REPAIR_PAINTER_CAPTURES");
  if (!dir) return;
  RECT r{};
  ::GetWindowRect(window, &r);
  TBitmap b(r.right - r.left, r.bottom - r.top);
  HDC dc = ::GetWindowDC(window);
  ::BitBlt(b.Canvas().Handle(), 0, 0, b.Width(), b.Height(), dc, 0, 0, SRCCOPY);
  ::ReleaseDC(window, dc);
  b.SaveToFile((std::filesystem::path(dir) / (std::string(name) + ".bmp")).wstring(), 24);
}

// The pixels in which two equal-sized bitmaps differ.
inline int CountDifferentPixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int wrong = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) wrong += Px(a, x, y) != Px(b, x, y);
  return wrong;
}

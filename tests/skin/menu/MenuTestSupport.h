#pragma once
// Helpers of the menu-bar and MDI tests: skinned forms with a main menu,
// MDI main forms and children, real input, watching the pop-up menus that
// open, and captures of the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "comctrls/ComCtrlsTesting.h"
#include "frame/FrameTestSupport.h"
#include "framework/Menus.h"
#include "menu/QELSkinFormMenus.h"
#include "menu/QELSkinMenuBar.h"

// A form whose main menu is File (New Ctrl+N, Open F5), Edit (Cut, Copy)
// and Help (no sub-items); every click is written to Picked.
class TMenuForm : public TForm {
  FW_CLASS(TMenuForm, TForm)
 public:
  explicit TMenuForm(TComponent* owner) : TForm(owner) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  TMainMenu* AddMenu(const std::wstring& prefix = L"") {
    Menu = Create<TMainMenu>();
    File = Menu->Items().AddItem(prefix + L"&File");
    Item(File, L"New")->SetShortCut(ShortCut('N', ssCtrl));
    Item(File, L"Open")->SetShortCut(VK_F5);
    Edit = Menu->Items().AddItem(prefix + L"&Edit");
    Item(Edit, L"Cut");
    Item(Edit, L"Copy");
    Help = Menu->Items().AddItem(prefix + L"&Help");
    Help->OnClick = [this](TObject&) { Picked += L"Help "; };
    Menu->AttachTo(this);
    return Menu;
  }
  TMenuItem* Item(TMenuItem* parent, const std::wstring& caption) {
    TMenuItem* item = parent->AddItem(caption);
    item->OnClick = [this, item](TObject&) { Picked += item->Caption() + L" "; };
    return item;
  }

  TMainMenu* Menu = nullptr;
  TMenuItem *File = nullptr, *Edit = nullptr, *Help = nullptr;
  std::wstring Picked;
};

class MenuBarTest : public FrameTest {
 protected:
  void TearDown() override {
    menuForms_.clear();
    FrameTest::TearDown();
  }

  // A shown, skinned form (with the main menu above when withMenu) and a
  // panel at (10, 10).
  TMenuForm* MakeMenuForm(bool withMenu, TFormStyle style = fsNormal, int width = 360, int height = 260) {
    menuForms_.push_back(MakeComponent<TMenuForm>());
    TMenuForm* f = menuForms_.back().get();
    f->SetFormStyle(style);
    f->SetBounds(60, 60, width, height);
    f->SetCaption(withMenu ? L"Menu" : L"Plain");
    if (withMenu) f->AddMenu();
    f->Show();
    ::SetForegroundWindow(f->Handle());
    Pump();
    engine().SkinWindow(f->Handle(), false);
    Pump();
    return f;
  }
  TqelSkinWindowVCL* VclFrame(TCustomForm* f) {
    return dynamic_cast<TqelSkinWindowVCL*>(engine().FindSkinWindow(f->Handle()));
  }
  TqelSkinFormMenus& Menus(TCustomForm* f) { return *VclFrame(f)->Menus(); }
  TqelSkinMenuBar& Bar(TCustomForm* f) { return Menus(f).MenuBar(); }
  // The centre of a bar button in the bar's client coordinates.
  static POINT Centre(TToolButton* b) { return POINT{b->Left() + b->Width() / 2, b->Top() + b->Height() / 2}; }

  std::vector<TOwned<TMenuForm>> menuForms_;
};

// The whole screen as it is now.
inline TBitmap CaptureScreen() {
  const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
  TBitmap b(w, h);
  HDC screen = ::GetDC(nullptr);
  ::BitBlt(b.Canvas().Handle(), 0, 0, w, h, screen, 0, 0, SRCCOPY);
  ::ReleaseDC(nullptr, screen);
  return b;
}

// Runs look(menu window) once, the first time a pop-up menu is seen, then
// closes the menus; true when one was seen within the time.
class TPopupWatch {
 public:
  explicit TPopupWatch(std::function<void(HWND)> look) {
    look_ = std::move(look);
    seen_ = false;
    ticks_ = 0;
    timer_ = ::SetTimer(nullptr, 0, 40, &TPopupWatch::Tick);
  }
  ~TPopupWatch() { ::KillTimer(nullptr, timer_); }
  static bool Seen() { return seen_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (seen_ || ++ticks_ > 150) return;
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    if (!menu || !::IsWindowVisible(menu)) return;
    seen_ = true;
    if (look_) look_(menu);
    ::EndMenu();
  }
  static inline std::function<void(HWND)> look_;
  static inline bool seen_ = false;
  static inline int ticks_ = 0;
  UINT_PTR timer_ = 0;
};

// How a skinned frame behaves: title buttons and double-clicks post their
// commands, opted-out forms pass through, hooks leave in any order, the
// platform's caption never shows through, maximized windows fill the work
// area, the system menu opens from the keyboard and the caption, raw
// dialogs keep their client size, and painting leaks nothing.
#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "QELSkinUtilsForms.h"
#include "frame/QELSkinWindowWnd.h"
#include "framework/HookLink.h"
#include "framework/Screen.h"
#include "graphics/GdiObjects.h"

namespace {

// Presses and releases the left button at a point of the window's frame.
WPARAM ClickFrame(HWND h, POINT p) {
  NcButton(h, WM_NCLBUTTONDOWN, p);
  NcButton(h, WM_NCLBUTTONUP, p);
  return TakePostedSysCommand(h);
}

// Dismisses the next popup menu that appears, and tells whether one did.
struct TMenuWatch {
  static inline bool seen = false;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    if (::FindWindowW(L"#32768", nullptr)) {
      seen = true;
      ::EndMenu();
    }
    static int ticks = 0;
    if (seen || ++ticks > 100) ::KillTimer(nullptr, id);
  }
  TMenuWatch() {
    seen = false;
    ::SetTimer(nullptr, 0, 30, &TMenuWatch::Tick);
  }
};

}  // namespace

// The middle of the n-th title button from the right (0: close).
static POINT ButtonPoint(HWND h, int n) {
  RECT r{};
  ::GetWindowRect(h, &r);
  return POINT{r.right - r.left - 16 - 20 * n, 18};
}

TEST_F(FrameTest, TitleButtonsAndDoubleClicksPostTheirCommands) {
  TTestForm* sizeable = MakeForm(bsSizeable);
  HWND h = sizeable->Handle();
  // Each button posts (never sends) its command, on release over the
  // button it was pressed on.
  TRecordingHook seen(*sizeable);
  EXPECT_EQ(ClickFrame(h, ButtonPoint(h, 0)), static_cast<WPARAM>(SC_CLOSE));
  EXPECT_EQ(ClickFrame(h, ButtonPoint(h, 1)), static_cast<WPARAM>(SC_MAXIMIZE));
  EXPECT_EQ(ClickFrame(h, ButtonPoint(h, 2)), static_cast<WPARAM>(SC_MINIMIZE));
  EXPECT_EQ(seen.Count(WM_SYSCOMMAND), 0) << "commands are posted";
  NcButton(h, WM_NCLBUTTONDOWN, ButtonPoint(h, 0));
  NcButton(h, WM_NCLBUTTONUP, ButtonPoint(h, 1));
  EXPECT_EQ(TakePostedSysCommand(h), 0u) << "released over another button";
  seen.Unhook();

  // Double-click on the caption toggles maximize; on the icon it closes.
  NcButton(h, WM_NCLBUTTONDBLCLK, {150, 18});
  EXPECT_EQ(TakePostedSysCommand(h), static_cast<WPARAM>(SC_MAXIMIZE));
  ::ShowWindow(h, SW_MAXIMIZE);
  Pump();
  // Maximized, the window fills its monitor's work area exactly, and its
  // caption cannot be dragged.
  RECT r{};
  ::GetWindowRect(h, &r);
  const RECT work = Screen.MonitorFromWindow(h).WorkareaRect;
  EXPECT_TRUE(::EqualRect(&r, &work)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  NcButton(h, WM_NCLBUTTONDBLCLK, {150, 18});
  EXPECT_EQ(TakePostedSysCommand(h), static_cast<WPARAM>(SC_RESTORE));
  ::ShowWindow(h, SW_RESTORE);
  Pump();
  NcButton(h, WM_NCLBUTTONDBLCLK, {25, 14});
  EXPECT_EQ(TakePostedSysCommand(h), static_cast<WPARAM>(SC_CLOSE));

  // A dialog has only the close button (where a maximize button would be
  // is its caption); double-clicking its caption does nothing, and the
  // system menu offers close alone.
  TTestForm* dialog = MakeForm(bsDialog);
  HWND d = dialog->Handle();
  EXPECT_EQ(FrameOf(dialog)->Geometry().ButtonAt(ButtonPoint(d, 1)), tbNone);
  EXPECT_EQ(ClickFrame(d, ButtonPoint(d, 0)), static_cast<WPARAM>(SC_CLOSE));
  NcButton(d, WM_NCLBUTTONDBLCLK, {150, 18});
  EXPECT_EQ(TakePostedSysCommand(d), 0u);
  TqelSkinWindow* frame = FrameOf(dialog);
  ::RedrawWindow(d, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(frame->CanClose());
  EXPECT_FALSE(frame->CanMaximize());
  EXPECT_FALSE(frame->CanMinimize());
}

TEST_F(FrameTest, OptedOutFormsPassThroughAndHooksLeaveInAnyOrder) {
  // A form whose Tag is the engine's DisabledTag keeps the platform frame.
  forms_.push_back(MakeComponent<TTestForm>());
  TTestForm* plain = forms_.back().get();
  plain->SetTag(engine().DisabledTag());
  plain->SetBounds(80, 80, 300, 200);
  plain->Show();
  Pump();
  RECT before{};
  ::GetClientRect(plain->Handle(), &before);
  const LRESULT platformHit = ::SendMessageW(plain->Handle(), WM_NCHITTEST, 0, MAKELPARAM(80 + 150, 80 + 2));
  engine().SkinWindow(plain->Handle(), false);
  ASSERT_NE(FrameOf(plain), nullptr);
  EXPECT_FALSE(FrameOf(plain)->SkinApplied());
  RECT after{};
  ::GetClientRect(plain->Handle(), &after);
  EXPECT_TRUE(::EqualRect(&before, &after));
  EXPECT_EQ(::SendMessageW(plain->Handle(), WM_NCHITTEST, 0, MAKELPARAM(80 + 150, 80 + 2)), platformHit);

  // Hooks below and above the frame's link go in any order; the frame and
  // the form keep working in between.
  ::SetCursorPos(0, 1000);
  TTestForm* form = MakeForm(bsSizeable);
  HWND h = form->Handle();
  engine().UnskinWindow(h);
  int below = 0, above = 0;
  struct TCounter {
    int* count;
    THookLink link;
    void Hooked(TMessage& m) {
      if (m.Msg == WM_NCHITTEST) ++*count;
      link.CallNext(m);
    }
  };
  TCounter low{&below, {}}, high{&above, {}};
  low.link.Attach(*form, TWndMethod::Bind<&TCounter::Hooked>(&low));
  engine().SkinWindow(h, false);
  high.link.Attach(*form, TWndMethod::Bind<&TCounter::Hooked>(&high));
  RECT r{};
  ::GetWindowRect(h, &r);
  const LPARAM onClose = MAKELPARAM(r.right - 16, r.top + 18);
  const LPARAM onTopEdge = MAKELPARAM(r.left + 150, r.top + 2);
  EXPECT_EQ(::SendMessageW(h, WM_NCHITTEST, 0, onClose), HTCAPTION);
  low.link.Detach();
  EXPECT_EQ(::SendMessageW(h, WM_NCHITTEST, 0, onTopEdge), HTTOP);
  engine().UnskinWindow(h);
  ::SendMessageW(h, WM_NCHITTEST, 0, onClose);
  high.link.Detach();
  EXPECT_EQ(below, 1);
  EXPECT_EQ(above, 3);
  EXPECT_EQ(::GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU, WS_SYSMENU) << "the form's own style is back";
}

TEST_F(FrameTest, ThePlatformsCaptionNeverShowsThrough) {
  TTestForm* form = MakeForm(bsSizeable, 300, 200, L"Before");
  HWND h = form->Handle();
  ::SetCursorPos(0, 1000);
  // What reaches the screen is what the frame composed, right after each
  // change that makes the platform paint its own caption.
  auto shows = [&](const char* what) {
    const TBitmap screen = ScreenOfWindow(h);
    const TBitmap mine = CaptureWindow(h);
    int wrong = 0;
    for (int y = 6; y < 31; ++y)  // below the cut corners
      for (int x = 0; x < screen.Width(); ++x) wrong += Px(screen, x, y) != Px(mine, x, y);
    EXPECT_EQ(wrong, 0) << what;
  };
  ::UpdateWindow(h);
  shows("shown");
  ::SetWindowTextW(h, L"After the change");
  shows("WM_SETTEXT");
  form->SetCaption(L"Through the form");
  shows("Caption");
  ::SendMessageW(h, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(::LoadIconW(nullptr, IDI_APPLICATION)));
  shows("WM_SETICON");
  ::SendMessageW(h, WM_NCACTIVATE, FALSE, 0);
  shows("WM_NCACTIVATE");
  ::SendMessageW(h, 0xAE, 0, 0);
  ::SendMessageW(h, 0xAF, 0, 0);
  shows("0xAE/0xAF");
  ::SendMessageW(h, WM_NCPAINT, 1, 0);
  shows("WM_NCPAINT");
}

TEST_F(FrameTest, SystemMenuOpensFromTheKeyboardAndTheCaption) {
  TTestForm* form = MakeForm(bsSizeable);
  HWND h = form->Handle();
  {
    TMenuWatch watch;
    ::SendMessageW(h, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
    EXPECT_TRUE(TMenuWatch::seen) << "Alt+Space";
  }
  EXPECT_EQ(engine().SystemMenuWindow(), FrameOf(form));
  {
    TMenuWatch watch;
    NcButton(h, WM_NCRBUTTONDOWN, {150, 18});
    EXPECT_TRUE(TMenuWatch::seen) << "right click on the caption";
  }
  // The menu's commands act on the frame it was shown for.
  engine().SystemMenu().Items().Items(0)->Click();
  EXPECT_EQ(TakePostedSysCommand(h), static_cast<WPARAM>(SC_MINIMIZE));
}

TEST_F(FrameTest, RawDialogKeepsItsClientSizeAndEndsWithItsWindow) {
  // A standard dialog, skinned here rather than by the engine's hook.
  engine().SetSkinDialogs(false);
  static_assert(sizeof(DLGTEMPLATE) == 18);
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title;
  } tmpl{{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME, 0, 0, 40, 40, 160, 80}, 0, 0, 0};
  HWND d = ::CreateDialogIndirectParamW(nullptr, &tmpl.t, nullptr,
                                        [](HWND, UINT msg, WPARAM, LPARAM) -> INT_PTR { return msg == WM_INITDIALOG; },
                                        0);
  ASSERT_NE(d, nullptr);
  Pump();
  RECT before{};
  ::GetClientRect(d, &before);
  engine().SkinWindow(d, true);
  auto* frame = dynamic_cast<TqelSkinWindowWnd*>(engine().FindSkinWindow(d));
  ASSERT_NE(frame, nullptr);
  RECT after{};
  ::GetClientRect(d, &after);
  EXPECT_EQ(after.right, before.right);
  EXPECT_EQ(after.bottom, before.bottom);
  EXPECT_EQ(::GetWindowLongPtrW(d, GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_EQ(::SendMessageW(d, WM_CTLCOLORDLG, 0, 0), reinterpret_cast<LRESULT>(engine().FormBrush()));
  EXPECT_EQ(::SendMessageW(d, QM_SKINNEDQUERY, 0, 0), 1);
  const TBitmap c = CaptureWindow(d);
  KeepCapture(c, "raw_dialog");
  // Gone with its window, remembered as the last destroyed dialog.
  ::DestroyWindow(d);
  EXPECT_EQ(engine().FindSkinWindow(d), nullptr);
  EXPECT_EQ(TqelSkinEngine::LastDestroyedDialog(), d);
  TqelSkinEngine::SetLastDestroyedDialog(nullptr);
}

TEST_F(FrameTest, TenThousandPaintsLeaveTheGdiCountsAlone) {
  TTestForm* form = MakeForm(bsSizeable, 300, 200, L"Leak");
  TqelSkinWindow* frame = FrameOf(form);
  frame->PaintFrame();
  form->SetCaption(L"Leak check");
  const long before = GdiLiveObjects();
  for (int i = 0; i < 10000; ++i) frame->PaintFrame();
  EXPECT_EQ(GdiLiveObjects(), before);
}

TEST_F(FrameTest, HighContrastGivesWindowsThePlatformLookAndBack) {
  static bool contrast = false;
  TqelSkinEngine::SetHighContrastProbe([] { return contrast; });
  TTestForm* form = MakeForm(bsSizeable, 300, 200, L"Contrast");
  HWND h = form->Handle();
  RECT r{};
  ::GetWindowRect(h, &r);
  const LPARAM onClose = MAKELPARAM(r.right - 16, r.top + 18);
  ASSERT_TRUE(FrameOf(form)->SkinApplied());
  EXPECT_EQ(::SendMessageW(h, WM_NCHITTEST, 0, onClose), HTCAPTION);

  // Switched on while the window is skinned: the window hears it and
  // every frame stands aside; a new window is left alone by the hook.
  contrast = true;
  ::SendMessageW(h, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  EXPECT_FALSE(FrameOf(form)->SkinApplied());
  EXPECT_NE(::GetWindowLongPtrW(h, GWL_STYLE) & WS_CAPTION, 0) << "the platform caption is back";
  EXPECT_NE(::SendMessageW(h, WM_NCHITTEST, 0, onClose), HTCAPTION);
  forms_.push_back(MakeComponent<TTestForm>());
  forms_.back()->Show();
  Pump();
  EXPECT_FALSE(engine().FindSkinWindow(forms_.back()->Handle()) &&
               engine().FindSkinWindow(forms_.back()->Handle())->SkinApplied());

  // Switched off again: the skin comes back.
  contrast = false;
  ::SendMessageW(h, WM_SYSCOLORCHANGE, 0, 0);
  TqelSkinEngine::SetHighContrastProbe(nullptr);
  EXPECT_TRUE(FrameOf(form)->SkinApplied());
  ::GetWindowRect(h, &r);
  EXPECT_EQ(::SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(r.right - 16, r.top + 18)), HTCAPTION);
}

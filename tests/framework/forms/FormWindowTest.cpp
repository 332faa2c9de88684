// What a form's window shows of the form: its icons, its size limits, its
// window state, and the screen's order of forms.
#include <gtest/gtest.h>

#include "FrameworkTesting.h"
#include "dialogs/DialogButton.h"
#include "framework/Form.h"
#include "framework/Timer.h"
#include "framework/Screen.h"
#include "graphics/GdiObjects.h"
#include "forms/FormsTesting.h"

namespace {

constexpr std::uint32_t kGreen = 0x00FF00;

HICON WindowIcon(HWND window, WPARAM which) {
  return reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, which, 0));
}

// A one-colour 32 x 32 icon made in memory.
HICON SolidIcon(TColor colour) {
  TBitmap image(32, 32);
  image.Fill(colour);
  TBitmap mask(32, 32);
  mask.Fill(clBlack);  // all opaque
  ICONINFO info{TRUE, 0, 0, mask.Handle(), image.Handle()};
  return ::CreateIconIndirect(&info);
}

class FormWindowTest : public FrameworkTest {};

TEST_F(FormWindowTest, TheWindowShowsTheFormsIconElseTheApplications) {
  TIcon& appIcon = Application.Icon();
  const long before = GdiLiveObjects(GdiKind::Icon);
  ASSERT_FALSE(appIcon.Empty()) << "the program's MAINICON";
  {
    TOwned<TForm> plain = MakeComponent<TForm>();
    TOwned<TForm> own = MakeComponent<TForm>();
    ASSERT_TRUE(own->Icon().LoadFromResourceID(nullptr, 101, 32, 32));
    EXPECT_EQ(GetObjectProp<TIcon>(*own, "Icon", "TIcon"), &own->Icon());
    plain->Show();
    own->Show();
    // Big and small icons; the small one is the source's 16 x 16 image.
    EXPECT_EQ(WindowIcon(plain->Handle(), ICON_BIG), appIcon.Handle());
    EXPECT_EQ(IconMiddleColour(WindowIcon(plain->Handle(), ICON_SMALL), 16), kIconRed);
    EXPECT_EQ(WindowIcon(own->Handle(), ICON_BIG), own->Icon().Handle());
    EXPECT_EQ(IconMiddleColour(WindowIcon(own->Handle(), ICON_SMALL), 16), kIconRed);

    // A new application icon reaches forms without their own.
    HICON green = SolidIcon(clLime);
    appIcon.SetHandle(green);
    ::DestroyIcon(green);
    EXPECT_EQ(WindowIcon(plain->Handle(), ICON_BIG), appIcon.Handle());
    EXPECT_EQ(IconMiddleColour(WindowIcon(plain->Handle(), ICON_SMALL), 16), kGreen);
    EXPECT_EQ(WindowIcon(own->Handle(), ICON_BIG), own->Icon().Handle());
    // Dropping the form's icon falls back to the application's; the window
    // icon survives re-creation.
    own->Icon().Clear();
    own->SetBorderStyle(bsSingle);
    EXPECT_EQ(WindowIcon(own->Handle(), ICON_BIG), appIcon.Handle());
    EXPECT_EQ(IconMiddleColour(WindowIcon(own->Handle(), ICON_BIG), 32), kGreen);
    ASSERT_TRUE(appIcon.LoadFromResourceName(nullptr, L"MAINICON"));
    EXPECT_EQ(IconMiddleColour(WindowIcon(own->Handle(), ICON_BIG), 32), kIconBlue);
  }
  EXPECT_EQ(GdiLiveObjects(GdiKind::Icon), before);
}

TEST_F(FormWindowTest, ConstraintsHoldWhenTheWindowIsSizedOrMaximized) {
  TOwned<TForm> form = MakeComponent<TForm>();
  ASSERT_NE(FindProperty(*form, "Constraints"), nullptr);
  EXPECT_EQ(FindProperty(*form, "Constraints")->TypeName, "TSizeConstraints");
  form->SetBounds(50, 50, 400, 300);
  form->SetConstraints({200, 150, 500, 350});
  EXPECT_EQ(GetObjectProp<TSizeConstraints>(*form, "Constraints", "TSizeConstraints")->MaxWidth, 500);
  form->Show();
  HWND window = form->Handle();
  auto windowSize = [&] {
    RECT r{};
    ::GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  };
  struct Case {
    int width, height, expectWidth, expectHeight;
  };
  for (const Case& c : {Case{900, 900, 500, 350}, Case{10, 10, 200, 150}, Case{300, 250, 300, 250}}) {
    // The platform's own sizing (as when the user drags the border).
    ::SetWindowPos(window, nullptr, 0, 0, c.width, c.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(windowSize().cx, c.expectWidth);
    EXPECT_EQ(windowSize().cy, c.expectHeight);
    EXPECT_EQ(form->Width(), c.expectWidth);
    // And the framework's.
    form->SetBounds(50, 50, c.width, c.height);
    EXPECT_EQ(windowSize().cx, c.expectWidth);
  }
  MINMAXINFO info{};
  ::SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMaxTrackSize.y, 350);
  form->SetWindowState(wsMaximized);
  EXPECT_LE(windowSize().cx, 500);
  EXPECT_LE(windowSize().cy, 350);
}

TEST_F(FormWindowTest, WindowStateFollowsTheWindowBothWays) {
  TOwned<TForm> form = MakeComponent<TForm>();
  form->SetBounds(40, 40, 300, 200);
  form->SetWindowState(wsMaximized);  // before the window: applied when shown
  form->Show();
  HWND window = form->Handle();
  EXPECT_TRUE(::IsZoomed(window));
  struct Step {
    const char* what;
    std::function<void()> act;
    TWindowState expected;
  };
  const Step steps[] = {
      {"restore from the system menu", [&] { ::SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0); }, wsNormal},
      {"minimize from the system menu", [&] { ::SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0); }, wsMinimized},
      {"maximize from the system menu", [&] { ::SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0); }, wsMaximized},
      {"minimize by the platform", [&] { ::ShowWindow(window, SW_MINIMIZE); }, wsMinimized},
      {"restore by property", [&] { SetEnumProp(*form, "WindowState", "wsNormal"); }, wsNormal},
      {"maximize by code", [&] { form->SetWindowState(wsMaximized); }, wsMaximized},
      {"hidden and shown again", [&] { form->Hide(); form->Show(); }, wsMaximized},
      {"window re-created", [&] { form->SetBorderStyle(bsSingle); window = form->Handle(); }, wsMaximized},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.act();
    Pump();
    EXPECT_EQ(form->WindowState(), s.expected);
    EXPECT_EQ(::IsIconic(window) != FALSE, s.expected == wsMinimized);
    EXPECT_EQ(::IsZoomed(window) != FALSE, s.expected == wsMaximized);
  }
}

TEST_F(FormWindowTest, ScreenListsFormsFrontToBack) {
  TOwned<TForm> a = MakeComponent<TForm>();
  TOwned<TForm> b = MakeComponent<TForm>();
  TOwned<TForm> c = MakeComponent<TForm>();
  TOwned<TForm> unshown = MakeComponent<TForm>();
  auto order = [&] {
    std::vector<TCustomForm*> mine;
    for (int i = 0; i < Screen.FormCount(); ++i) {
      TCustomForm* f = Screen.Forms(i);
      if (f == a.get() || f == b.get() || f == c.get() || f == unshown.get()) mine.push_back(f);
    }
    return mine;
  };
  a->Show();
  b->Show();
  c->Show();
  Pump();
  EXPECT_EQ(order(), (std::vector<TCustomForm*>{c.get(), b.get(), a.get(), unshown.get()}));
  // Raised without activation, then sent to the back.
  ::SetWindowPos(a->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order(), (std::vector<TCustomForm*>{a.get(), c.get(), b.get(), unshown.get()}));
  c->SendToBack();
  EXPECT_EQ(order(), (std::vector<TCustomForm*>{a.get(), b.get(), c.get(), unshown.get()}));
  ::SetActiveWindow(b->Handle());
  Pump();
  EXPECT_EQ(Screen.Forms(0), b.get());
}

TEST_F(FormWindowTest, BorderStyleAndIconsMakeTheWindowStyles) {
  constexpr TBorderIcons kAll = biSystemMenu | biMinimize | biMaximize;
  struct Case {
    TFormBorderStyle border;
    TBorderIcons icons;
    DWORD style, noStyle, exStyle, noExStyle;
  };
  const DWORD boxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  const Case cases[] = {
      {bsNone, kAll, WS_POPUP, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | boxes, 0, WS_EX_TOOLWINDOW},
      {bsSingle, kAll, WS_CAPTION | WS_SYSMENU | boxes, WS_THICKFRAME, 0, WS_EX_DLGMODALFRAME},
      {bsSizeable, kAll, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | boxes, WS_POPUP, 0, WS_EX_CONTEXTHELP},
      {bsSizeable, biSystemMenu | biMinimize, WS_MINIMIZEBOX | WS_SYSMENU, WS_MAXIMIZEBOX, 0, 0},
      {bsSizeable, biMinimize, WS_CAPTION, WS_SYSMENU, 0, 0},
      {bsDialog, kAll, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | boxes, WS_EX_DLGMODALFRAME, 0},
      {bsToolWindow, kAll, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | boxes, WS_EX_TOOLWINDOW, 0},
      {bsSizeToolWin, kAll, WS_CAPTION | WS_THICKFRAME, boxes, WS_EX_TOOLWINDOW, 0},
      // Help shows only where no minimise or maximise box does.
      {bsDialog, biSystemMenu | biHelp, WS_SYSMENU, boxes, WS_EX_CONTEXTHELP, 0},
      {bsSingle, biSystemMenu | biHelp, WS_SYSMENU, boxes, WS_EX_CONTEXTHELP, 0},
      {bsSingle, kAll | biHelp, boxes, 0, 0, WS_EX_CONTEXTHELP},
      {bsToolWindow, kAll | biHelp, WS_SYSMENU, boxes, WS_EX_CONTEXTHELP | WS_EX_TOOLWINDOW, 0},
  };
  TOwned<TForm> form = MakeComponent<TForm>();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(kFormBorderStyleNames[c.border]) + " icons " + std::to_string(c.icons));
    form->SetBorderStyle(c.border);
    form->SetBorderIcons(c.icons);
    form->HandleNeeded();
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(form->Handle(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE));
    EXPECT_EQ(style & c.style, c.style);
    EXPECT_EQ(style & c.noStyle, 0u);
    EXPECT_EQ(exStyle & c.exStyle, c.exStyle);
    EXPECT_EQ(exStyle & c.noExStyle, 0u);
  }
}

TEST_F(FormWindowTest, KeyPreviewShowsTheFormKeysFirst) {
  TOwned<TForm> form = MakeComponent<TForm>();
  auto* button = form->Create<TDialogButton>();
  button->SetParent(form.get());
  std::vector<std::string> seen;
  form->OnKeyDown = [&](TObject&, WORD& key, TShiftState) {
    seen.push_back("form " + std::to_string(key));
    if (key == 'X') key = 0;  // taken: the control never sees it
  };
  form->OnKeyPress = [&](TObject&, wchar_t& ch) { seen.push_back("press " + std::to_string(ch)); };
  button->OnKeyDown = [&](TObject&, WORD& key, TShiftState) { seen.push_back("button " + std::to_string(key)); };
  form->Show();
  HWND b = button->Handle();
  ::SendMessageW(b, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"button 65"}));  // no preview yet
  EXPECT_TRUE(GetOrdProp(*form, "KeyPreview") == 0);
  SetOrdProp(*form, "KeyPreview", 1);
  seen.clear();
  ::SendMessageW(b, WM_KEYDOWN, 'A', 0);
  ::SendMessageW(b, WM_KEYDOWN, 'X', 0);
  ::SendMessageW(b, WM_CHAR, 'a', 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"form 65", "button 65", "form 88", "press 97"}));
}

TEST_F(FormWindowTest, AButtonsModalResultEndsTheModalForm) {
  struct Case {
    TModalResult result;
    bool veto;
  };
  for (const Case& c : {Case{mrOk, false}, Case{mrCancel, false}, Case{mrYes, true}}) {
    TOwned<TComponent> owner = MakeComponent<TComponent>();
    auto* form = owner->Create<TForm>();
    auto* button = form->Create<TDialogButton>();
    button->SetParent(form);
    button->SetModalResult(c.result);
    int queries = 0;
    form->OnCloseQuery = [&](TObject&, bool& canClose) { canClose = !(c.veto && queries++ == 0); };
    auto* timer = owner->Create<TTimer>();
    timer->SetInterval(30);
    int clicks = 0;
    timer->OnTimer = [&](TObject&) {
      ++clicks;
      ::SendMessageW(button->Handle(), BM_CLICK, 0, 0);  // as the user's click
    };
    EXPECT_EQ(form->ShowModal(), c.result);
    EXPECT_EQ(clicks, c.veto ? 2 : 1) << "a vetoed close keeps the form open";
    EXPECT_FALSE(form->Visible());
  }
}

}  // namespace

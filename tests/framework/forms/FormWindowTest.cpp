// What a form's window shows of the form: its icons, its size limits, its
// window state, and the screen's order of forms.
#include <gtest/gtest.h>

#include "FrameworkTesting.h"
#include "framework/Form.h"
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

}  // namespace

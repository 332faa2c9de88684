// Windows of controls: class names, creation and re-creation, z-order,
// reflected notifications, mouse tracking and cursors.
#include "framework/WinControl.h"

#include "FrameworkTesting.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/Screen.h"
#include "graphics/GdiObjects.h"

namespace {

class TFrm_Test : public TForm {
  FW_CLASS(TFrm_Test, TForm)
 public:
  explicit TFrm_Test(TComponent* owner) : TForm(owner) {
    SetClientSize(300, 200);
    Panel1 = Create<TPanel>();
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetAlign(alClient);
    Panel1->SetBevelOuter(bvNone);
    Lower = Create<TPanel>();
    Lower->SetParent(Panel1);
    Lower->SetBounds(0, 0, 100, 100);
    Upper = Create<TPanel>();
    Upper->SetParent(Panel1);
    Upper->SetBounds(50, 50, 100, 100);
    Link = Create<TLabel>();
    Link->SetParent(Panel1);
    Link->SetCaption(L"刷新");
    Link->SetBounds(200, 20, 40, 20);
    Link->SetAutoSize(false);
    Link->SetCursor(crHandPoint);
  }
  TPanel* Panel1;
  TPanel* Lower;
  TPanel* Upper;
  TLabel* Link;
};

// Records the reflected notifications it receives.
class TNotified : public TCustomControl {
  FW_CLASS(TNotified, TCustomControl)
 public:
  using TCustomControl::TCustomControl;
  std::vector<UINT> received;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg >= CN_BASE && m.Msg <= CN_LAST) {
      received.push_back(m.Msg);
      if (m.Msg == CN_COMMAND) {
        m.Result = 77;
        return;
      }
    }
    TCustomControl::WndProc(m);
  }
};

std::wstring WindowClassOf(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, 256);
  return name;
}

class WinControlTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = MakeComponent<TFrm_Test>();
  }
  TOwned<TFrm_Test> form;
};

TEST_F(WinControlTest, WindowClassIsTheFrameworkClassName) {
  EXPECT_EQ(WindowClassOf(form->Handle()), L"TFrm_Test");
  EXPECT_EQ(WindowClassOf(form->Panel1->Handle()), L"TPanel");
  EXPECT_EQ(::FindWindowW(L"TFrm_Test", nullptr), form->Handle());
  EXPECT_EQ(TWinControl::FindControl(form->Handle()), form.get());
  EXPECT_EQ(TWinControl::FindControl(::GetDesktopWindow()), nullptr);
}

TEST_F(WinControlTest, ParentWindowCreatesChildWindowsInListOrder) {
  ASSERT_FALSE(form->Panel1->HandleAllocated());
  form->HandleNeeded();
  ASSERT_TRUE(form->Upper->HandleAllocated());
  EXPECT_EQ(::GetParent(form->Upper->Handle()), form->Panel1->Handle());
  // Later siblings lie above earlier ones: the first child in z-order is
  // the topmost.
  EXPECT_EQ(::GetWindow(form->Panel1->Handle(), GW_CHILD), form->Upper->Handle());
  EXPECT_EQ(::GetWindow(form->Upper->Handle(), GW_HWNDNEXT), form->Lower->Handle());
  // A child window asked for first creates its parents' windows.
  TOwned<TFrm_Test> other = MakeComponent<TFrm_Test>();
  HWND lower = other->Lower->Handle();
  EXPECT_TRUE(other->HandleAllocated());
  EXPECT_EQ(::GetWindow(lower, GW_HWNDPREV), other->Upper->Handle());
}

TEST_F(WinControlTest, ChildWithoutParentWindowIsAnError) {
  TOwned<TPanel> loose = MakeComponent<TPanel>();
  EXPECT_THROW(loose->HandleNeeded(), EInvalidOperation);
  HWND host = form->Handle();
  loose->SetParentWindow(host);  // a foreign parent window is enough
  EXPECT_EQ(::GetParent(loose->Handle()), host);
}

TEST_F(WinControlTest, RecreateWndAnnouncesItselfAndRebuildsChildren) {
  form->HandleNeeded();
  HWND oldPanel = form->Panel1->Handle();
  HWND oldUpper = form->Upper->Handle();
  TRecordingHook hook(*form->Panel1);
  form->Panel1->RecreateWnd();
  EXPECT_EQ(hook.Count(CM_RECREATEWND), 1);
  EXPECT_FALSE(::IsWindow(oldPanel));
  EXPECT_FALSE(::IsWindow(oldUpper));
  ASSERT_TRUE(form->Upper->HandleAllocated());
  EXPECT_EQ(::GetParent(form->Upper->Handle()), form->Panel1->Handle());
  EXPECT_EQ(form->Upper->Left(), 50);  // state lives in the objects
}

TEST_F(WinControlTest, BringToFrontAndSendToBackMoveTheWindow) {
  form->HandleNeeded();
  form->Lower->BringToFront();
  EXPECT_EQ(::GetWindow(form->Panel1->Handle(), GW_CHILD), form->Lower->Handle());
  EXPECT_EQ(form->Panel1->Controls(form->Panel1->ControlCount() - 1), form->Lower);
  form->Lower->SendToBack();
  EXPECT_EQ(::GetWindow(form->Panel1->Handle(), GW_CHILD), form->Upper->Handle());
  EXPECT_EQ(form->Panel1->Controls(0), form->Lower);
}

TEST_F(WinControlTest, NotificationsAreReflectedToTheChildTheyConcern) {
  TNotified* child = form->Create<TNotified>();
  child->SetParent(form->Panel1);
  HWND panel = form->Panel1->Handle();
  const LRESULT r = ::SendMessageW(panel, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED),
                                   reinterpret_cast<LPARAM>(child->Handle()));
  EXPECT_EQ(r, 77);
  NMHDR header{child->Handle(), 5, static_cast<UINT>(-2)};  // a click notification
  ::SendMessageW(panel, WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header));
  const UniqueWindowDC dc = UniqueWindowDC::Client(child->Handle());
  const LRESULT brush = ::SendMessageW(panel, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                                       reinterpret_cast<LPARAM>(child->Handle()));
  EXPECT_EQ(child->received, (std::vector<UINT>{CN_COMMAND, CN_NOTIFY, CN_CTLCOLORSTATIC}));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), child->Brush().Handle());
  // A command from a window that is no framework control is the parent's.
  EXPECT_EQ(::SendMessageW(panel, WM_COMMAND, 1, reinterpret_cast<LPARAM>(::GetDesktopWindow())), 0);
  EXPECT_EQ(child->received.size(), 3u);
}

TEST_F(WinControlTest, MouseEnterAndLeaveFollowTheControlUnderTheMouse) {
  form->Show();
  Pump();
  HWND panel = form->Panel1->Handle();
  // Wherever the real cursor is (other tests move it), nothing is under
  // the mouse when the moves below begin.
  for (TWinControl* w : std::initializer_list<TWinControl*>{form->Lower, form->Upper, form->Panel1, form.get()})
    ::SendMessageW(w->Handle(), WM_MOUSELEAVE, 0, 0);
  ASSERT_EQ(TControl::MouseControl(), nullptr);
  TRecordingHook panelHook(*form->Panel1);
  TRecordingHook linkHook(*form->Link);
  ::SendMessageW(panel, WM_MOUSEMOVE, 0, MAKELPARAM(250, 150));  // on the panel
  EXPECT_EQ(panelHook.Count(CM_MOUSEENTER), 1);
  EXPECT_EQ(TControl::MouseControl(), form->Panel1);
  ::SendMessageW(panel, WM_MOUSEMOVE, 0, MAKELPARAM(210, 25));  // onto the label
  EXPECT_EQ(panelHook.Count(CM_MOUSELEAVE), 1);
  EXPECT_EQ(linkHook.Count(CM_MOUSEENTER), 1);
  EXPECT_EQ(linkHook.Count(WM_MOUSEMOVE), 1);  // in the label's own coordinates
  EXPECT_EQ(linkHook.Last(WM_MOUSEMOVE)->LParam, MAKELPARAM(10, 5));
  ::SendMessageW(panel, WM_MOUSEMOVE, 0, MAKELPARAM(215, 26));  // still on it
  EXPECT_EQ(linkHook.Count(CM_MOUSEENTER), 1);
  ::SendMessageW(panel, WM_MOUSELEAVE, 0, 0);  // out of the panel's window
  EXPECT_EQ(linkHook.Count(CM_MOUSELEAVE), 1);
  EXPECT_EQ(TControl::MouseControl(), nullptr);
}

TEST_F(WinControlTest, HiddenControlIsNoLongerUnderTheMouse) {
  form->Show();
  Pump();
  ::SendMessageW(form->Panel1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(210, 25));
  ASSERT_EQ(TControl::MouseControl(), form->Link);
  form->Link->Hide();
  EXPECT_EQ(TControl::MouseControl(), nullptr);
  ::SendMessageW(form->Panel1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(210, 25));
  EXPECT_EQ(TControl::MouseControl(), form->Panel1);  // the label no longer takes the mouse
  form->Link->Show();
  ::SendMessageW(form->Panel1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(211, 25));
  ASSERT_EQ(TControl::MouseControl(), form->Link);
  form->Link->Free();  // a destroyed control is forgotten too
  EXPECT_EQ(TControl::MouseControl(), nullptr);
}

TEST_F(WinControlTest, CursorOfTheControlUnderTheMouse) {
  form->SetPosition(poDesigned);
  form->SetBounds(100, 100, form->Width(), form->Height());
  form->Show();
  Pump();
  HWND panel = form->Panel1->Handle();
  auto cursorAt = [&](int x, int y) {
    const POINT p = form->Panel1->ClientToScreen({x, y});
    ::SetCursorPos(p.x, p.y);
    ::SetCursor(::LoadCursorW(nullptr, IDC_CROSS));
    ::SendMessageW(panel, WM_SETCURSOR, reinterpret_cast<WPARAM>(panel), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
  };
  EXPECT_EQ(cursorAt(210, 25), ::LoadCursorW(nullptr, IDC_HAND));   // over the link
  EXPECT_EQ(cursorAt(250, 150), ::LoadCursorW(nullptr, IDC_ARROW));  // the class cursor
  form->Panel1->SetCursor(crIBeam);
  EXPECT_EQ(cursorAt(250, 150), ::LoadCursorW(nullptr, IDC_IBEAM));
  Screen.SetCursor(crHourGlass);  // the screen's cursor wins everywhere
  EXPECT_EQ(cursorAt(210, 25), ::LoadCursorW(nullptr, IDC_WAIT));
  Screen.SetCursor(crDefault);
}

TEST_F(WinControlTest, WindowsGoWithTheirObjects) {
  form->HandleNeeded();
  HWND formWindow = form->Handle();
  HWND upper = form->Upper->Handle();
  form->Upper->Free();
  EXPECT_FALSE(::IsWindow(upper));
  form.reset();
  EXPECT_FALSE(::IsWindow(formWindow));
}

// A window that is no framework control (a browser's, say) lives in a panel:
// the panel keeps it sized through OnResize and never paints over it.
TEST_F(WinControlTest, ForeignChildWindowLivesInAPanel) {
  form->Show();
  Pump();
  TPanel* host = form->Lower;
  HWND foreign = ::CreateWindowExW(0, L"STATIC", L"foreign", WS_CHILD | WS_VISIBLE, 0, 0, host->ClientWidth(),
                                   host->ClientHeight(), host->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(foreign, nullptr);
  host->OnResize = [&](TObject&) {
    ::MoveWindow(foreign, 0, 0, host->ClientWidth(), host->ClientHeight(), TRUE);
  };
  host->SetBounds(0, 0, 120, 90);
  RECT r{};
  ::GetWindowRect(foreign, &r);
  EXPECT_EQ(r.right - r.left, 120);
  EXPECT_EQ(r.bottom - r.top, 90);
  EXPECT_TRUE(::GetWindowLongPtrW(host->Handle(), GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_EQ(TWinControl::FindControl(foreign), nullptr);
  EXPECT_EQ(host->ControlCount(), 0);  // not one of the panel's controls
  // Its notifications reach the panel's default handling harmlessly.
  EXPECT_EQ(::SendMessageW(host->Handle(), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                           reinterpret_cast<LPARAM>(foreign)),
            0);
  EXPECT_TRUE(::IsChild(host->Handle(), foreign));
  // It goes with the panel's window.
  host->Free();
  EXPECT_FALSE(::IsWindow(foreign));
}

TEST_F(WinControlTest, EnabledAndVisibleReachTheWindow) {
  form->Show();
  Pump();
  form->Upper->SetEnabled(false);
  EXPECT_FALSE(::IsWindowEnabled(form->Upper->Handle()));
  form->Upper->Hide();
  EXPECT_FALSE(::IsWindowVisible(form->Upper->Handle()));
  EXPECT_FALSE(form->Upper->Showing());
  form->Upper->Show();
  EXPECT_TRUE(form->Upper->Showing());
  // The window and the object agree on the bounds after the platform moves it.
  ::MoveWindow(form->Upper->Handle(), 7, 8, 30, 40, TRUE);
  EXPECT_EQ(form->Upper->BoundsRect().left, 7);
  EXPECT_EQ(form->Upper->Height(), 40);
}

}  // namespace

// A raw window's children: its push button is wrapped (a group box is not),
// keeps the platform's press handling and state, wears the skin's face, and
// loses Hot by the leave timer once the cursor is away.
#include <gtest/gtest.h>

#include "QELSkinUtilsParts.h"
#include "WrapperTestSupport.h"
#include "engine/QELSkinEngine.h"
#include "painters/QELSkinWndButton.h"

namespace {

int g_clicked = 0;

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_COMMAND && HIWORD(w) == BN_CLICKED) ++g_clicked;
  return ::DefWindowProcW(window, msg, w, l);
}

const wchar_t* HostClass() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"WrapperTestHost";
    ::RegisterClassW(&wc);
    return L"WrapperTestHost";
  }();
  return name;
}

TBitmap SkinFace(TqelSkinEngine& engine, int frame, int w, int h) {
  TBitmap skinFrame;
  EXPECT_TRUE(engine.GetSkinBitmap(SKIN2_BUTTON, skinFrame, frame, 3));
  TBitmap face(w, h);
  face.Fill(engine.GetSkinColor(SKIN2_FORMCOLOR));
  DrawNineGrid(skinFrame, face.Canvas(), RECT{0, 0, w, h}, engine.GetSkinColor(SKIN2_TRANSCOLOR),
               engine.GetSkinFlag(SKIN2_BUTTONTRANS));
  return face;
}

}  // namespace

class WndButtonTest : public WrapperTest {
 protected:
  void SetUp() override {
    WrapperTest::SetUp();
    ::SetCursorPos(0, 0);
    g_clicked = 0;
    host = ::CreateWindowExW(0, HostClass(), L"Raw", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 320, 200, nullptr,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
    push = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 90, 28, host, nullptr,
                             nullptr, nullptr);
    group = ::CreateWindowExW(0, L"BUTTON", L"Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 20, 60, 200, 80, host,
                              nullptr, nullptr, nullptr);
    ASSERT_TRUE(host && push && group);
    ::SetForegroundWindow(host);
    Pump();
  }
  void TearDown() override {
    if (::IsWindow(host)) ::DestroyWindow(host);
    WrapperTest::TearDown();
  }
  TBitmap Shown() {
    ::InvalidateRect(push, nullptr, TRUE);
    Pump();
    return ScreenOf(push, true);
  }

  HWND host = nullptr, push = nullptr, group = nullptr;
};

TEST_F(WndButtonTest, PushButtonWearsTheSkinAndKeepsItsOwnPresses) {
  engine().SkinWindow(host, false);
  Pump();
  TqelSkinWindow* frame = engine().FindSkinWindow(host);
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(frame->ChildWrapperCount(), 1) << "the group box keeps its own look";
  auto* wrapper = dynamic_cast<TqelSkinWndButton*>(frame->ChildWrappers(0));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->RawHandle(), push);
  EXPECT_TRUE(wrapper->HasTimer());
  EXPECT_EQ(::SendMessageW(push, QM_SKINNEDQUERY, 0, 0), 1);
  EXPECT_EQ(::SendMessageW(group, QM_SKINNEDQUERY, 0, 0), 0);

  RECT client{};
  ::GetClientRect(push, &client);
  const int w = client.right, h = client.bottom;
  EXPECT_EQ(DifferingPixels(Shown(), SkinFace(engine(), 1, w, h)), 0) << "normal";

  // The cursor over it: hot; away again: the timer takes Hot back.
  ::SendMessageW(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(wrapper->Hot());
  EXPECT_EQ(DifferingPixels(ScreenOf(push, true), SkinFace(engine(), 2, w, h)), 0) << "hot";
  ASSERT_TRUE(PumpUntil([&] { return !wrapper->Hot(); }, 2000));
  EXPECT_EQ(DifferingPixels(Shown(), SkinFace(engine(), 1, w, h)), 0) << "after the cursor left";

  // Space is the button's own: pushed as the platform says, a click on release.
  ::SetFocus(push);
  ::SendMessageW(push, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(::SendMessageW(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_EQ(wrapper->Look().FrameIndex(), 3);
  TBitmap expected(w, h);
  PaintButtonFace(expected.Canvas(), client, wrapper->Look(), TqelButtonSkin::Read(engine()));
  EXPECT_EQ(DifferingPixels(Shown(), expected), 0) << "pressed and focused";
  ::SendMessageW(push, WM_KEYUP, VK_SPACE, 0xC0000000);
  EXPECT_FALSE(::SendMessageW(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_EQ(g_clicked, 1);

  // Unwrapped with its window's end.
  ::DestroyWindow(host);
  Pump();
  EXPECT_EQ(engine().FindSkinWindow(host), nullptr);
}

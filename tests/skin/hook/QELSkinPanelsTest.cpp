// The wrappers' panels and tracking: the thumb followed while a scroll
// box's thumb is dragged, the drop-down button of the drop-down wrapper,
// and panels of a control that goes away before its wrapper.
#include <gtest/gtest.h>

#include "WrapperTestSupport.h"
#include "engine/QELSkinEngine.h"
#include "engine/QELSkinRegistry.h"
#include "framework/Panel.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/ScrollBox.h"
#include "hook/QELSkinExtComboboxLikeControl.h"
#include "hook/QELSkinScrollTracking.h"
#include "hook/QELSkinScrollWinControl.h"

class PanelsTest : public WrapperTest {};

// Dragging a scroll box's thumb: the tracked thumb follows the cursor from
// where the press began, kept between the arrows, and tracking ends with
// SB_THUMBPOSITION. Other controls are not followed.
TEST_F(PanelsTest, DraggedThumbIsTrackedBetweenTheArrows) {
  auto* box = Add<TScrollBox>(10, 10, 160, 140);
  auto* inner = form().Create<TPanel>();
  inner->SetParent(box);
  inner->SetBounds(0, 0, 500, 900);
  auto* memo = Add<TMemo>(200, 10, 150, 100);
  SkinForm();
  EXPECT_TRUE(TqelScrollTracking::IsTrackedKind(*box));
  EXPECT_FALSE(TqelScrollTracking::IsTrackedKind(*memo));

  HWND h = box->Handle();
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(::GetScrollBarInfo(h, OBJID_VSCROLL, &info));
  ASSERT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  const int start = info.xyThumbTop;
  const int length = info.xyThumbBottom - info.xyThumbTop;
  const int arrow = ::GetSystemMetrics(SM_CXVSCROLL);
  const int barLength = info.rcScrollBar.bottom - info.rcScrollBar.top;
  ASSERT_GT(length, 0);

  TqelScrollTracking::Reset();
  const POINT down{info.rcScrollBar.left + 3, info.rcScrollBar.top + start + 2};
  TqelScrollTracking::Observe(*box, TMessage{WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(down.x, down.y), 0});
  struct Case {
    int moved;
    int expectedStart;
  };
  const Case cases[] = {{10, start + 10}, {-2000, arrow}, {2000, barLength - arrow - length}, {25, start + 25}};
  int s = 0, e = 0;
  for (const Case& k : cases) {
    ::SetCursorPos(down.x, down.y + k.moved);
    TqelScrollTracking::Observe(*box, TMessage{WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0, 0});
    ASSERT_TRUE(TqelScrollTracking::Tracked(h, true, s, e)) << k.moved;
    EXPECT_EQ(s, k.expectedStart) << k.moved;
    EXPECT_EQ(e, s + length) << k.moved;
    EXPECT_FALSE(TqelScrollTracking::Tracked(h, false, s, e)) << "the other direction is not dragged";
  }
  TqelScrollTracking::Observe(*box, TMessage{WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0, 0});
  EXPECT_FALSE(TqelScrollTracking::Tracked(h, true, s, e));
  // A memo is no tracked kind: its messages change nothing.
  TqelScrollTracking::Observe(*memo, TMessage{WM_NCLBUTTONDOWN, HTVSCROLL, 0, 0});
  TqelScrollTracking::Observe(*memo, TMessage{WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0, 0});
  EXPECT_FALSE(TqelScrollTracking::Tracked(memo->Handle(), true, s, e));
  ::SetCursorPos(0, 0);
}

// The drop-down wrapper's button: 16 px at the right edge inside the
// control, painted from the skin's control colours with a down arrow, shown
// while the skin is active; a press on it reaches the control at the
// cursor's place.
TEST_F(PanelsTest, DropButtonPaintsAndPassesPresses) {
  const auto saved = TqelSkinRegistry::ControlSkinners();
  TqelSkinRegistry::RegisterControlSkinners({ControlSkinner<TEdit, TqelSkinExtComboboxLikeControl>()});
  auto* edit = Add<TEdit>(20, 20, 140, 24);
  TRecordingHook recorder(*edit);
  SkinForm();
  TqelSkinRegistry::ControlSkinners() = saved;

  auto* wrapper = WrapperOf<TqelSkinExtComboboxLikeControl>(*edit);
  ASSERT_NE(wrapper, nullptr);
  TqelSkinInternalComboButton* button = wrapper->DropButton();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), edit);
  EXPECT_EQ(button->Width(), 16);
  EXPECT_EQ(button->Left() + button->Width(), edit->ClientWidth());
  EXPECT_TRUE(button->Visible());

  button->Invalidate();
  Pump();
  const TBitmap shown = ScreenOf(button->Handle(), true);
  const int w = shown.Width(), h = shown.Height();
  EXPECT_EQ(Px(shown, 0, h / 2), ColorToPixel(engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR)));
  EXPECT_EQ(Px(shown, w - 2, 1), ColorToPixel(engine().GetSkinColor(SKIN2_CONTROLCOLOR)));
  EXPECT_EQ(Px(shown, w / 2 - 3 + 3, h / 2 - 2 + 1), 0u) << "the arrow, black while enabled";

  recorder.messages.clear();
  POINT at{8, h / 2};
  ::ClientToScreen(button->Handle(), &at);
  ::SetCursorPos(at.x, at.y);
  ::SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, h / 2));
  ::SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(8, h / 2));
  const TMessage* pressed = recorder.Last(WM_LBUTTONDOWN);
  ASSERT_NE(pressed, nullptr);
  POINT inEdit = at;
  ::ScreenToClient(edit->Handle(), &inEdit);
  EXPECT_EQ(pressed->WParam, static_cast<WPARAM>(MK_LBUTTON));
  EXPECT_EQ(pressed->XPos(), inEdit.x);
  EXPECT_EQ(pressed->YPos(), inEdit.y);
  EXPECT_NE(recorder.Last(WM_LBUTTONUP), nullptr);

  engine().SetActive(false);
  EXPECT_FALSE(button->Visible());
  engine().SetActive(true);
  EXPECT_TRUE(button->Visible());
  ::ReleaseCapture();
  ::SetCursorPos(0, 0);
}

// A control freed while it is wrapped takes its skinned bars off the screen
// at once; the wrapper frees them when it goes.
TEST_F(PanelsTest, PanelsOfAFreedControlLeaveTheScreen) {
  auto* memo = Add<TMemo>(10, 10, 200, 120);
  memo->SetScrollBars(ssVertical);
  for (int i = 0; i < 40; ++i) memo->Lines().Add("line");
  SkinForm();
  auto* wrapper = WrapperOf<TqelSkinScrollWinControl>(*memo);
  ASSERT_NE(wrapper, nullptr);
  TqelSkinInternalScrollBar* bar = wrapper->VertBar();
  ASSERT_TRUE(bar && bar->Visible());
  memo->Free();
  Pump();
  EXPECT_FALSE(bar->Visible());
  EXPECT_EQ(wrapper->Control(), nullptr);
  engine().UnskinWindow(form().Handle());
  EXPECT_EQ(CountComponents("TqelSkinInternalScrollBar"), 0);
}

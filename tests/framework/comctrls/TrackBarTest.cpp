// Track bars: range, position and selection in the window, styles that
// re-create it, and OnChange from keys and clicks (not from code).
#include "framework/comctrls/TrackBar.h"

#include <commctrl.h>

#include "ComCtrlsTesting.h"

namespace {

class TrackBarTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    bar = Add<TTrackBar>(10, 10, 200, 40);
    bar->OnChange = [this](TObject&) { ++changes; };
  }
  LRESULT Get(UINT msg) { return ::SendMessageW(bar->Handle(), msg, 0, 0); }
  TTrackBar* bar = nullptr;
  int changes = 0;
};

TEST_F(TrackBarTest, RangePositionAndSelectionReachTheWindow) {
  bar->SetRange(-5, 40);
  bar->SetPosition(12);
  bar->SetLineSize(3);
  bar->SetPageSize(9);
  bar->SetSelStart(2);
  bar->SetSelEnd(20);
  EXPECT_EQ(Get(TBM_GETRANGEMIN), -5);
  EXPECT_EQ(Get(TBM_GETRANGEMAX), 40);
  EXPECT_EQ(Get(TBM_GETPOS), 12);
  EXPECT_EQ(Get(TBM_GETLINESIZE), 3);
  EXPECT_EQ(Get(TBM_GETPAGESIZE), 9);
  EXPECT_EQ(Get(TBM_GETSELSTART), 2);
  EXPECT_EQ(Get(TBM_GETSELEND), 20);
  // Out of range positions are clamped, a narrower range pulls it in.
  bar->SetPosition(99);
  EXPECT_EQ(bar->Position(), 40);
  bar->SetMax(30);
  EXPECT_EQ(bar->Position(), 30);
  EXPECT_EQ(Get(TBM_GETPOS), 30);
  bar->SetMin(35);  // above Max: Max follows
  EXPECT_EQ(bar->Max(), 35);
  EXPECT_EQ(bar->Position(), 35);
  EXPECT_EQ(changes, 0) << "changes made in code raise no OnChange";
}

TEST_F(TrackBarTest, StylesRecreateTheWindowAndKeepTheState) {
  struct Case {
    void (*apply)(TTrackBar&);
    DWORD set, clear;
  };
  const Case cases[] = {
      {[](TTrackBar& b) { b.SetTickStyle(tsNone); }, TBS_NOTICKS, TBS_AUTOTICKS},
      {[](TTrackBar& b) { b.SetTickStyle(tsManual); }, 0, TBS_AUTOTICKS | TBS_NOTICKS},
      {[](TTrackBar& b) { b.SetTickMarks(tmBoth); }, TBS_BOTH, 0},
      {[](TTrackBar& b) { b.SetTickMarks(tmTopLeft); }, TBS_TOP, TBS_BOTH},
      {[](TTrackBar& b) { b.SetSliderVisible(false); }, TBS_NOTHUMB, 0},
      {[](TTrackBar& b) { b.SetOrientation(trVertical); }, TBS_VERT, 0},
  };
  bar->SetRange(0, 50);
  bar->SetPosition(17);
  bar->SetSelStart(5);
  bar->SetSelEnd(9);
  for (const Case& c : cases) {
    c.apply(*bar);
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(bar->Handle(), GWL_STYLE));
    EXPECT_EQ(style & c.set, c.set);
    EXPECT_EQ(style & c.clear, 0u);
    EXPECT_EQ(Get(TBM_GETPOS), 17);
    EXPECT_EQ(Get(TBM_GETSELEND), 9);
  }
  EXPECT_EQ(bar->Width(), 40) << "a bar turned upright swaps width and height";
  EXPECT_EQ(bar->Height(), 200);
  bar->SetTick(30);
  EXPECT_EQ(Get(TBM_GETNUMTICS), 3) << "the ends and the manual tick";
}

TEST_F(TrackBarTest, KeysAndClicksMoveTheThumbAndRaiseOnChange) {
  bar->SetRange(0, 100);
  bar->SetLineSize(2);
  bar->SetPageSize(25);
  bar->SetFocus();
  PressKey(VK_RIGHT);
  EXPECT_EQ(bar->Position(), 2);
  PressKey(VK_NEXT);
  EXPECT_EQ(bar->Position(), 27);
  PressKey(VK_END);
  EXPECT_EQ(bar->Position(), 100);
  EXPECT_EQ(changes, 3);
  // A click in the channel left of the thumb moves it back a page.
  RECT channel{};
  ::SendMessageW(bar->Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  ClickAt(*bar, {channel.left + 20, (channel.top + channel.bottom) / 2});
  EXPECT_EQ(bar->Position(), 75);
  EXPECT_EQ(changes, 4);
}

}  // namespace

// Progress bars: range, position and steps in the window, and every change
// of position passing the control's WindowProc (where a skin listens).
#include "framework/comctrls/ProgressBar.h"

#include <commctrl.h>

#include "ComCtrlsTesting.h"

namespace {

using ProgressBarTest = ComCtrlsTest;

TEST_F(ProgressBarTest, PositionStaysInRangeAndStepsStopAtTheEnds) {
  TProgressBar* bar = Add<TProgressBar>(10, 10, 200, 16);
  bar->SetRange(10, 60);
  bar->SetStep(20);
  struct Step {
    void (*act)(TProgressBar&);
    int position;
  };
  const Step steps[] = {
      {[](TProgressBar& b) { b.SetPosition(0); }, 10},  {[](TProgressBar& b) { b.StepIt(); }, 30},
      {[](TProgressBar& b) { b.StepIt(); }, 50},        {[](TProgressBar& b) { b.StepIt(); }, 60},
      {[](TProgressBar& b) { b.StepBy(-100); }, 10},    {[](TProgressBar& b) { b.SetPosition(45); }, 45},
      {[](TProgressBar& b) { b.SetMax(40); }, 40},      {[](TProgressBar& b) { b.SetMin(50); }, 50},
  };
  for (const Step& s : steps) {
    s.act(*bar);
    EXPECT_EQ(bar->Position(), s.position);
    EXPECT_EQ(::SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), s.position);
  }
  PBRANGE range{};
  ::SendMessageW(bar->Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 50);
  EXPECT_EQ(range.iHigh, 50);
}

TEST_F(ProgressBarTest, StateSurvivesRecreationAndChangesPassTheWindowProc) {
  TProgressBar* bar = Add<TProgressBar>(10, 10, 200, 16);
  bar->SetPosition(33);
  TRecordingHook hook(*bar);
  bar->SetSmooth(true);
  bar->SetOrientation(pbVertical);
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(bar->Handle(), GWL_STYLE));
  EXPECT_TRUE(style & PBS_SMOOTH);
  EXPECT_TRUE(style & PBS_VERTICAL);
  EXPECT_EQ(bar->Width(), 16);
  EXPECT_EQ(::SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 33);
  hook.messages.clear();
  bar->StepIt();
  ASSERT_EQ(hook.Count(PBM_SETPOS), 1);
  EXPECT_EQ(hook.Last(PBM_SETPOS)->WParam, 43u);
}

}  // namespace

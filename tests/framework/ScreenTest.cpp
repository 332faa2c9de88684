// The screen: forms in activation order, the active form, display facts.
#include "framework/Screen.h"

#include "FrameworkTesting.h"
#include "framework/Form.h"

namespace {

class ScreenTest : public FrameworkTest {};

TEST_F(ScreenTest, FormsAreListedAndTheActiveOneComesFirst) {
  const int before = Screen.FormCount();
  TOwned<TForm> a = MakeComponent<TForm>();
  TOwned<TForm> b = MakeComponent<TForm>();
  ASSERT_EQ(Screen.FormCount(), before + 2);
  EXPECT_EQ(Screen.Forms(Screen.FormCount() - 1), b.get());  // new forms at the end
  a->Show();
  b->Show();
  ::SetActiveWindow(a->Handle());
  Pump();
  EXPECT_EQ(Screen.ActiveForm(), a.get());
  EXPECT_EQ(Screen.Forms(0), a.get());
  ::SetActiveWindow(b->Handle());
  Pump();
  EXPECT_EQ(Screen.ActiveForm(), b.get());
  EXPECT_EQ(Screen.Forms(0), b.get());
  EXPECT_EQ(Screen.Forms(1), a.get());
  EXPECT_EQ(Screen.FindForm(a->Handle()), a.get());
  EXPECT_EQ(Screen.FindForm(::GetDesktopWindow()), nullptr);
  b.reset();
  EXPECT_EQ(Screen.FormCount(), before + 1);
  // The destroyed form is never left as the active one.
  EXPECT_TRUE(Screen.ActiveForm() == nullptr || Screen.ActiveForm() == a.get());
}

TEST_F(ScreenTest, DisplayFactsAgreeWithThePlatform) {
  EXPECT_EQ(Screen.Width(), ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_GT(Screen.PixelsPerInch(), 0);
  const RECT work = Screen.WorkAreaRect();
  EXPECT_LE(work.right, Screen.Width());
  EXPECT_GT(work.right - work.left, 0);
  const auto monitors = Screen.Monitors();
  ASSERT_GE(monitors.size(), 1u);
  EXPECT_EQ(static_cast<int>(monitors.size()), Screen.MonitorCount());
  TOwned<TForm> f = MakeComponent<TForm>();
  const TMonitor m = Screen.MonitorFromWindow(f->Handle());
  EXPECT_NE(m.Handle, nullptr);
  EXPECT_GE(m.BoundsRect.right - m.BoundsRect.left, m.WorkareaRect.right - m.WorkareaRect.left);
}

}  // namespace

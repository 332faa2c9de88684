// Cool bars: windowed children get bands, bands reach the window with their
// controls, texts and rows, and what the user drags comes back with
// OnChange.
#include "framework/comctrls/CoolBar.h"

#include <commctrl.h>

#include "ComCtrlsTesting.h"
#include "framework/Panel.h"

namespace {

class CoolBarTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    bar = form->Create<TCoolBar>();
    bar->SetParent(form.get());
    first = form->Create<TPanel>();
    first->SetBounds(0, 0, 120, 26);
    first->SetParent(bar);  // a band of its own
    second = form->Create<TPanel>();
    second->SetBounds(0, 0, 90, 22);
    TCoolBand& band = bar->Bands().Add();
    band.SetText(L"Address");
    band.SetBreak(false);
    band.SetControl(second);
  }
  REBARBANDINFOW WindowBand(int index, UINT mask) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    ::SendMessageW(bar->Handle(), RB_GETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
    return info;
  }
  RECT BandRect(int index) {
    RECT r{};
    ::SendMessageW(bar->Handle(), RB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  TCoolBar* bar = nullptr;
  TPanel* first = nullptr;
  TPanel* second = nullptr;
};

TEST_F(CoolBarTest, ChildrenGetBandsThatHoldThemInTheWindow) {
  ASSERT_EQ(bar->Bands().Count(), 2);
  EXPECT_EQ(bar->Bands().Items(0).Control(), first);
  ASSERT_EQ(::SendMessageW(bar->Handle(), RB_GETBANDCOUNT, 0, 0), 2);
  EXPECT_EQ(WindowBand(0, RBBIM_CHILD).hwndChild, first->Handle());
  EXPECT_EQ(WindowBand(1, RBBIM_CHILD).hwndChild, second->Handle());
  wchar_t text[32]{};
  REBARBANDINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_TEXT | RBBIM_STYLE;
  info.lpText = text;
  info.cch = 32;
  ::SendMessageW(bar->Handle(), RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, L"Address");
  EXPECT_FALSE(info.fStyle & RBBS_BREAK);
  EXPECT_EQ(bar->RowCount(), 1) << "the second band shares the row";
  // The controls lie in their bands.
  for (int i = 0; i < 2; ++i) {
    const RECT band = BandRect(i);
    const RECT control = bar->Bands().Items(i).Control()->BoundsRect();
    EXPECT_GE(control.left, band.left) << i;
    EXPECT_LE(control.right, band.right) << i;
  }
  bar->Bands().Items(1).SetBreak(true);
  EXPECT_EQ(bar->RowCount(), 2);
  bar->SetAutoSize(true);
  EXPECT_EQ(bar->Height(), static_cast<int>(::SendMessageW(bar->Handle(), RB_GETBARHEIGHT, 0, 0)) + 2)
      << "the bands' height and the top edge";
  bar->SetBandBorderStyle(bsNone);  // re-creates the window
  EXPECT_FALSE(::GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & RBS_BANDBORDERS);
  EXPECT_EQ(WindowBand(1, RBBIM_CHILD).hwndChild, second->Handle());
  first->Free();
  EXPECT_EQ(bar->Bands().Count(), 1);
  EXPECT_EQ(::SendMessageW(bar->Handle(), RB_GETBANDCOUNT, 0, 0), 1);
  second->SetParent(form.get());
  EXPECT_EQ(bar->Bands().Count(), 0);
}

TEST_F(CoolBarTest, DraggedBandsComeBackWithOnChange) {
  int changes = 0;
  bar->OnChange = [&changes](TObject&) { ++changes; };
  const int before = bar->Bands().Items(0).Width();
  // The second band's gripper, dragged to the left.
  const RECT band = BandRect(1);
  const POINT grip{band.left + 3, (band.top + band.bottom) / 2};
  const POINT from = bar->ClientToScreen(grip);
  Inputs drag = ClickInput(*bar, grip);
  drag.erase(drag.begin() + 2);  // keep the button down
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  move.mi.dx = MulDiv(from.x - 40, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = MulDiv(from.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  INPUT up{};
  up.type = INPUT_MOUSE;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  Play({drag, Inputs{move}, Inputs{up}});
  EXPECT_GE(changes, 1);
  EXPECT_LT(bar->Bands().Items(0).Width(), before);
  EXPECT_EQ(bar->Bands().Items(0).Width(), static_cast<int>(WindowBand(0, RBBIM_SIZE).cx));
}

}  // namespace

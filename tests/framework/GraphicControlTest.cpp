// Controls without a window: painted by their parent, clicked through it.
#include "framework/GraphicControl.h"

#include "FrameworkTesting.h"
#include "framework/Form.h"
#include "framework/Panel.h"

namespace {

// Fills itself with one colour and records its mouse events.
class TSwatch : public TGraphicControl {
  FW_CLASS(TSwatch, TGraphicControl)
 public:
  explicit TSwatch(TComponent* owner) : TGraphicControl(owner) {
    OnClick = [this](TObject&) { ++clicks; };
    OnMouseDown = [this](TObject&, TMouseButton b, TShiftState, int x, int y) {
      downs.push_back({b, x, y});
    };
  }
  struct Down {
    TMouseButton button;
    int x, y;
  };
  TColor fill = clRed;
  int clicks = 0;
  int paints = 0;
  std::vector<Down> downs;

 protected:
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(fill);
    Canvas().FillRect(ClientRect());
  }
};

class GraphicControlTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = MakeComponent<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetClientSize(200, 100);
    panel = form->Create<TPanel>();
    panel->SetParent(form.get());
    panel->SetAlign(alClient);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clWhite);
    below = form->Create<TSwatch>();
    below->SetParent(panel);
    below->SetBounds(10, 10, 50, 50);
    above = form->Create<TSwatch>();
    above->SetParent(panel);
    above->SetBounds(40, 20, 50, 50);
    above->fill = clBlue;
    window = panel->Handle();
  }
  void Click(int x, int y) {
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  TOwned<TForm> form;
  TPanel* panel = nullptr;
  TSwatch* below = nullptr;
  TSwatch* above = nullptr;
  HWND window = nullptr;
};

TEST_F(GraphicControlTest, ClickOnTheParentReachesTheTopmostControlThere) {
  Click(45, 30);  // where both overlap: the later one is on top
  EXPECT_EQ(above->clicks, 1);
  EXPECT_EQ(below->clicks, 0);
  ASSERT_EQ(above->downs.size(), 1u);
  EXPECT_EQ(above->downs[0].x, 5);  // in the control's own coordinates
  EXPECT_EQ(above->downs[0].y, 10);
  Click(15, 15);
  EXPECT_EQ(below->clicks, 1);
  Click(150, 90);  // on neither
  EXPECT_EQ(above->clicks + below->clicks, 2);
}

TEST_F(GraphicControlTest, PressAndReleaseMustBothBeOnTheControl) {
  ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
  // The control holds the capture: the release outside still reaches it,
  // but is no click.
  EXPECT_EQ(TControl::CaptureControl(), below);
  ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(150, 90));
  EXPECT_EQ(below->clicks, 0);
  EXPECT_EQ(TControl::CaptureControl(), nullptr);
  // A press elsewhere and a release on the control is no click either.
  ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 90));
  ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
  EXPECT_EQ(below->clicks, 0);
}

TEST_F(GraphicControlTest, DisabledOrHiddenControlsLetTheParentHaveTheClick) {
  int panelClicks = 0;
  panel->OnClick = [&](TObject&) { ++panelClicks; };
  above->SetEnabled(false);
  Click(80, 60);  // only the disabled control is here
  EXPECT_EQ(above->clicks, 0);
  EXPECT_EQ(panelClicks, 1);
  Click(45, 30);  // overlap: the enabled one below takes it
  EXPECT_EQ(below->clicks, 1);
  below->Hide();
  Click(15, 15);
  EXPECT_EQ(below->clicks, 1);
  EXPECT_EQ(panelClicks, 2);
}

TEST_F(GraphicControlTest, RightButtonAndDoubleClickAreRoutedToo) {
  int doubles = 0;
  below->OnDblClick = [&](TObject&) { ++doubles; };
  ::SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(12, 13));
  ASSERT_EQ(below->downs.size(), 1u);
  EXPECT_EQ(below->downs[0].button, mbRight);
  EXPECT_EQ(below->downs[0].x, 2);
  ::SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(12, 13));
  ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(12, 13));
  EXPECT_EQ(doubles, 1);
}

TEST_F(GraphicControlTest, ParentPaintsItsControlsInOrderAndClipped) {
  TBitmap shot(200, 100);
  panel->PaintTo(shot.Canvas().Handle(), 0, 0);
  EXPECT_EQ(shot.Pixel(5, 5), clWhite);     // the panel
  EXPECT_EQ(shot.Pixel(15, 15), clRed);     // below only
  EXPECT_EQ(shot.Pixel(45, 30), clBlue);    // overlap: the one above
  EXPECT_EQ(shot.Pixel(85, 65), clBlue);
  EXPECT_EQ(shot.Pixel(95, 75), clWhite);   // clipped to its bounds
  EXPECT_EQ(shot.Pixel(15, 65), clWhite);
  below->Hide();
  panel->PaintTo(shot.Canvas().Handle(), 0, 0);
  EXPECT_EQ(shot.Pixel(15, 15), clWhite);
}

TEST_F(GraphicControlTest, InvalidateMarksOnlyTheControlsArea) {
  form->Show();
  Pump();
  ::ValidateRect(window, nullptr);
  below->Invalidate();
  RECT update{};
  ASSERT_TRUE(::GetUpdateRect(window, &update, FALSE));
  EXPECT_EQ(update.left, 10);
  EXPECT_EQ(update.top, 10);
  EXPECT_EQ(update.right, 60);
  EXPECT_EQ(update.bottom, 60);
  const int before = below->paints;
  ::UpdateWindow(window);
  EXPECT_EQ(below->paints, before + 1);
}

}  // namespace

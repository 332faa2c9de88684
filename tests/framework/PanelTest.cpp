// Panels: the client area inside bevels and border, and how they look.
#include "framework/Panel.h"

#include "FrameworkTesting.h"
#include "framework/Form.h"

namespace {

class PanelTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = MakeComponent<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetClientSize(100, 80);
    panel = form->Create<TPanel>();
    panel->SetParent(form.get());
    panel->SetAlign(alClient);
    filler = form->Create<TPanel>();
    filler->SetParent(panel);
    filler->SetAlign(alClient);
    filler->SetBevelOuter(bvNone);
  }
  RECT FillerBounds() const { return filler->BoundsRect(); }
  TOwned<TForm> form;
  TPanel* panel = nullptr;
  TPanel* filler = nullptr;
};

TEST_F(PanelTest, AlignedChildrenFillTheAreaInsideBevelsAndBorder) {
  struct Case {
    TPanelBevel outer, inner;
    int bevelWidth, borderWidth, inset;
  };
  const Case cases[] = {
      {bvNone, bvNone, 1, 0, 0},     {bvRaised, bvNone, 1, 0, 1},   {bvLowered, bvRaised, 1, 0, 2},
      {bvLowered, bvRaised, 3, 0, 6}, {bvNone, bvLowered, 2, 4, 6}, {bvSpace, bvSpace, 1, 1, 3},
  };
  for (const Case& c : cases) {
    panel->SetBevelOuter(c.outer);
    panel->SetBevelInner(c.inner);
    panel->SetBevelWidth(c.bevelWidth);
    panel->SetBorderWidth(c.borderWidth);
    const RECT r = FillerBounds();
    EXPECT_EQ(r.left, c.inset) << c.outer << c.inner << c.bevelWidth << c.borderWidth;
    EXPECT_EQ(r.top, c.inset);
    EXPECT_EQ(r.right, 100 - c.inset);
    EXPECT_EQ(r.bottom, 80 - c.inset);
  }
}

TEST_F(PanelTest, LoweredOuterAndRaisedInnerBevelsAreDrawn) {
  panel->SetBevelOuter(bvLowered);
  panel->SetBevelInner(bvRaised);
  panel->SetColor(clWhite);
  filler->Hide();
  TBitmap shot(100, 80);
  panel->PaintTo(shot.Canvas().Handle(), 0, 0);
  const TColor shadow = PixelToColor(ColorToPixel(clBtnShadow));
  const TColor light = PixelToColor(ColorToPixel(clBtnHighlight));
  EXPECT_EQ(shot.Pixel(0, 0), shadow);     // outer: dark top-left
  EXPECT_EQ(shot.Pixel(50, 0), shadow);
  EXPECT_EQ(shot.Pixel(99, 40), light);    // outer: light bottom-right
  EXPECT_EQ(shot.Pixel(50, 79), light);
  EXPECT_EQ(shot.Pixel(1, 40), light);     // inner: light top-left
  EXPECT_EQ(shot.Pixel(98, 40), shadow);   // inner: dark bottom-right
  EXPECT_EQ(shot.Pixel(50, 40), clWhite);  // the face
}

TEST_F(PanelTest, CaptionIsCentredInThePanelsFont) {
  panel->SetBevelOuter(bvNone);
  panel->SetColor(clWhite);
  panel->Font().SetColor(clBlack);
  panel->Font().SetHeight(-16);
  panel->SetCaption(L"WWW");
  filler->Hide();
  TBitmap shot(100, 80);
  panel->PaintTo(shot.Canvas().Handle(), 0, 0);
  int minX = 100, maxX = -1, minY = 80, maxY = -1;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 100; ++x)
      if (shot.Pixel(x, y) != clWhite) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
  ASSERT_GE(maxX, 0) << "no text drawn";
  EXPECT_NEAR((minX + maxX) / 2.0, 50, 3);
  EXPECT_NEAR((minY + maxY) / 2.0, 40, 4);
}

TEST_F(PanelTest, SingleBorderStyleAddsAnEdgeToTheWindow) {
  HWND before = panel->Handle();
  panel->SetBorderStyle(bsSingle);
  EXPECT_NE(panel->Handle(), before);  // re-created
  EXPECT_TRUE(::GetWindowLongPtrW(panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_LT(panel->ClientWidth(), panel->Width());
  EXPECT_EQ(panel->BorderStyle(), bsSingle);
  panel->SetBorderStyle(bsDialog);  // a panel knows two styles only
  EXPECT_EQ(panel->BorderStyle(), bsSingle);
}

}  // namespace

// Labels: sized to their text, transparent or not, clicked, disabled.
#include "framework/Label.h"

#include "FrameworkTesting.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "graphics/GdiObjects.h"

namespace {

SIZE TextSize(const TFont& font, const std::wstring& text) {
  TFont copy(font);
  const UniqueWindowDC dc = UniqueWindowDC::Client(nullptr);
  const SelectScope selected(dc.get(), copy.Handle());
  RECT r{0, 0, 0, 0};
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  return {r.right, r.bottom};
}

class LabelTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = MakeComponent<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetClientSize(300, 100);
    panel = form->Create<TPanel>();
    panel->SetParent(form.get());
    panel->SetAlign(alClient);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clWhite);
    label = form->Create<TLabel>();
    label->SetParent(panel);
    label->SetLeft(20);
    label->SetTop(30);
    label->Font().SetName(L"Tahoma");
    label->Font().SetHeight(-16);
  }
  TOwned<TForm> form;
  TPanel* panel = nullptr;
  TLabel* label = nullptr;
};

TEST_F(LabelTest, AutoSizeFollowsTextAndFont) {
  label->SetCaption(L"Waiting for the page");
  SIZE expected = TextSize(label->Font(), L"Waiting for the page");
  EXPECT_EQ(label->Width(), expected.cx);
  EXPECT_EQ(label->Height(), expected.cy);
  label->Font().SetStyle(fsBold);
  label->Font().SetHeight(-24);
  expected = TextSize(label->Font(), L"Waiting for the page");
  EXPECT_EQ(label->Width(), expected.cx);
  EXPECT_EQ(label->Height(), expected.cy);
  EXPECT_EQ(label->Left(), 20);  // left-aligned labels grow to the right

  // An empty label keeps one line's height and a space's width.
  label->SetCaption(L"");
  expected = TextSize(label->Font(), L" ");
  EXPECT_EQ(label->Width(), expected.cx);
  EXPECT_EQ(label->Height(), expected.cy);
  EXPECT_GT(label->Height(), 0);
}

TEST_F(LabelTest, RightAlignedLabelKeepsItsRightEdge) {
  label->SetCaption(L"ab");
  label->SetAlignment(taRightJustify);
  const int right = label->Left() + label->Width();
  label->SetCaption(L"a much longer text");
  EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(LabelTest, FixedSizeWhenAutoSizeIsOff) {
  label->SetAutoSize(false);
  label->SetBounds(20, 30, 30, 14);
  label->SetCaption(L"a text much wider than thirty pixels");
  EXPECT_EQ(label->Width(), 30);
  EXPECT_EQ(label->Height(), 14);
}

class TFrm_Labels : public TForm {
  FW_CLASS(TFrm_Labels, TForm)
 public:
  explicit TFrm_Labels(TComponent* owner) : TForm(owner) {
    Lb = Create<TLabel>();
    Lb->SetParent(this);
    Lb->SetBounds(325, 241, 174, 12);
    Lb->SetCaption(L"Loading...");
    widthWhileLoading = Lb->Width();
  }
  TLabel* Lb;
  int widthWhileLoading = 0;
};

TEST_F(LabelTest, AutoSizeWaitsForTheEndOfLoading) {
  TOwned<TFrm_Labels> f = MakeComponent<TFrm_Labels>();
  EXPECT_EQ(f->widthWhileLoading, 174);
  EXPECT_EQ(f->Lb->Width(), TextSize(f->Lb->Font(), L"Loading...").cx);
  EXPECT_EQ(f->Lb->Left(), 325);
}

TEST_F(LabelTest, ClickRaisesOnClickAndTheLinkShowsAHand) {
  label->SetCaption(L"刷新");
  label->SetCursor(crHandPoint);
  int clicks = 0;
  label->OnClick = [&](TObject& sender) {
    EXPECT_EQ(&sender, label);
    ++clicks;
  };
  HWND window = panel->Handle();
  const LPARAM at = MAKELPARAM(label->Left() + 2, label->Top() + 2);
  ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(window, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetOrdProp(*label, "Cursor"), crHandPoint);
}

TEST_F(LabelTest, OpaqueLabelFillsWithItsColourTransparentOneShowsTheParent) {
  label->SetCaption(L"WWWW");
  label->SetColor(clYellow);
  label->Font().SetColor(clRed);
  TBitmap shot(300, 100);
  panel->PaintTo(shot.Canvas().Handle(), 0, 0);
  EXPECT_EQ(shot.Pixel(label->Left(), label->Top()), clYellow);
  bool red = false;
  for (int x = label->Left(); x < label->Left() + label->Width() && !red; ++x)
    for (int y = label->Top(); y < label->Top() + label->Height() && !red; ++y)
      red = shot.Pixel(x, y) == clRed;
  EXPECT_TRUE(red) << "no text in the font's colour";
  EXPECT_EQ(shot.Pixel(label->Left() - 1, label->Top()), clWhite);  // outside: the panel

  label->SetTransparent(true);
  panel->PaintTo(shot.Canvas().Handle(), 0, 0);
  EXPECT_EQ(shot.Pixel(label->Left(), label->Top()), clWhite);
}

TEST_F(LabelTest, DisabledLabelIsDrawnGreyed) {
  label->SetCaption(L"WWWW");
  label->SetTransparent(true);
  label->Font().SetColor(clRed);
  label->SetEnabled(false);
  TBitmap shot(300, 100);
  panel->PaintTo(shot.Canvas().Handle(), 0, 0);
  const TColor shadow = PixelToColor(ColorToPixel(clBtnShadow));
  bool red = false, grey = false;
  for (int x = label->Left(); x < label->Left() + label->Width() + 1; ++x)
    for (int y = label->Top(); y < label->Top() + label->Height() + 1; ++y) {
      red |= shot.Pixel(x, y) == clRed;
      grey |= shot.Pixel(x, y) == shadow;
    }
  EXPECT_FALSE(red);
  EXPECT_TRUE(grey);
}

}  // namespace

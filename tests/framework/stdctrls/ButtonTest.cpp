// Push, check and radio buttons driven by real input, and the form's
// keyboard interface around them: Tab, arrows, Enter, Esc and mnemonics.
#include "framework/stdctrls/Button.h"

#include <string>

#include "StdCtrlsTesting.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/GroupBox.h"
#include "framework/stdctrls/RadioButton.h"

namespace {

using ButtonTest = StdCtrlsTest;

TControl* Focused() { return TWinControl::FindControl(::GetFocus()); }

TEST_F(ButtonTest, MouseSpaceAndMnemonicPressAnEnabledButton) {
  auto* save = Add<TButton>(10, 10, 80, 25);
  save->SetCaption(L"&Save");
  int clicks = 0;
  save->OnClick = [&](TObject& sender) {
    EXPECT_EQ(&sender, save);
    ++clicks;
  };
  ClickOn(*save);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Focused(), save);  // a click takes the focus
  PressKey(VK_SPACE);
  EXPECT_EQ(clicks, 2);
  PressKey('S', {VK_MENU});
  EXPECT_EQ(clicks, 3);
  save->SetEnabled(false);
  ClickOn(*save);
  PressKey('S', {VK_MENU});
  EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, EnterAndEscReachTheDefaultAndCancelButtons) {
  auto* edit = Add<TEdit>(10, 10, 100, 21);
  auto* ok = Add<TButton>(10, 40, 75, 25);
  auto* cancel = Add<TButton>(90, 40, 75, 25);
  auto* other = Add<TButton>(170, 40, 75, 25);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  std::wstring pressed;
  for (auto [b, name] : {std::pair{ok, L"ok "}, {cancel, L"cancel "}, {other, L"other "}})
    b->OnClick = [&pressed, name = name](TObject&) { pressed += name; };

  const struct {
    TWinControl* focus;
    WORD key;
    const wchar_t* pressed;
    TModalResult result;
    TCustomButton* active;  // shows the default frame
  } cases[] = {
      {edit, VK_RETURN, L"ok ", mrOk, ok},
      {edit, VK_ESCAPE, L"cancel ", mrCancel, ok},
      {other, VK_RETURN, L"other ", mrNone, other},
      {other, VK_ESCAPE, L"cancel ", mrCancel, other},
      {cancel, VK_RETURN, L"cancel ", mrCancel, cancel},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "focus " << c.focus->ClassName() << " key " << c.key);
    pressed.clear();
    form->SetModalResult(mrNone);
    c.focus->SetFocus();
    Pump();
    for (TCustomButton* b : {ok, cancel, other}) {
      EXPECT_EQ(b->Active(), b == c.active);
      EXPECT_EQ((StyleOf(*b) & BS_TYPEMASK) == BS_DEFPUSHBUTTON, b == c.active);
    }
    PressKey(c.key);
    EXPECT_EQ(pressed, c.pressed);
    EXPECT_EQ(form->ModalResult(), c.result);
  }
  // The key's character went nowhere: the edit has no line break or escape.
  EXPECT_EQ(edit->Text(), L"");
}

TEST_F(ButtonTest, CheckBoxStepsThroughItsStatesAndTellsTheWindow) {
  auto* box = Add<TCheckBox>(10, 10, 120, 17);
  box->SetCaption(L"&Grayed too");
  int clicks = 0;
  box->OnClick = [&](TObject&) { ++clicks; };
  const struct {
    bool allowGrayed;
    TCheckBoxState after[3];
  } cases[] = {{false, {cbChecked, cbUnchecked, cbChecked}}, {true, {cbGrayed, cbChecked, cbUnchecked}}};
  for (const auto& c : cases) {
    box->SetState(cbUnchecked);
    box->SetAllowGrayed(c.allowGrayed);
    clicks = 0;
    for (int i = 0; i < 3; ++i) {
      if (i == 1)
        PressKey(VK_SPACE);  // focused by the first click
      else if (i == 2)
        PressKey('G', {VK_MENU});
      else
        ClickOn(*box);
      EXPECT_EQ(box->State(), c.after[i]) << "step " << i << " grayed " << c.allowGrayed;
      EXPECT_EQ(::SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.after[i]));
      EXPECT_EQ(clicks, i + 1);
    }
  }
  // From code: the window follows and OnClick comes too; a new window keeps it.
  box->SetState(cbGrayed);
  box->SetAlignment(taLeftJustify);
  EXPECT_EQ(::SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_TRUE(StyleOf(*box) & BS_LEFTTEXT);
}

// Where a check box draws its box: the dark frame of the box lies at the
// left edge, or at the right one with taLeftJustify.
TEST_F(ButtonTest, LeftJustifiedCheckBoxHasItsBoxAtTheRight) {
  auto* box = Add<TCheckBox>(10, 10, 150, 20);
  box->SetCaption(L"x");
  const TColor ink = PixelToColor(ColorToPixel(clWindow));  // the box's inside
  for (TAlignment a : {taRightJustify, taLeftJustify}) {
    box->SetAlignment(a);
    const TBitmap shot = CaptureScreen(*box);
    const int left = CountPixels(shot, {0, 0, 20, 20}, ink);
    const int right = CountPixels(shot, {130, 0, 150, 20}, ink);
    if (a == taRightJustify) {
      EXPECT_GT(left, 40);
      EXPECT_EQ(right, 0);
    } else {
      EXPECT_GT(right, 40);
      EXPECT_EQ(left, 0);
    }
  }
}

TEST_F(ButtonTest, RadioButtonsOfOneParentCheckOneAtATime) {
  auto* group = Add<TGroupBox>(200, 10, 150, 80);
  TRadioButton* radios[3];
  for (int i = 0; i < 3; ++i) {
    radios[i] = Add<TRadioButton>(10, 10 + 25 * i, 120, 20);
    radios[i]->SetCaption(std::wstring(L"&") + static_cast<wchar_t>(L'a' + i) + L" choice");
  }
  auto* apart = Add<TRadioButton>(10, 20, 120, 20, group);
  apart->SetChecked(true);
  int clicks = 0;
  for (TRadioButton* r : radios) r->OnClick = [&](TObject&) { ++clicks; };

  // Checked, as the window shows it, and tab stop, per button: "1" or "0".
  auto state = [&] {
    std::string s;
    for (TRadioButton* r : radios) {
      const bool window = ::SendMessageW(r->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
      s += std::string(r->Checked() ? "1" : "0") + (window ? "1" : "0") + (r->TabStop() ? "1" : "0") + " ";
    }
    EXPECT_TRUE(apart->Checked());  // another parent, another group
    return s;
  };
  auto expectChecked = [&](int which) {
    std::string expected;
    for (int i = 0; i < 3; ++i) expected += i == which ? "111 " : "000 ";
    EXPECT_EQ(state(), expected);
  };
  ClickOn(*radios[1]);
  expectChecked(1);
  EXPECT_EQ(clicks, 1);
  PressKey(VK_DOWN);  // the focus moves and checks
  expectChecked(2);
  EXPECT_EQ(Focused(), radios[2]);
  PressKey(VK_UP);
  PressKey(VK_UP);
  expectChecked(0);
  PressKey('C', {VK_MENU});
  expectChecked(2);
  EXPECT_EQ(clicks, 5);
  ClickOn(*radios[2]);  // already checked: no change, no click
  EXPECT_EQ(clicks, 5);
}

TEST_F(ButtonTest, TabVisitsTabStopsInChildOrderAndWraps) {
  auto* first = Add<TEdit>(10, 10, 80, 21);
  auto* button = Add<TButton>(10, 40, 75, 25);
  auto* group = Add<TGroupBox>(100, 10, 200, 100);  // not a tab stop itself
  auto* inner = Add<TEdit>(10, 20, 80, 21, group);
  auto* off = Add<TRadioButton>(10, 50, 80, 20, group);  // unchecked: no tab stop
  auto* box = Add<TCheckBox>(10, 80, 80, 17);
  (void)off;
  first->SetFocus();
  Pump();
  for (TControl* expected : std::initializer_list<TControl*>{button, inner, box, first}) {
    PressKey(VK_TAB);
    EXPECT_EQ(Focused(), expected) << expected->ClassName();
  }
  PressKey(VK_TAB, {VK_SHIFT});
  EXPECT_EQ(Focused(), box);
  // A group box's mnemonic goes to its first control.
  group->SetCaption(L"&Details");
  PressKey('D', {VK_MENU});
  EXPECT_EQ(Focused(), inner);
}

}  // namespace

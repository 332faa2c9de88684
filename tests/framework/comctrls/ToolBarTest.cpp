// Tool bars: buttons in their order on the bar with their styles and
// states in the window, the edges around it, clicks and groups, the
// custom-draw events with their stages and states (and what they paint),
// and menu buttons that run their menus one after the other.
#include "framework/comctrls/ToolBar.h"

#include <commctrl.h>

#include "ComCtrlsTesting.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"

namespace {

class ToolBarTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    images = form->Create<TImageList>();
    TBitmap strip(48, 16);
    strip.Canvas().Brush().SetColor(clGreen);
    strip.Canvas().FillRect({0, 0, 48, 16});
    images->AddMasked(strip, clFuchsia);
    bar = form->Create<TToolBar>();
    bar->SetParent(form.get());
    bar->SetImages(images);
  }
  // A button added after the others.
  TToolButton* AddButton(std::wstring_view caption, TToolButtonStyle style = tbsButton) {
    TToolButton* b = form->Create<TToolButton>();
    b->SetLeft(10000);
    b->SetCaption(caption);
    b->SetStyle(style);
    b->SetParent(bar);
    b->OnClick = [this, b](TObject&) { log += b->Caption() + L" "; };
    return b;
  }
  TBBUTTON WindowButton(int index) {
    TBBUTTON info{};
    ::SendMessageW(bar->Handle(), TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
    return info;
  }
  void ClickButton(TToolButton* b) { ClickAt(*bar, {b->Left() + b->Width() / 2, b->Top() + b->Height() / 2}); }

  TImageList* images = nullptr;
  TToolBar* bar = nullptr;
  std::wstring log;
};

TEST_F(ToolBarTest, ButtonsTakeTheirPlaceAndStateOnTheBar) {
  bar->SetShowCaptions(true);
  TToolButton* one = AddButton(L"One");
  TToolButton* check = AddButton(L"Check", tbsCheck);
  TToolButton* sep = AddButton(L"", tbsSeparator);
  TToolButton* drop = AddButton(L"Drop", tbsDropDown);
  TToolButton* first = form->Create<TToolButton>();  // Left 0: goes first
  first->SetParent(bar);
  one->SetImageIndex(2);
  check->SetDown(true);
  drop->SetEnabled(false);
  sep->SetWidth(12);
  const TToolButton* order[] = {first, one, check, sep, drop};
  auto expectWindow = [&] {
    ASSERT_EQ(::SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 5);
    for (int i = 0; i < 5; ++i) {
      const TBBUTTON info = WindowButton(i);
      EXPECT_EQ(reinterpret_cast<TToolButton*>(info.dwData), order[i]) << i;
      RECT r{};
      ::SendMessageW(bar->Handle(), TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
      EXPECT_EQ(order[i]->BoundsRect().left, r.left) << i;
      EXPECT_EQ(order[i]->BoundsRect().right, r.right) << i;
      EXPECT_EQ(order[i]->Index(), i);
    }
    EXPECT_EQ(WindowButton(1).iBitmap, 2);
    EXPECT_EQ(WindowButton(2).fsStyle & BTNS_CHECK, BTNS_CHECK);
    EXPECT_TRUE(WindowButton(2).fsState & TBSTATE_CHECKED);
    EXPECT_EQ(WindowButton(3).fsStyle & BTNS_SEP, BTNS_SEP);
    EXPECT_EQ(sep->Width(), 12);
    EXPECT_TRUE(WindowButton(4).fsStyle & BTNS_DROPDOWN);
    EXPECT_FALSE(WindowButton(4).fsState & TBSTATE_ENABLED);
    wchar_t text[16]{};
    ::SendMessageW(bar->Handle(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(WindowButton(1).idCommand),
                   reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"One");
  };
  expectWindow();
  bar->SetList(true);  // re-creates the window
  EXPECT_TRUE(::GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & TBSTYLE_LIST);
  expectWindow();
  one->Hide();
  EXPECT_TRUE(WindowButton(1).fsState & TBSTATE_HIDDEN);
  check->Free();
  EXPECT_EQ(::SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 4);
  EXPECT_EQ(reinterpret_cast<TToolButton*>(WindowButton(2).dwData), sep);
}

TEST_F(ToolBarTest, ButtonsAddedBeforeTheWindowKeepTheirOrder) {
  TToolBar* offline = form->Create<TToolBar>();  // no parent yet, no window
  std::vector<TToolButton*> made;
  for (int left : {10000, 10000, 0, 10000}) {
    TToolButton* b = form->Create<TToolButton>();
    b->SetLeft(left);
    b->SetParent(offline);
    made.push_back(b);
  }
  const TToolButton* order[] = {made[2], made[0], made[1], made[3]};
  offline->SetParent(form.get());
  for (int i = 0; i < 4; ++i) {
    TBBUTTON info{};
    ::SendMessageW(offline->Handle(), TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(reinterpret_cast<TToolButton*>(info.dwData), order[i]) << i;
  }
}

TEST_F(ToolBarTest, EdgesAndBorderTakeTheNonClientAreaAndAutoSizeFitsTheRows) {
  bar->SetAlign(alNone);
  bar->SetBounds(0, 0, 200, 60);
  bar->SetEdgeBorders(ebTop | ebBottom);
  bar->SetBorderWidth(3);
  RECT client{};
  ::GetClientRect(bar->Handle(), &client);
  EXPECT_EQ(client.right, 200 - 3 - 3);
  EXPECT_EQ(client.bottom, 60 - 2 * 2 - 3 * 2) << "two edges of one pixel, top and bottom";
  bar->SetEdgeInner(esNone);
  ::GetClientRect(bar->Handle(), &client);
  EXPECT_EQ(client.bottom, 60 - 2 - 6);
  for (int i = 0; i < 6; ++i) AddButton(L"B" + std::to_wstring(i));
  bar->SetWidth(23 * 3 + 8);
  bar->SetAutoSize(true);
  EXPECT_EQ(bar->RowCount(), 2);
  EXPECT_EQ(bar->Height(), bar->Buttons(5)->Top() + bar->Buttons(5)->Height() + 2 + 6);
}

TEST_F(ToolBarTest, ClicksRaiseOnClickAndGroupedButtonsAreDownOneAtATime) {
  TToolButton* plain = AddButton(L"Plain");
  TToolButton* a = AddButton(L"A", tbsCheck);
  TToolButton* b = AddButton(L"B", tbsCheck);
  TToolButton* c = AddButton(L"C", tbsCheck);
  for (TToolButton* g : {a, b, c}) g->SetGrouped(true);
  ClickButton(plain);
  ClickButton(a);
  EXPECT_TRUE(a->Down());
  ClickButton(c);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(c->Down());
  EXPECT_FALSE(WindowButton(1).fsState & TBSTATE_CHECKED);
  EXPECT_TRUE(WindowButton(3).fsState & TBSTATE_CHECKED);
  ClickButton(c);
  EXPECT_TRUE(c->Down()) << "the group keeps one down";
  c->SetAllowAllUp(true);
  ClickButton(c);
  EXPECT_FALSE(c->Down());
  EXPECT_FALSE(WindowButton(3).fsState & TBSTATE_CHECKED);
  b->SetDown(true);
  EXPECT_TRUE(WindowButton(2).fsState & TBSTATE_CHECKED);
  EXPECT_EQ(log, L"Plain A C C C ");
}

TEST_F(ToolBarTest, CustomDrawEventsGetStagesStatesAndTheirPaintShows) {
  bar->SetAlign(alNone);
  bar->SetBounds(0, 0, 120, 30);
  TToolButton* a = AddButton(L"A", tbsCheck);
  TToolButton* b = AddButton(L"B");
  TToolButton* c = AddButton(L"C");
  a->SetDown(true);
  c->SetEnabled(false);
  std::vector<TCustomDrawStage> stages;
  std::wstring states;
  bar->OnCustomDraw = [](TToolBar& sender, const RECT& rect, bool&) {
    sender.Canvas().Brush().SetColor(clRed);
    sender.Canvas().FillRect(rect);
  };
  bar->OnCustomDrawButton = [b](TToolBar& sender, TToolButton& button, TCustomDrawState, bool& defaultDraw) {
    if (&button != b) return;
    sender.Canvas().Brush().SetColor(clBlue);
    sender.Canvas().FillRect(button.BoundsRect());
    defaultDraw = false;
  };
  bar->OnAdvancedCustomDraw = [&stages](TToolBar&, const RECT&, TCustomDrawStage stage, bool&) {
    stages.push_back(stage);
  };
  bar->OnAdvancedCustomDrawButton = [&](TToolBar&, TToolButton& button, TCustomDrawState state,
                                        TCustomDrawStage stage, TTBCustomDrawFlags&, bool&) {
    if (stage != cdPrePaint) return;
    states += button.Caption() + ((state & cdsChecked) ? L"+checked" : L"") +
              ((state & cdsDisabled) ? L"+disabled" : L"") + L" ";
  };
  TBitmap shot(120, 30);
  bar->PaintTo(shot.Canvas().Handle(), 0, 0);
  const std::vector<TCustomDrawStage> expected = {cdPreErase, cdPostErase, cdPrePaint, cdPostPaint};
  EXPECT_EQ(stages, expected);
  EXPECT_EQ(states, L"A+checked C+disabled ") << "B was drawn by its handler";
  EXPECT_EQ(shot.Pixel(119, 15), clRed) << "the background";
  EXPECT_EQ(shot.Pixel(b->Left() + b->Width() / 2, b->Top() + b->Height() / 2), clBlue);
  EXPECT_NE(shot.Pixel(a->Left() + 3, a->Top() + b->Height() / 2), clBlue);
}

class ToolBarMenuTest : public ToolBarTest {
 protected:
  void SetUp() override {
    ToolBarTest::SetUp();
    menu = form->Create<TMainMenu>();
    file = menu->Items().AddItem(L"File");
    for (const wchar_t* caption : {L"New", L"Open"}) Item(file, caption);
    edit = menu->Items().AddItem(L"Edit");
    Item(edit, L"Cut");
    help = menu->Items().AddItem(L"Help");
    help->OnClick = [this](TObject&) { picked += L"Help "; };
    bar->SetShowCaptions(true);
    bar->SetFlat(true);
    // As a menu bar builds itself: the last item first, each at the front.
    for (TMenuItem* item : {help, edit, file}) {
      TToolButton* button = form->Create<TToolButton>();
      button->SetGrouped(true);
      button->SetAutoSize(true);
      button->SetMenuItem(item);
      button->SetParent(bar);
    }
  }
  void Item(TMenuItem* parent, const wchar_t* caption) {
    TMenuItem* item = parent->AddItem(caption);
    item->OnClick = [this, item](TObject&) {
      picked += item->Caption() + L"(" + std::to_wstring(item->Parent()->Count()) + L") ";
    };
  }
  TMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *edit = nullptr, *help = nullptr;
  std::wstring picked;
};

TEST_F(ToolBarMenuTest, MenuButtonsRunTheirMenusAndArrowsMoveAlong) {
  ASSERT_EQ(bar->ButtonCount(), 3);
  EXPECT_EQ(bar->Buttons(0)->Caption(), L"File");
  EXPECT_EQ(bar->Buttons(2)->Caption(), L"Help");
  TToolButton* fileButton = bar->Buttons(0);
  const POINT centre{fileButton->Left() + fileButton->Width() / 2, fileButton->Height() / 2};
  // File's menu, down to Open, picked.
  Play({ClickInput(*bar, centre), KeyInput(VK_DOWN), KeyInput(VK_DOWN), KeyInput(VK_RETURN)});
  EXPECT_EQ(picked, L"Open(2) ") << "clicked after its items went home";
  // File's menu, then Right: Edit's menu, Cut picked.
  picked.clear();
  Play({ClickInput(*bar, centre), KeyInput(VK_RIGHT), KeyInput(VK_DOWN), KeyInput(VK_RETURN)});
  EXPECT_EQ(picked, L"Cut(1) ");
  EXPECT_EQ(file->Count(), 2);
  EXPECT_EQ(file->Items(1)->Parent(), file);
  EXPECT_EQ(edit->Items(0)->Caption(), L"Cut");
  // A title without sub-items clicks its item on the press, once.
  picked.clear();
  TToolButton* helpButton = bar->Buttons(2);
  ClickAt(*bar, {helpButton->Left() + helpButton->Width() / 2, helpButton->Height() / 2});
  EXPECT_EQ(picked, L"Help ");
  // From code, dismissed with Escape (queued before the menu runs).
  picked.clear();
  EXPECT_FALSE(bar->CheckMenuDropdown(helpButton)) << "no sub-items";
  const Inputs escape = KeyInput(VK_ESCAPE);
  ::SendInput(static_cast<UINT>(escape.size()), const_cast<INPUT*>(escape.data()), sizeof(INPUT));
  EXPECT_TRUE(bar->CheckMenuDropdown(fileButton));
  EXPECT_EQ(picked, L"");
  EXPECT_EQ(file->Count(), 2);
}

TEST_F(ToolBarMenuTest, DropDownButtonsShowTheirMenuFromTheArrow) {
  TPopupMenu* popup = form->Create<TPopupMenu>();
  int popups = 0;
  popup->OnPopup = [&popups](TObject&) { ++popups; };
  Item(&popup->Items(), L"Red");
  Item(&popup->Items(), L"Blue");
  TToolButton* drop = AddButton(L"Colour", tbsDropDown);
  drop->SetDropdownMenu(popup);
  Play({ClickInput(*bar, {drop->Left() + drop->Width() - 4, drop->Height() / 2}), KeyInput(VK_DOWN),
        KeyInput(VK_DOWN), KeyInput(VK_RETURN)});
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(picked, L"Blue(2) ");
  EXPECT_EQ(log, L"") << "the arrow is not a click of the button";
}

}  // namespace

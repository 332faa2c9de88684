// Tab controls: the tabs as strings in the window (selection kept across
// edits and re-creation), clicks and keys with OnChanging/OnChange, where
// the display area lies for each tab position, and page controls whose
// sheets are the tabs.
#include "framework/comctrls/TabControl.h"

#include <commctrl.h>

#include "AnsiText.h"
#include "ComCtrlsTesting.h"
#include "framework/Panel.h"

namespace {

class TabControlTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    tabs = Add<TTabControl>(10, 10, 300, 200);
    for (const char* text : {"One", "Two"}) tabs->Tabs().Add(text);
    tabs->Tabs().Add(ToAnsi(L"三"));
    tabs->OnChanging = [this](TObject&, bool& allow) {
      log += "changing" + std::to_string(tabs->TabIndex()) + " ";
      allow = allowChange;
    };
    tabs->OnChange = [this](TObject&) { log += "change" + std::to_string(tabs->TabIndex()) + " "; };
  }
  std::wstring WindowTabs() {
    std::wstring out;
    const int count = static_cast<int>(::SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t text[32]{};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = 32;
      ::SendMessageW(tabs->Handle(), TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      out += std::wstring(text) + L"|";
    }
    return out;
  }
  int WindowSelection() { return static_cast<int>(::SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0)); }
  void ClickTab(int index) {
    const RECT r = tabs->TabRect(index);
    ClickAt(*tabs, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  TTabControl* tabs = nullptr;
  std::string log;
  bool allowChange = true;
};

TEST_F(TabControlTest, TabsAreStringsInTheWindowAndTheSelectionStaysPut) {
  EXPECT_EQ(WindowTabs(), L"One|Two|三|");
  EXPECT_EQ(tabs->Tabs().Strings(2), ToAnsi(L"三"));
  tabs->SetTabIndex(1);
  EXPECT_EQ(WindowSelection(), 1);
  tabs->Tabs().Insert(0, "Zero");
  EXPECT_EQ(tabs->TabIndex(), 2) << "still on Two";
  tabs->Tabs().SetStrings(2, "Deux");
  tabs->Tabs().Delete(0);
  EXPECT_EQ(WindowTabs(), L"One|Deux|三|");
  EXPECT_EQ(tabs->TabIndex(), 1);
  TPanel* page = form->Create<TPanel>();
  tabs->Tabs().SetObjects(1, page);
  tabs->SetTabPosition(tpBottom);  // re-creates the window
  EXPECT_TRUE(::GetWindowLongPtrW(tabs->Handle(), GWL_STYLE) & TCS_BOTTOM);
  EXPECT_EQ(WindowTabs(), L"One|Deux|三|");
  EXPECT_EQ(WindowSelection(), 1);
  EXPECT_EQ(tabs->Tabs().Objects(1), page);
  // Aligned children fill the display area.
  page->SetParent(tabs);
  page->SetAlign(alClient);
  const RECT display = tabs->DisplayRect();
  EXPECT_EQ(page->BoundsRect().left, display.left);
  EXPECT_EQ(page->BoundsRect().bottom, display.bottom);
  tabs->Tabs().Clear();
  EXPECT_EQ(WindowTabs(), L"");
  EXPECT_EQ(tabs->TabIndex(), -1);
  EXPECT_EQ(log, "") << "changes in code raise no events";
}

TEST_F(TabControlTest, ClicksAndKeysAskOnChangingThenRaiseOnChange) {
  ClickTab(2);
  EXPECT_EQ(tabs->TabIndex(), 2);
  tabs->SetFocus();
  PressKey(VK_LEFT);
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(log, "changing0 change2 changing2 change1 ");
  allowChange = false;
  log.clear();
  ClickTab(0);
  EXPECT_EQ(tabs->TabIndex(), 1) << "OnChanging refused";
  EXPECT_EQ(WindowSelection(), 1);
  EXPECT_EQ(log, "changing1 ");
}

TEST_F(TabControlTest, TheDisplayAreaLiesBesideTheTabsAndRowsWrap) {
  struct Case {
    TTabPosition position;
    bool (*beside)(const RECT& tab, const RECT& display);
  };
  const Case cases[] = {
      {tpTop, [](const RECT& t, const RECT& d) { return t.bottom <= d.top; }},
      {tpBottom, [](const RECT& t, const RECT& d) { return t.top >= d.bottom; }},
      {tpLeft, [](const RECT& t, const RECT& d) { return t.right <= d.left; }},
      {tpRight, [](const RECT& t, const RECT& d) { return t.left >= d.right; }},
  };
  for (const Case& c : cases) {
    tabs->SetTabPosition(c.position);
    const RECT tab = tabs->TabRect(0), display = tabs->DisplayRect();
    EXPECT_TRUE(c.beside(tab, display)) << c.position;
    EXPECT_GT(display.right - display.left, 200) << c.position;
    EXPECT_GT(display.bottom - display.top, 100) << c.position;
  }
  tabs->SetTabPosition(tpTop);
  for (int i = 0; i < 12; ++i) tabs->Tabs().Add("Tab " + std::to_string(i));
  EXPECT_EQ(tabs->RowCount(), 1);
  const int singleTop = tabs->DisplayRect().top;
  tabs->SetMultiLine(true);
  EXPECT_GT(tabs->RowCount(), 1);
  EXPECT_GT(tabs->DisplayRect().top, singleTop) << "more rows, less page";
}

class PageControlTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    pages = Add<TPageControl>(10, 10, 300, 200);
    for (const wchar_t* caption : {L"General", L"Colours", L"Fonts"}) {
      TTabSheet* sheet = form->Create<TTabSheet>();
      sheet->SetCaption(caption);
      sheet->SetPageControl(pages);
      sheets.push_back(sheet);
    }
    pages->OnChange = [this](TObject&) { ++changes; };
  }
  std::string Tabs() { return pages->Tabs().Text(); }
  TPageControl* pages = nullptr;
  std::vector<TTabSheet*> sheets;
  int changes = 0;
};

TEST_F(PageControlTest, SheetsAreTheTabsAndOneIsShownInTheDisplayArea) {
  EXPECT_EQ(Tabs(), "General\r\nColours\r\nFonts\r\n");
  EXPECT_EQ(pages->ActivePage(), sheets[0]) << "the first sheet is shown";
  auto shown = [this] {
    int visible = 0;
    for (TTabSheet* s : sheets) visible += ::IsWindowVisible(s->Handle()) ? 1 : 0;
    return visible;
  };
  EXPECT_EQ(shown(), 1);
  const RECT display = pages->DisplayRect();
  EXPECT_EQ(sheets[0]->BoundsRect().top, display.top);
  EXPECT_EQ(sheets[0]->BoundsRect().right, display.right);
  // A click on a tab shows its sheet.
  const RECT tab = pages->TabRect(2);
  ClickAt(*pages, {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_TRUE(::IsWindowVisible(sheets[2]->Handle()));
  EXPECT_EQ(shown(), 1);
  EXPECT_EQ(changes, 1);
  // Sheets moved, renamed, without a tab.
  sheets[2]->SetPageIndex(0);
  sheets[1]->SetCaption(L"Colors");
  EXPECT_EQ(Tabs(), "Fonts\r\nGeneral\r\nColors\r\n");
  EXPECT_EQ(pages->TabIndex(), 0);
  sheets[2]->SetTabVisible(false);
  EXPECT_EQ(Tabs(), "General\r\nColors\r\n");
  EXPECT_EQ(pages->ActivePage(), sheets[0]) << "the next sheet with a tab";
  EXPECT_EQ(sheets[1]->TabIndex(), 1);
  EXPECT_EQ(sheets[2]->TabIndex(), -1);
  EXPECT_EQ(changes, 1);
}

TEST_F(PageControlTest, NextPagesWrapRoundAndFreedSheetsLeave) {
  pages->SelectNextPage(false);
  EXPECT_EQ(pages->ActivePage(), sheets[2]) << "backwards from the first";
  pages->SelectNextPage(true);
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_EQ(changes, 2);
  pages->SetActivePageIndex(1);
  sheets[1]->Free();
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(Tabs(), "General\r\nFonts\r\n");
  EXPECT_EQ(pages->TabIndex(), 1);
}

}  // namespace

// List views: items with sub-items and columns in the window, selection
// and check marks from code, clicks and keys with their events, column
// clicks, label edits, the views, and a re-created window that keeps it all.
#include "framework/comctrls/ListView.h"

#include <commctrl.h>

#include "AnsiText.h"
#include "ComCtrlsTesting.h"

namespace {

class ListViewTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    list = Add<TListView>(10, 10, 300, 200);
    list->SetViewStyle(vsReport);
    TListColumn& name = list->Columns().Add();
    name.SetCaption(L"Name");
    name.SetWidth(120);
    TListColumn& size = list->Columns().Add();
    size.SetCaption(L"Size");
    size.SetWidth(60);
    size.SetAlignment(taRightJustify);
    for (const wchar_t* caption : {L"Alpha", L"Beta", L"Gamma"}) {
      TListItem* item = list->Items().Add();
      item->SetCaption(caption);
      item->SubItems().Add(std::to_string(item->Index() * 10));
    }
    list->OnSelectItem = [this](TObject&, TListItem* item, bool selected) {
      log += (selected ? L"+" : L"-") + item->Caption() + L" ";
    };
  }
  std::wstring WindowText(int item, int subItem) {
    wchar_t text[64]{};
    LVITEMW info{};
    info.iSubItem = subItem;
    info.pszText = text;
    info.cchTextMax = 64;
    ::SendMessageW(list->Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
    return text;
  }
  std::wstring WindowRows() {
    std::wstring out;
    const int count = static_cast<int>(::SendMessageW(list->Handle(), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) out += WindowText(i, 0) + L"," + WindowText(i, 1) + L" ";
    return out;
  }
  UINT WindowState(int item, UINT mask) {
    return static_cast<UINT>(::SendMessageW(list->Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
  }
  void ClickItem(int index) {
    const RECT r = list->Items().Item(index)->DisplayRect(LVIR_LABEL);
    ClickAt(*list, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  TListView* list = nullptr;
  std::wstring log;
};

TEST_F(ListViewTest, ItemsSubItemsAndColumnsAreShownFromTheModel) {
  EXPECT_EQ(WindowRows(), L"Alpha,0 Beta,10 Gamma,20 ");
  TListItem* first = list->Items().Insert(0);
  first->SetCaption(L"三");
  first->SubItems().Add(ToAnsi(L"四"));
  list->Items().Item(2)->SubItems().SetStrings(0, "eleven");
  list->Items().Item(3)->SetCaption(L"Delta");
  list->Items().Delete(1);
  EXPECT_EQ(WindowRows(), L"三,四 Beta,eleven Delta,20 ");
  LVCOLUMNW column{};
  wchar_t text[32]{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.pszText = text;
  column.cchTextMax = 32;
  ::SendMessageW(list->Handle(), LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
  EXPECT_STREQ(text, L"Size");
  EXPECT_EQ(column.cx, 60);
  EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
  list->Columns().Items(1).SetCaption(L"Bytes");
  list->Columns().Add().SetCaption(L"Date");
  ::SendMessageW(list->Handle(), LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
  EXPECT_STREQ(text, L"Bytes");
  EXPECT_EQ(::SendMessageW(list->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 3);
  list->Columns().Delete(2);
  EXPECT_EQ(::SendMessageW(list->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 2);
  // The views change the window's style, not the window.
  HWND window = list->Handle();
  for (TViewStyle style : {vsIcon, vsSmallIcon, vsList, vsReport}) {
    list->SetViewStyle(style);
    static constexpr DWORD kStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    EXPECT_EQ(::GetWindowLongPtrW(window, GWL_STYLE) & LVS_TYPEMASK, kStyles[style]);
  }
  EXPECT_EQ(list->Handle(), window);
}

TEST_F(ListViewTest, SelectionAndChecksFromCodeReachTheWindowWithEvents) {
  list->Items().Item(1)->SetSelected(true);
  EXPECT_EQ(WindowState(1, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
  list->SetItemIndex(2);
  EXPECT_EQ(list->Selected(), list->Items().Item(2));
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_EQ(WindowState(1, LVIS_SELECTED), 0u);
  EXPECT_EQ(log, L"+Beta -Beta +Gamma ");
  int checks = 0;
  list->OnItemChecked = [&checks](TObject&, TListItem*) { ++checks; };
  list->Items().Item(0)->SetChecked(true);  // kept until check boxes show
  list->SetCheckboxes(true);
  EXPECT_EQ(WindowState(0, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
  EXPECT_EQ(WindowState(1, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
  list->Items().Item(1)->SetChecked(true);
  EXPECT_EQ(WindowState(1, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
  EXPECT_EQ(checks, 1);
}

TEST_F(ListViewTest, ClicksKeysAndColumnHeadersRaiseEvents) {
  ClickItem(1);
  EXPECT_EQ(list->Selected(), list->Items().Item(1));
  list->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_EQ(list->Selected(), list->Items().Item(2));
  EXPECT_EQ(list->ItemFocused(), list->Items().Item(2));
  EXPECT_EQ(log, L"+Beta -Beta +Gamma ");
  // Space marks the focused item's check box.
  list->SetCheckboxes(true);
  TListItem* checked = nullptr;
  list->OnItemChecked = [&checked](TObject&, TListItem* item) { checked = item; };
  PressKey(VK_SPACE);
  EXPECT_TRUE(list->Items().Item(2)->Checked());
  EXPECT_EQ(checked, list->Items().Item(2));
  list->SetMultiSelect(true);  // re-creates the window
  log.clear();
  const RECT r = list->Items().Item(0)->DisplayRect(LVIR_LABEL);
  Play({KeyEdgeInput(VK_CONTROL, false), ClickInput(*list, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}),
        KeyEdgeInput(VK_CONTROL, true)});
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_EQ(log, L"+Alpha ");
  // A click on a column header.
  TListColumn* clicked = nullptr;
  list->OnColumnClick = [&clicked](TObject&, TListColumn* column) { clicked = column; };
  RECT header{};
  ::SendMessageW(list->HeaderHandle(), HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&header));
  ::MapWindowPoints(list->HeaderHandle(), list->Handle(), reinterpret_cast<POINT*>(&header), 2);
  ClickAt(*list, {(header.left + header.right) / 2, (header.top + header.bottom) / 2});
  EXPECT_EQ(clicked, &list->Columns().Items(1));
}

TEST_F(ListViewTest, RecreatedWindowKeepsItemsStatesAndColumnWidths) {
  list->SetCheckboxes(true);
  list->Items().Item(2)->SetChecked(true);
  list->SetItemIndex(1);
  ::SendMessageW(list->Handle(), LVM_SETCOLUMNWIDTH, 0, 77);  // as the user drags it
  HWND before = list->Handle();
  list->SetReadOnly(true);
  list->SetHideSelection(false);
  ASSERT_NE(list->Handle(), before);
  EXPECT_FALSE(::GetWindowLongPtrW(list->Handle(), GWL_STYLE) & LVS_EDITLABELS);
  EXPECT_EQ(WindowRows(), L"Alpha,0 Beta,10 Gamma,20 ");
  EXPECT_EQ(WindowState(1, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
  EXPECT_EQ(WindowState(2, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
  EXPECT_EQ(::SendMessageW(list->Handle(), LVM_GETCOLUMNWIDTH, 0, 0), 77);
  EXPECT_EQ(list->Columns().Items(0).Width(), 77);
  EXPECT_EQ(log, L"+Beta ") << "re-creating raises nothing";
}

TEST_F(ListViewTest, EditedLabelsBecomeTheCaption) {
  list->OnEdited = [](TObject&, TListItem*, std::wstring& text) { text += L"?"; };
  list->SetFocus();
  HWND edit = reinterpret_cast<HWND>(::SendMessageW(list->Handle(), LVM_EDITLABELW, 1, 0));
  ASSERT_NE(edit, nullptr);
  ::SetWindowTextW(edit, L"Bravo");
  ::SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_EQ(list->Items().Item(1)->Caption(), L"Bravo?");
  EXPECT_EQ(WindowText(1, 0), L"Bravo?");
}

}  // namespace

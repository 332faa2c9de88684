// List boxes, combo boxes and image combo boxes: items between the control
// and its window, selection by real input, styles, owner drawing, and
// what survives a new window.
#include "framework/stdctrls/ListBox.h"

#include <commctrl.h>

#include "AnsiText.h"
#include "StdCtrlsTesting.h"
#include "framework/ImageList.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/ComboBoxEx.h"
#include "framework/stdctrls/StdCtrlsCommon.h"

namespace {

using ListTest = StdCtrlsTest;

std::wstring LbText(HWND h, int i) {
  wchar_t buffer[64] = {};
  ::SendMessageW(h, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

// Items in the window's order, "a,b,c".
std::wstring WindowItems(TCustomListBox& list) {
  std::wstring s;
  const auto n = static_cast<int>(::SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) s += LbText(list.Handle(), i) + L",";
  return s;
}

TEST_F(ListTest, ListBoxItemsObjectsAndSelectionLiveThroughNewWindows) {
  TObject one, two;
  auto* list = form->Create<TListBox>();  // items before there is a window
  list->Items().AddObject("pear", &one);
  list->Items().AddObject("\xB1\xA8\xD0\xDE", &two);  // GBK
  list->Items().Add("apple");
  list->SetItemIndex(2);
  list->SetParent(form.get());
  list->SetBounds(10, 10, 120, 120);
  EXPECT_EQ(WindowItems(*list), L"pear,报修,apple,");
  EXPECT_EQ(::SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(list->Items().Objects(1), &two);
  EXPECT_EQ(list->Items().IndexOf("APPLE"), 2);

  list->SetSorted(true);  // a new window, in order
  EXPECT_TRUE(StyleOf(*list) & LBS_SORT);
  EXPECT_EQ(list->Items()[0], "apple");
  EXPECT_EQ(list->Items().Objects(list->Items().IndexOf("pear")), &one);
  list->Items().Add("banana");  // the window sorts it in
  EXPECT_EQ(list->Items().IndexOf("banana"), 1);

  list->SetMultiSelect(true);
  EXPECT_EQ(list->SelCount(), 1);  // the selection stays
  list->ClearSelection();
  list->SetSelected(0, true);
  list->SetSelected(2, true);
  list->SetBorderStyle(bsNone);  // another new window keeps the selection
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_TRUE(list->Selected(0) && list->Selected(2) && !list->Selected(1));
  list->DeleteSelected();
  EXPECT_EQ(list->Items().Count(), 2);
  EXPECT_THROW(list->Selected(5), EListError);
}

TEST_F(ListTest, ClickingAnItemSelectsItAndClicks) {
  auto* list = Add<TListBox>(10, 10, 120, 120);
  list->Items().SetText("zero\r\none\r\ntwo");
  int clicks = 0, doubles = 0;
  list->OnClick = [&](TObject&) { ++clicks; };
  list->OnDblClick = [&](TObject&) { ++doubles; };
  const RECT second = list->ItemRect(1);
  ClickAt(*list, {second.left + 5, second.top + 2});
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list->ItemAtPos({second.left + 5, second.top + 2}), 1);
  PressKey(VK_DOWN);  // a list keeps its arrow keys
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(TWinControl::FindControl(::GetFocus()), list);
  ClickAt(*list, {second.left + 5, second.top + 2});
  ClickAt(*list, {second.left + 5, second.top + 2});
  EXPECT_EQ(doubles, 1);
}

TEST_F(ListTest, OwnerDrawnListBoxDrawsEachItemThroughItsEvent) {
  auto* list = Add<TListBox>(10, 10, 120, 100);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  list->Items().SetText("a\r\nb\r\nc");
  std::vector<int> drawn;
  list->OnDrawItem = [&](TObject&, int index, const RECT& r, TOwnerDrawState) {
    drawn.push_back(index);
    list->Canvas().Brush().SetColor(index == 1 ? clRed : clLime);
    list->Canvas().FillRect(r);
  };
  const TBitmap shot = CaptureScreen(*list);
  EXPECT_EQ(list->ItemHeight(), 20);
  EXPECT_GE(drawn.size(), 3u);
  const RECT second = list->ItemRect(1);
  EXPECT_EQ(second.bottom - second.top, 20);
  const int border = ::GetSystemMetrics(SM_CXEDGE);
  RECT inShot = second;
  OffsetRect(&inShot, border, border);
  // The focus rectangle may cross the item; most of it is red.
  EXPECT_GT(CountPixels(shot, inShot, clRed), (inShot.right - inShot.left) * 16);
  EXPECT_EQ(CountPixels(shot, {0, 0, shot.Width(), inShot.top}, clRed), 0);
}

// Each combo box style: the window's style, what the user can do, Text.
TEST_F(ListTest, ComboBoxStylesPickAndTypeAsThePlatformDoes) {
  const struct {
    TComboBoxStyle style;
    DWORD windowStyle;
    bool editable;
  } cases[] = {
      {csDropDown, CBS_DROPDOWN, true},
      {csSimple, CBS_SIMPLE, true},
      {csDropDownList, CBS_DROPDOWNLIST, false},
      {csOwnerDrawFixed, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    auto* combo = Add<TComboBox>(10, 10, 150, c.style == csSimple ? 120 : 21);
    combo->SetStyle(c.style);
    combo->Items().SetText("red\r\ngreen\r\nblue");
    int changes = 0, selects = 0;
    combo->OnChange = [&](TObject&) { ++changes; };
    EXPECT_EQ(StyleOf(*combo) & 0x1F, static_cast<LONG_PTR>(c.windowStyle & 0x1F));
    EXPECT_EQ(combo->EditHandle() != nullptr, c.editable);

    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), L"green");
    combo->SetText(L"blue");  // the item with the text is the selected one
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->SetText(L"violet");  // none: an edit shows it, a pick-only list nothing
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), c.editable ? L"violet" : L"");
    combo->SetFocus();
    if (c.style != csSimple) {
      combo->SetDroppedDown(true);
      EXPECT_TRUE(combo->DroppedDown());
      PressKey(VK_ESCAPE);  // closes the list; the form does not see it
      EXPECT_FALSE(combo->DroppedDown());
    }
    combo->SetItemIndex(0);
    changes = 0;
    if (c.editable) {
      ::SendMessageW(combo->EditHandle(), EM_SETSEL, 0, -1);
      Type(L"cyan");
      EXPECT_EQ(combo->Text(), L"cyan");
      EXPECT_EQ(changes, 4);
    } else {
      combo->OnSelect = [&](TObject&) { ++selects; };
      PressKey(VK_DOWN);  // the next item
      EXPECT_EQ(combo->ItemIndex(), 1);
      EXPECT_EQ(combo->Text(), L"green");
      EXPECT_EQ(selects, 1);
    }
    combo->Free();
  }
}

TEST_F(ListTest, KeysTypedInAComboBoxReachItsEventsAndTheForm) {
  auto* combo = Add<TComboBox>(10, 10, 150, 21);
  auto* ok = Add<TButton>(10, 50, 75, 25);
  auto* after = Add<TButton>(100, 50, 75, 25);
  ok->SetDefault(true);
  int pressed = 0, keys = 0;
  ok->OnClick = [&](TObject&) { ++pressed; };
  combo->OnKeyDown = [&](TObject&, WORD& key, TShiftState) { keys += key == 'Q'; };
  combo->SetFocus();
  EXPECT_EQ(::GetFocus(), combo->EditHandle());
  Type(L"q");
  PressKey('Q');
  PressKey(VK_RETURN);  // the default button, through the inner edit
  EXPECT_EQ(pressed, 1);
  EXPECT_EQ(keys, 1);
  EXPECT_EQ(combo->Text(), L"qq");  // the Enter's character stayed out
  PressKey(VK_TAB);
  EXPECT_EQ(TWinControl::FindControl(::GetFocus()), ok);
  (void)after;
}

TEST_F(ListTest, ComboBoxExShowsItemsWithTheirImages) {
  auto* images = form->Create<TImageList>();
  TBitmap strip(32, 16);
  strip.Fill(clRed);
  images->Add(strip, nullptr);
  auto* combo = Add<TComboBoxEx>(10, 10, 180, 24);
  combo->SetImages(images);
  combo->ItemsEx().AddItem("first", 0);
  combo->ItemsEx().AddItem("second", 1, -1, -1, 1);
  combo->Items().Add("third");  // the same items as texts
  EXPECT_STREQ(combo->ClassName().data(), "TComboBoxEx");
  wchar_t text[32] = {};
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT;
  item.iItem = 1;
  item.pszText = text;
  item.cchTextMax = 32;
  ASSERT_TRUE(::SendMessageW(combo->Handle(), CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_STREQ(text, L"second");
  EXPECT_EQ(item.iImage, 1);
  EXPECT_EQ(item.iSelectedImage, 1);  // -1 shows the item's image
  EXPECT_EQ(item.iIndent, 1);
  EXPECT_EQ(::SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(::SendMessageW(combo->Handle(), CBEM_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(images->Handle()));

  combo->ItemsEx().Items(0).SetCaption("FIRST");
  combo->SetItemIndex(0);
  EXPECT_EQ(combo->Text(), L"FIRST");
  combo->ItemsEx().Delete(0);
  EXPECT_EQ(::SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
  combo->SetStyle(csExDropDownList);  // a new window gets every item again
  EXPECT_EQ(::SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
  const TBitmap shot = CaptureScreen(*combo);
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), L"third");
  images->Free();  // the combo box lets go of it
  EXPECT_EQ(combo->Images(), nullptr);
  EXPECT_EQ(::SendMessageW(combo->Handle(), CBEM_GETIMAGELIST, 0, 0), 0);
}

}  // namespace

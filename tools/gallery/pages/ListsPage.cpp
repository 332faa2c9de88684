// List boxes and combo boxes of every style (owner-drawn ones with fixed and
// varying item heights), and a combo box with images.
#include "../GalleryPage.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/ComboBoxEx.h"
#include "framework/stdctrls/ListBox.h"

namespace {

// An owner-drawn item: a swatch of its colour and its name.
void DrawColourItem(TCustomListControl& list, int index, const RECT& rect, TOwnerDrawState state) {
  static const TColor colours[] = {clRed, clGreen, clBlue, clOlive};
  TCanvas& canvas = list.Canvas();
  canvas.Brush().SetColor((state & odSelected) ? clHighlight : clWindow);
  canvas.FillRect(rect);
  if (index < 0 || index >= list.Items().Count()) return;  // an empty edit part
  canvas.Brush().SetColor(list.Enabled() ? colours[index % 4] : clBtnShadow);
  canvas.FillRect({rect.left + 2, rect.top + 2, rect.left + 22, rect.bottom - 2});
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(!list.Enabled() ? clGrayText : (state & odSelected) ? clHighlightText : clWindowText);
  RECT text{rect.left + 28, rect.top, rect.right, rect.bottom};
  const std::string item = list.Items().Strings(index);
  canvas.TextRect(text, std::wstring(item.begin(), item.end()), DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

void BuildListsPage(TGalleryPage& page) {
  auto* list = page.Add<TListBox>(12, 24, 110, 110);
  list->Items().SetText("alpha\r\nbeta\r\ngamma\r\ndelta\r\nepsilon\r\nzeta\r\neta\r\ntheta\r\niota");
  list->SetItemIndex(1);
  page.SetFocusControl(list);
  auto* multi = page.Add<TListBox>(130, 24, 110, 110);
  multi->SetMultiSelect(true);
  multi->Items().SetText("one\r\ntwo\r\nthree\r\nfour");
  multi->SetSelected(0, true);
  multi->SetSelected(2, true);

  auto* drop = page.Add<TComboBox>(250, 24, 120, 21);
  drop->Items().SetText("drop-down\r\ntwo\r\nthree");
  drop->SetItemIndex(0);
  auto* pick = page.Add<TComboBox>(250, 52, 120, 21);
  pick->SetStyle(csDropDownList);
  pick->Items().SetText("drop-down list\r\nonly");
  pick->SetItemIndex(0);
  auto* drawn = page.Add<TComboBox>(250, 80, 120, 21);
  drawn->SetStyle(csOwnerDrawFixed);
  drawn->Items().SetText("red\r\ngreen\r\nblue\r\nolive");
  drawn->SetItemIndex(2);
  drawn->OnDrawItem = [drawn](TObject&, int index, const RECT& rect, TOwnerDrawState state) {
    DrawColourItem(*drawn, index, rect, state);
  };
  auto* variable = page.Add<TComboBox>(250, 108, 120, 21);
  variable->SetStyle(csOwnerDrawVariable);
  variable->Items().SetText("red\r\ngreen (tall)\r\nblue\r\nolive (tall)");
  variable->SetItemIndex(0);
  variable->OnMeasureItem = [](TObject&, int index, int& height) { height = index % 2 ? 26 : 16; };
  variable->OnDrawItem = [variable](TObject&, int index, const RECT& rect, TOwnerDrawState state) {
    DrawColourItem(*variable, index, rect, state);
  };
  auto* simple = page.Add<TComboBox>(12, 144, 110, 100);
  simple->SetStyle(csSimple);
  simple->SetHeight(100);  // a drop-down's window had kept the edit's height
  simple->Items().SetText("simple\r\nlist\r\nbelow");
  simple->SetItemIndex(1);

  auto* ex = page.Add<TComboBoxEx>(130, 144, 130, 24);
  ex->SetImages(&page.Images());
  const char* names[] = {"red", "green", "blue", "olive"};
  for (int i = 0; i < 4; ++i) ex->ItemsEx().AddItem(names[i], i, i);
  ex->SetItemIndex(2);
}

// A list view in report view (columns, sub-items, images, check boxes) and
// in small icons, and a tree view with images.
#include <string>

#include "../GalleryPage.h"
#include "framework/comctrls/ListView.h"
#include "framework/comctrls/TreeView.h"

void BuildViewsPage(TGalleryPage& page) {
  auto* report = page.Add<TListView>(12, 24, 350, 140);
  report->SetViewStyle(vsReport);
  report->SetSmallImages(&page.Images());
  report->SetGridLines(true);
  report->SetRowSelect(true);
  report->SetCheckboxes(true);
  report->SetHideSelection(false);
  for (const auto& [caption, width] : {std::pair{L"Name", 130}, std::pair{L"Size", 70}, std::pair{L"Kind", 120}}) {
    TListColumn& column = report->Columns().Add();
    column.SetCaption(caption);
    column.SetWidth(width);
  }
  report->Columns().Items(1).SetAlignment(taRightJustify);
  const wchar_t* names[] = {L"readme.txt", L"\x62A5\x4FEE.ini", L"logo.bmp", L"notes.txt"};
  for (int i = 0; i < 4; ++i) {
    TListItem* item = report->Items().Add();
    item->SetCaption(names[i]);
    item->SetImageIndex(i);
    item->SubItems().Add(std::to_string((i + 1) * 1024));
    item->SubItems().Add(i == 2 ? "Picture" : "Text");
    item->SetChecked(i != 1);
  }
  report->Items().Item(1)->SetSelected(true);
  page.SetFocusControl(report);

  auto* icons = page.Add<TListView>(12, 172, 160, 80);
  icons->SetViewStyle(vsSmallIcon);
  icons->SetSmallImages(&page.Images());
  for (int i = 0; i < 4; ++i) {
    TListItem* item = icons->Items().Add();
    item->SetCaption(L"Item " + std::to_wstring(i + 1));
    item->SetImageIndex(i);
  }

  auto* tree = page.Add<TTreeView>(182, 172, 180, 150);
  tree->SetImages(&page.Images());
  TTreeNode* fruit = tree->Items().Add(nullptr, L"Fruit");
  fruit->SetImageIndex(0);
  for (const wchar_t* text : {L"Apple", L"Pear", L"Fig"}) tree->Items().AddChild(fruit, text)->SetImageIndex(1);
  TTreeNode* veg = tree->Items().Add(nullptr, L"Vegetables");
  veg->SetImageIndex(2);
  tree->Items().AddChild(veg, L"Leek")->SetImageIndex(3);
  fruit->Expand(false);
  fruit->Item(1)->SetSelected(true);
  tree->SetHideSelection(false);
}

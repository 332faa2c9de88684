#include "ComCtrlsGallery.h"

#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "AnsiText.h"
#include "framework/comctrls/CoolBar.h"
#include "framework/comctrls/DateTimePicker.h"
#include "framework/comctrls/HotKey.h"
#include "framework/comctrls/ListView.h"
#include "framework/comctrls/ProgressBar.h"
#include "framework/comctrls/StatusBar.h"
#include "framework/comctrls/TabControl.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/TrackBar.h"
#include "framework/comctrls/TreeView.h"
#include "framework/comctrls/UpDown.h"
#include "framework/stdctrls/Edit.h"

namespace {

template <typename T>
T* Place(TForm& form, TGallery& gallery, const char* name, int left, int top, int width, int height) {
  T* control = form.Create<T>();
  control->SetParent(&form);
  control->SetBounds(left, top, width, height);
  gallery.emplace_back(name, control);
  return control;
}

TImageList* Icons(TForm& form) {
  TImageList* images = form.Create<TImageList>();
  TBitmap strip(64, 16);
  TCanvas& c = strip.Canvas();
  const TColor colors[] = {clRed, clGreen, clBlue, clOlive};
  for (int i = 0; i < 4; ++i) {
    c.Brush().SetColor(clFuchsia);
    c.FillRect({i * 16, 0, i * 16 + 16, 16});
    c.Brush().SetColor(colors[i]);
    c.Ellipse(i * 16 + 2, 2, i * 16 + 14, 14);
  }
  images->AddMasked(strip, clFuchsia);
  return images;
}

void AddToolBars(TForm& form, TGallery& gallery, TImageList* images) {
  TToolBar* flat = form.Create<TToolBar>();
  flat->SetParent(&form);
  flat->SetFlat(true);
  flat->SetShowCaptions(true);
  flat->SetList(true);
  flat->SetImages(images);
  flat->SetAutoSize(true);
  gallery.emplace_back("toolbar-flat", flat);
  const struct {
    const wchar_t* caption;
    TToolButtonStyle style;
    int image;
  } buttons[] = {{L"New", tbsButton, 0}, {L"Bold", tbsCheck, 1},    {L"", tbsSeparator, -1},
                 {L"Open", tbsDropDown, 2}, {L"Off", tbsButton, 3}, {L"", tbsDivider, -1}};
  for (const auto& b : buttons) {
    TToolButton* button = form.Create<TToolButton>();
    button->SetLeft(10000);
    button->SetCaption(b.caption);
    button->SetStyle(b.style);
    button->SetImageIndex(b.image);
    button->SetParent(flat);
  }
  flat->Buttons(1)->SetDown(true);
  flat->Buttons(4)->SetEnabled(false);

  TToolBar* raised = form.Create<TToolBar>();
  raised->SetParent(&form);
  raised->SetEdgeBorders(ebLeft | ebTop | ebRight | ebBottom);
  raised->SetImages(images);
  gallery.emplace_back("toolbar-edges", raised);
  for (int i = 0; i < 4; ++i) {
    TToolButton* button = form.Create<TToolButton>();
    button->SetLeft(10000);
    button->SetImageIndex(i);
    button->SetStyle(i == 2 ? tbsCheck : tbsButton);
    button->SetParent(raised);
  }
  raised->Buttons(2)->SetDown(true);
}

}  // namespace

TGallery BuildGallery(TForm& form) {
  TGallery gallery;
  form.SetBorderStyle(bsNone);
  form.SetBounds(20, 20, 640, 480);
  form.SetColor(clBtnFace);
  TImageList* images = Icons(form);
  AddToolBars(form, gallery, images);

  TTrackBar* ticks = Place<TTrackBar>(form, gallery, "trackbar", 8, 70, 180, 40);
  ticks->SetRange(0, 20);
  ticks->SetFrequency(2);
  ticks->SetPosition(14);
  ticks->SetTickMarks(tmBoth);
  TTrackBar* upright = Place<TTrackBar>(form, gallery, "trackbar-vertical", 196, 70, 130, 40);
  upright->SetOrientation(trVertical);  // stands up: 40 x 130
  upright->SetSelStart(3);
  upright->SetSelEnd(7);
  upright->SetPosition(5);

  TProgressBar* blocks = Place<TProgressBar>(form, gallery, "progress", 8, 120, 180, 18);
  blocks->SetPosition(40);
  TProgressBar* smooth = Place<TProgressBar>(form, gallery, "progress-smooth", 8, 146, 180, 18);
  smooth->SetSmooth(true);
  smooth->SetPosition(70);
  TProgressBar* vertical = Place<TProgressBar>(form, gallery, "progress-vertical", 244, 70, 130, 18);
  vertical->SetOrientation(pbVertical);
  vertical->SetPosition(60);

  TEdit* edit = Place<TEdit>(form, gallery, "edit", 8, 176, 60, 22);
  TUpDown* upDown = Place<TUpDown>(form, gallery, "updown", 0, 0, 17, 22);
  upDown->SetPosition(42);
  upDown->SetAssociate(edit);
  TUpDown* sideways = Place<TUpDown>(form, gallery, "updown-horizontal", 100, 176, 34, 22);
  sideways->SetOrientation(udHorizontal);

  THotKey* hotKey = Place<THotKey>(form, gallery, "hotkey", 8, 208, 180, 22);
  hotKey->SetHotKey(scCtrl | scShift | 'S');

  TDate date = 0;
  TryEncodeDate(2024, 2, 29, date);
  TDateTimePicker* day = Place<TDateTimePicker>(form, gallery, "date", 8, 240, 180, 24);
  day->SetDateTime(date + 0.5);
  TDateTimePicker* time = Place<TDateTimePicker>(form, gallery, "time", 8, 270, 180, 24);
  time->SetKind(dtkTime);
  time->SetDateTime(date + 0.75);
  TDateTimePicker* unchecked = Place<TDateTimePicker>(form, gallery, "date-unchecked", 8, 300, 180, 24);
  unchecked->SetShowCheckbox(true);
  unchecked->SetDateTime(date);
  unchecked->SetChecked(false);

  TTreeView* tree = Place<TTreeView>(form, gallery, "tree", 272, 70, 170, 180);
  tree->SetImages(images);
  TTreeNode* fruit = tree->Items().Add(nullptr, L"Fruit");
  fruit->SetImageIndex(0);
  for (const wchar_t* text : {L"Apple", L"Pear", L"Fig"}) tree->Items().AddChild(fruit, text)->SetImageIndex(1);
  TTreeNode* veg = tree->Items().Add(nullptr, L"Vegetables");
  tree->Items().AddChild(veg, L"Leek");
  veg->SetImageIndex(2);
  fruit->Expand(false);
  fruit->Item(1)->SetSelected(true);
  tree->SetHideSelection(false);

  TTabControl* tabs = Place<TTabControl>(form, gallery, "tabs", 452, 70, 180, 90);
  for (const char* text : {"Left", "Middle", "Right"}) tabs->Tabs().Add(text);
  tabs->SetTabIndex(1);
  TTabControl* bottom = Place<TTabControl>(form, gallery, "tabs-bottom", 452, 166, 180, 84);
  for (const char* text : {"One", "Two"}) bottom->Tabs().Add(text);
  bottom->SetTabPosition(tpBottom);
  TPageControl* pages = Place<TPageControl>(form, gallery, "pages", 196, 258, 200, 120);
  for (const wchar_t* caption : {L"General", L"页面", L"Hidden", L"Last"}) {
    TTabSheet* sheet = form.Create<TTabSheet>();
    sheet->SetCaption(caption);
    sheet->SetPageControl(pages);
  }
  pages->Pages(2)->SetTabVisible(false);
  pages->SetActivePageIndex(1);
  TProgressBar* onPage = form.Create<TProgressBar>();
  onPage->SetParent(pages->Pages(1));
  onPage->SetBounds(8, 8, 150, 16);
  onPage->SetPosition(50);

  TListView* report = Place<TListView>(form, gallery, "list-report", 404, 258, 228, 120);
  report->SetViewStyle(vsReport);
  report->SetSmallImages(images);
  report->SetGridLines(true);
  report->SetRowSelect(true);
  report->SetCheckboxes(true);
  report->SetHideSelection(false);
  for (const auto& [caption, width] : {std::pair{L"Name", 90}, std::pair{L"Size", 60}, std::pair{L"Kind", 60}}) {
    TListColumn& column = report->Columns().Add();
    column.SetCaption(caption);
    column.SetWidth(width);
  }
  report->Columns().Items(1).SetAlignment(taRightJustify);
  const wchar_t* names[] = {L"readme.txt", L"报修.ini", L"logo.bmp"};
  for (int i = 0; i < 3; ++i) {
    TListItem* item = report->Items().Add();
    item->SetCaption(names[i]);
    item->SetImageIndex(i);
    item->SubItems().Add(std::to_string((i + 1) * 1024));
    item->SubItems().Add(i == 2 ? "Picture" : "Text");
    item->SetChecked(i != 1);
  }
  report->Items().Item(1)->SetSelected(true);
  TListView* icons = Place<TListView>(form, gallery, "list-icons", 8, 386, 180, 70);
  icons->SetViewStyle(vsSmallIcon);
  icons->SetSmallImages(images);
  for (int i = 0; i < 4; ++i) {
    TListItem* item = icons->Items().Add();
    item->SetCaption(L"Item " + std::to_wstring(i + 1));
    item->SetImageIndex(i);
  }

  TCoolBar* cool = Place<TCoolBar>(form, gallery, "coolbar", 196, 386, 436, 60);
  cool->SetAlign(alNone);
  cool->SetBounds(196, 386, 436, 60);
  TToolBar* inCool = form.Create<TToolBar>();
  inCool->SetAlign(alNone);
  inCool->SetFlat(true);
  inCool->SetImages(images);
  inCool->SetBounds(0, 0, 100, 22);
  inCool->SetEdgeBorders(0);
  for (int i = 0; i < 3; ++i) {
    TToolButton* button = form.Create<TToolButton>();
    button->SetLeft(10000);
    button->SetImageIndex(i);
    button->SetParent(inCool);
  }
  TCoolBand& tools = cool->Bands().Add();
  tools.SetControl(inCool);
  TDateTimePicker* inBand = form.Create<TDateTimePicker>();
  inBand->SetBounds(0, 0, 120, 22);
  TCoolBand& address = cool->Bands().Add();
  address.SetText(L"Date");
  address.SetBreak(false);
  address.SetControl(inBand);

  TStatusBar* status = form.Create<TStatusBar>();
  status->SetParent(&form);
  gallery.emplace_back("statusbar", status);
  const wchar_t* texts[] = {L"Ready", L"Centred", L""};
  for (int i = 0; i < 3; ++i) {
    TStatusPanel& panel = status->Panels().Add();
    panel.SetText(texts[i]);
    panel.SetWidth(i == 1 ? 200 : 120);
  }
  status->Panels().Items(1).SetAlignment(taCenter);
  status->Panels().Items(2).SetStyle(psOwnerDraw);
  status->OnDrawPanel = [](TCustomStatusBar& sender, TStatusPanel&, const RECT& rect) {
    sender.Canvas().Brush().SetColor(clTeal);
    sender.Canvas().FillRect({rect.left + 2, rect.top + 2, rect.left + 60, rect.bottom - 2});
  };
  return gallery;
}

// Tool bars (flat with captions and drop-down, edged) and a cool bar with
// a tool bar and a picker in its bands.
#include "../GalleryPage.h"
#include "framework/comctrls/CoolBar.h"
#include "framework/comctrls/DateTimePicker.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/Panel.h"

namespace {

TToolButton* AddButton(TGalleryPage& page, TToolBar* bar, const wchar_t* caption, TToolButtonStyle style, int image) {
  TToolButton* button = page.Make<TToolButton>();
  button->SetLeft(10000);  // after the others
  button->SetCaption(caption);
  button->SetStyle(style);
  button->SetImageIndex(image);
  button->SetParent(bar);
  if (!page.Enabled()) button->SetEnabled(false);  // a disabled bar leaves its buttons as they are
  return button;
}

}  // namespace

void BuildBarsPage(TGalleryPage& page) {
  // Tool bars align to the top of what holds them: each gets a panel.
  auto* holder = page.Add<TPanel>(12, 24, 350, 60);
  holder->SetBevelOuter(bvNone);
  auto* flat = page.Make<TToolBar>();
  flat->SetParent(holder);
  flat->SetFlat(true);
  flat->SetShowCaptions(true);
  flat->SetList(true);
  flat->SetImages(&page.Images());
  flat->SetAutoSize(true);
  if (!page.Enabled()) flat->SetEnabled(false);
  AddButton(page, flat, L"New", tbsButton, 0);
  AddButton(page, flat, L"Bold", tbsCheck, 1)->SetDown(true);
  AddButton(page, flat, L"", tbsSeparator, -1);
  AddButton(page, flat, L"Open", tbsDropDown, 2);
  AddButton(page, flat, L"Off", tbsButton, 3)->SetEnabled(false);

  auto* edged = page.Make<TToolBar>();
  edged->SetParent(holder);
  edged->SetTop(30);
  edged->SetEdgeBorders(ebLeft | ebTop | ebRight | ebBottom);
  edged->SetImages(&page.Images());
  if (!page.Enabled()) edged->SetEnabled(false);
  for (int i = 0; i < 4; ++i) AddButton(page, edged, L"", i == 2 ? tbsCheck : tbsButton, i);
  edged->Buttons(2)->SetDown(true);

  auto* cool = page.Add<TCoolBar>(12, 100, 350, 60);
  cool->SetAlign(alNone);
  cool->SetBounds(12, 100, 350, 60);
  auto* inCool = page.Make<TToolBar>();
  inCool->SetAlign(alNone);
  inCool->SetFlat(true);
  inCool->SetImages(&page.Images());
  inCool->SetBounds(0, 0, 100, 22);
  inCool->SetEdgeBorders(0);
  for (int i = 0; i < 3; ++i) AddButton(page, inCool, L"", tbsButton, i);
  TCoolBand& tools = cool->Bands().Add();
  tools.SetControl(inCool);
  tools.SetWidth(130);
  auto* picker = page.Make<TDateTimePicker>();
  picker->SetBounds(0, 0, 120, 22);
  if (!page.Enabled()) picker->SetEnabled(false);
  TCoolBand& band = cool->Bands().Add();
  band.SetText(L"Date");
  band.SetBreak(false);
  band.SetControl(picker);
  band.SetMinWidth(130);  // else the first band takes the whole row
}

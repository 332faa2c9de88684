// Tab controls, date and time pickers in their modes, and a hot key.
#include "../GalleryPage.h"
#include "framework/comctrls/DateTimePicker.h"
#include "framework/comctrls/HotKey.h"
#include "framework/comctrls/TabControl.h"
#include "framework/stdctrls/CheckBox.h"

void BuildPickersPage(TGalleryPage& page) {
  auto* tabs = page.Add<TTabControl>(12, 20, 200, 90);
  for (const char* text : {"Left", "Middle", "Right"}) tabs->Tabs().Add(text);
  tabs->SetTabIndex(1);
  page.Add<TCheckBox>(12, 40, 120, 17, L"On a tab", tabs);
  auto* bottom = page.Add<TTabControl>(220, 20, 150, 90);
  for (const char* text : {"One", "Two"}) bottom->Tabs().Add(text);
  bottom->SetTabPosition(tpBottom);

  TDate date = 0;
  TryEncodeDate(2026, 12, 9, date);
  auto* combo = page.Add<TDateTimePicker>(12, 124, 170, 24);
  combo->SetDateTime(date + 0.5);
  page.SetFocusControl(combo);
  auto* upDown = page.Add<TDateTimePicker>(12, 154, 170, 24);
  upDown->SetDateMode(dmUpDown);
  upDown->SetDateTime(date);
  auto* time = page.Add<TDateTimePicker>(12, 184, 170, 24);
  time->SetKind(dtkTime);
  time->SetDateTime(date + 0.75);
  auto* unchecked = page.Add<TDateTimePicker>(12, 214, 170, 24);
  unchecked->SetShowCheckbox(true);
  unchecked->SetDateTime(date);
  unchecked->SetChecked(false);

  page.Add<THotKey>(200, 124, 170, 22)->SetHotKey(scCtrl | scShift | 'S');
}

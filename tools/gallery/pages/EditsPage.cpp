// Single-line edits, a memo with both scroll bars and masked edits.
#include "../GalleryPage.h"
#include "framework/Label.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/MaskEdit.h"
#include "framework/stdctrls/Memo.h"

void BuildEditsPage(TGalleryPage& page) {
  auto* edit = page.Add<TEdit>(12, 24, 170, 21, L"Edit \x6587\x5B57");
  page.SetFocusControl(edit);
  page.Add<TEdit>(12, 50, 170, 21, L"secret")->SetPasswordChar(L'*');
  auto* readOnly = page.Add<TEdit>(12, 76, 170, 21, L"Read-only");
  readOnly->SetReadOnly(true);
  page.Add<TMaskEdit>(200, 24, 160, 21)->SetEditMask(L"(000) 000-0000;0;_");
  auto* date = page.Add<TMaskEdit>(200, 50, 160, 21);
  date->SetEditMask(L"!99/99/0000;1;_");
  date->SetCaption(L"09/12/2026");

  auto* memo = page.Add<TMemo>(12, 108, 348, 150);
  memo->SetScrollBars(ssBoth);
  memo->SetWordWrap(false);
  std::string text;
  for (int i = 1; i <= 14; ++i)
    text += "Line " + std::to_string(i) + " of a memo that is wider than its window, \xB1\xA8\xD0\xDE\r\n";
  memo->Lines().SetText(text);
}

// Check boxes and radio buttons: checked, unchecked, grayed, the box on
// the right, focused.
#include "../GalleryPage.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/GroupBox.h"
#include "framework/stdctrls/RadioButton.h"

void BuildChecksPage(TGalleryPage& page) {
  auto* checked = page.Add<TCheckBox>(12, 24, 150, 17, L"&Checked");
  checked->SetChecked(true);
  page.SetFocusControl(checked);
  page.Add<TCheckBox>(12, 46, 150, 17, L"&Unchecked");
  auto* grayed = page.Add<TCheckBox>(12, 68, 150, 17, L"&Grayed");
  grayed->SetAllowGrayed(true);
  grayed->SetState(cbGrayed);
  auto* right = page.Add<TCheckBox>(12, 90, 150, 17, L"Box on the &right");
  right->SetAlignment(taLeftJustify);
  right->SetChecked(true);

  auto* group = page.Add<TGroupBox>(180, 20, 190, 110, L"&Radio buttons");
  page.Add<TRadioButton>(10, 20, 160, 17, L"&First", group)->SetChecked(true);
  page.Add<TRadioButton>(10, 42, 160, 17, L"&Second", group);
  page.Add<TRadioButton>(10, 64, 160, 17, L"On the &left", group)->SetAlignment(taLeftJustify);
  page.Add<TRadioButton>(10, 86, 160, 17, L"Third", group);
}

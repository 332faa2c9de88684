#include "framework/comctrls/TabStrings.h"

#include "framework/comctrls/TabControl.h"
#include "AnsiText.h"

int TTabStrings::Count() const { return owner_.TabCount(); }

std::string TTabStrings::Get(int index) const { return ToAnsi(owner_.TabText(index)); }

void TTabStrings::Put(int index, std::string_view text) { owner_.SetTabText(index, FromAnsi(text)); }

TObject* TTabStrings::GetObject(int index) const { return owner_.TabObject(index); }

void TTabStrings::PutObject(int index, TObject* object) { owner_.SetTabObject(index, object); }

void TTabStrings::InsertItem(int index, std::string_view text, TObject* object) {
  owner_.InsertTab(index, FromAnsi(text), object);
}

void TTabStrings::Delete(int index) {
  CheckIndex(index, Count());
  owner_.DeleteTab(index);
}

void TTabStrings::Clear() { owner_.ClearTabs(); }

void TTabStrings::SetUpdateState(bool updating) {
  if (!owner_.HandleAllocated()) return;
  owner_.Send(WM_SETREDRAW, updating ? FALSE : TRUE);
  if (!updating) owner_.Invalidate();
}

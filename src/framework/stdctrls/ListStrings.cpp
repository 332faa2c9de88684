#include "framework/stdctrls/ListStrings.h"

#include <vector>

#include "AnsiText.h"

const TListMessages TListMessages::ListBox = {
    LB_ADDSTRING,  LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,     LB_GETCOUNT, LB_GETTEXT,
    LB_GETTEXTLEN, LB_GETITEMDATA,  LB_SETITEMDATA,  LB_FINDSTRINGEXACT, static_cast<UINT>(LB_ERR)};
const TListMessages TListMessages::ComboBox = {
    CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,     CB_GETCOUNT, CB_GETLBTEXT,
    CB_GETLBTEXTLEN, CB_GETITEMDATA,  CB_SETITEMDATA,  CB_FINDSTRINGEXACT, static_cast<UINT>(CB_ERR)};

TListControlStrings::TListControlStrings(TWinControl& control, const TListMessages& messages)
    : control_(control), messages_(messages) {
  saved_.SetDuplicates(dupAccept);  // lists show the same text twice
}

LRESULT TListControlStrings::Send(UINT msg, WPARAM w, LPARAM l) const {
  return ::SendMessageW(control_.Handle(), msg, w, l);
}

void TListControlStrings::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(*this);
}

int TListControlStrings::Count() const {
  return Live() ? static_cast<int>(Send(messages_.GetCount)) : saved_.Count();
}

std::string TListControlStrings::Get(int index) const {
  if (!Live()) return saved_[index];
  const LRESULT length = Send(messages_.GetTextLen, static_cast<WPARAM>(index));
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  const LRESULT got = Send(messages_.GetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return ToAnsi(std::wstring_view(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0));
}

TObject* TListControlStrings::GetObject(int index) const {
  if (!Live()) return saved_.Objects(index);
  const LRESULT data = Send(messages_.GetItemData, static_cast<WPARAM>(index));
  return data == static_cast<LRESULT>(static_cast<int>(messages_.Error)) ? nullptr : reinterpret_cast<TObject*>(data);
}

void TListControlStrings::PutObject(int index, TObject* object) {
  if (!Live()) {
    saved_.SetObjects(index, object);
  } else {
    Send(messages_.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
  }
  Changed();
}

int TListControlStrings::AddObject(std::string_view text, TObject* object) {
  if (!Live()) {
    const int index = saved_.AddObject(text, object);
    Changed();
    return index;
  }
  const std::wstring wide = FromAnsi(text);
  const auto index = static_cast<int>(Send(messages_.AddString, 0, reinterpret_cast<LPARAM>(wide.c_str())));
  if (index < 0) throw EOutOfResources("Could not add a list item");
  if (object) Send(messages_.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
  Changed();
  return index;
}

void TListControlStrings::InsertItem(int index, std::string_view text, TObject* object) {
  if (!Live()) {
    // A sorted list puts it in order, as the window's insert does not.
    if (saved_.Sorted())
      saved_.AddObject(text, object);
    else
      saved_.InsertObject(index, text, object);
    Changed();
    return;
  }
  const std::wstring wide = FromAnsi(text);
  const auto at = static_cast<int>(
      Send(messages_.InsertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str())));
  if (at < 0) throw EOutOfResources("Could not insert a list item");
  if (object) Send(messages_.SetItemData, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(object));
  Changed();
}

void TListControlStrings::Put(int index, std::string_view text) {
  TObject* object = GetObject(index);
  TUpdateScope<TStrings> update(*this);
  Delete(index);
  InsertItem(index, text, object);
}

void TListControlStrings::Delete(int index) {
  CheckIndex(index, Count());
  if (!Live())
    saved_.Delete(index);
  else
    Send(messages_.DeleteString, static_cast<WPARAM>(index));
  Changed();
}

void TListControlStrings::Clear() {
  if (!Live())
    saved_.Clear();
  else
    Send(messages_.ResetContent);
  Changed();
}

int TListControlStrings::IndexOf(std::string_view text) const {
  if (!Live()) return saved_.IndexOf(text);
  // The window's exact search ignores case, as lists compare here.
  const std::wstring wide = FromAnsi(text);
  const auto found = static_cast<int>(
      Send(messages_.FindStringExact, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str())));
  if (found < 0) return -1;
  // It may also match texts the locale weighs alike: confirm, else search on.
  if (CompareStrings(Get(found), text) == 0) return found;
  return TStrings::IndexOf(text);
}

void TListControlStrings::SetUpdateState(bool updating) {
  if (Live()) {
    Send(WM_SETREDRAW, !updating);
    if (!updating) ::InvalidateRect(control_.Handle(), nullptr, TRUE);
  }
  if (!updating) Changed();
}

void TListControlStrings::WindowCreated() {
  saving_ = false;
  if (saved_.Count() == 0) return;
  TStringList items;
  items.Assign(saved_);
  saved_.Clear();
  TUpdateScope<TStrings> update(*this);
  for (int i = 0; i < items.Count(); ++i) {
    // In the saved order, whatever the window's sorting.
    const std::wstring wide = FromAnsi(items[i]);
    const auto at = static_cast<int>(Send(messages_.InsertString, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str())));
    if (at >= 0 && items.Objects(i))
      Send(messages_.SetItemData, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(items.Objects(i)));
  }
}

void TListControlStrings::WindowDestroying() {
  if (!control_.HandleAllocated()) return;
  TStringList items;
  for (int i = 0; i < Count(); ++i) items.AddObject(Get(i), GetObject(i));
  saving_ = true;
  saved_.Clear();
  saved_.AddStrings(items);
}

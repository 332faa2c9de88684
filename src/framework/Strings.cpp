#include "framework/Strings.h"

#include <windows.h>

#include <algorithm>
#include <numeric>

// ---- TStrings --------------------------------------------------------------

void TStrings::CheckIndex(int index, int limit) {
  if (index < 0 || index >= limit)
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TStrings::Strings(int index) const {
  CheckIndex(index, Count());
  return Get(index);
}

void TStrings::SetStrings(int index, std::string_view text) {
  CheckIndex(index, Count());
  Put(index, text);
}

TObject* TStrings::Objects(int index) const {
  CheckIndex(index, Count());
  return GetObject(index);
}

void TStrings::SetObjects(int index, TObject* object) {
  CheckIndex(index, Count());
  PutObject(index, object);
}

std::string TStrings::Text() const {
  std::string text;
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view text) { SetTextStr(text); }

void TStrings::SetTextStr(std::string_view text) {
  TUpdateScope<TStrings> update(*this);
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    Add(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
}

int TStrings::AddObject(std::string_view text, TObject* object) {
  const int index = Count();
  InsertItem(index, text, object);
  return index;
}

void TStrings::InsertObject(int index, std::string_view text, TObject* object) {
  CheckIndex(index, Count() + 1);
  InsertItem(index, text, object);
}

void TStrings::Put(int index, std::string_view text) {
  TObject* object = GetObject(index);
  TUpdateScope<TStrings> update(*this);
  Delete(index);
  InsertItem(index, text, object);
}

int TStrings::IndexOf(std::string_view text) const {
  const int count = Count();
  for (int i = 0; i < count; ++i)
    if (CompareStrings(Get(i), text) == 0) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  const int count = Count();
  for (int i = 0; i < count; ++i)
    if (GetObject(i) == object) return i;
  return -1;
}

void TStrings::Move(int curIndex, int newIndex) {
  const int count = Count();
  CheckIndex(curIndex, count);
  CheckIndex(newIndex, count);
  if (curIndex == newIndex) return;
  const std::string text = Get(curIndex);
  TObject* object = GetObject(curIndex);
  TUpdateScope<TStrings> update(*this);
  Delete(curIndex);
  InsertItem(newIndex, text, object);
}

void TStrings::Exchange(int index1, int index2) {
  const int count = Count();
  CheckIndex(index1, count);
  CheckIndex(index2, count);
  if (index1 == index2) return;
  const std::string text1 = Get(index1);
  TObject* object1 = GetObject(index1);
  TUpdateScope<TStrings> update(*this);
  Put(index1, Get(index2));
  PutObject(index1, GetObject(index2));
  Put(index2, text1);
  PutObject(index2, object1);
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  TUpdateScope<TStrings> update(*this);
  Clear();
  AddStrings(source);
}

void TStrings::AddStrings(const TStrings& source) {
  TUpdateScope<TStrings> update(*this);
  const int count = source.Count();  // fixed before adding: source may be this list
  for (int i = 0; i < count; ++i) AddObject(source.Get(i), source.GetObject(i));
}

bool TStrings::Equals(const TStrings& other) const {
  const int count = Count();
  if (other.Count() != count) return false;
  for (int i = 0; i < count; ++i)
    if (Get(i) != other.Get(i)) return false;
  return true;
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
  return CompareAnsiText(a, b, false);
}

// ---- Comparison ------------------------------------------------------------

namespace {

// Ordinal comparison with ASCII letters upper-cased, leaving both bytes of
// a double-byte character alone (a trail byte may look like a letter).
int CompareFolded(std::string_view a, std::string_view b) {
  auto fold = [](std::string_view s) {
    std::string out(s);
    for (size_t i = 0; i < out.size(); ++i) {
      const auto c = static_cast<unsigned char>(out[i]);
      if (::IsDBCSLeadByte(c) && i + 1 < out.size())
        ++i;
      else if (c >= 'a' && c <= 'z')
        out[i] = static_cast<char>(c - 'a' + 'A');
    }
    return out;
  };
  return fold(a).compare(fold(b));
}

}  // namespace

int CompareAnsiText(std::string_view a, std::string_view b, bool caseSensitive) {
  const int result = ::CompareStringA(LOCALE_USER_DEFAULT, caseSensitive ? 0 : NORM_IGNORECASE,
                                      a.data(), static_cast<int>(a.size()), b.data(),
                                      static_cast<int>(b.size()));
  if (result != CSTR_EQUAL && result != 0) return result - CSTR_EQUAL;
  const int ordinal = caseSensitive ? a.compare(b) : CompareFolded(a, b);
  return (ordinal > 0) - (ordinal < 0);
}

// ---- TStringList -----------------------------------------------------------

void TStringList::RequireUnsorted() const {
  if (sorted_) throw EListError("Operation not allowed on sorted list");
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(*this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(*this);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

int TStringList::AddObject(std::string_view text, TObject* object) {
  if (!sorted_) return TStrings::AddObject(text, object);
  int index = 0;
  if (Find(text, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) throw EListError("String list does not allow duplicates");
  }
  InsertItem(index, text, object);
  return index;
}

void TStringList::InsertObject(int index, std::string_view text, TObject* object) {
  RequireUnsorted();
  TStrings::InsertObject(index, text, object);
}

void TStringList::InsertItem(int index, std::string_view text, TObject* object) {
  Changing();
  items_.insert(items_.begin() + index, Item{std::string(text), object});
  Changed();
}

void TStringList::Put(int index, std::string_view text) {
  RequireUnsorted();
  Changing();
  items_[static_cast<size_t>(index)].text = text;
  Changed();
}

void TStringList::PutObject(int index, TObject* object) {
  Changing();
  items_[static_cast<size_t>(index)].object = object;
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

int TStringList::IndexOf(std::string_view text) const {
  if (!sorted_) return TStrings::IndexOf(text);
  int index = 0;
  return Find(text, index) ? index : -1;
}

void TStringList::Move(int curIndex, int newIndex) {
  RequireUnsorted();
  CheckIndex(curIndex, Count());
  CheckIndex(newIndex, Count());
  if (curIndex == newIndex) return;
  Changing();
  const auto cur = items_.begin() + curIndex;
  const auto dest = items_.begin() + newIndex;
  if (curIndex < newIndex)
    std::rotate(cur, cur + 1, dest + 1);
  else
    std::rotate(dest, cur, cur + 1);
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  RequireUnsorted();
  CheckIndex(index1, Count());
  CheckIndex(index2, Count());
  Changing();
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
  Changed();
}

bool TStringList::Find(std::string_view text, int& index) const {
  // The first item not before text: with duplicates, the first equal one.
  const auto it = std::lower_bound(items_.begin(), items_.end(), text,
                                   [this](const Item& item, std::string_view t) {
                                     return CompareStrings(item.text, t) < 0;
                                   });
  index = static_cast<int>(it - items_.begin());
  return it != items_.end() && CompareStrings(it->text, text) == 0;
}

void TStringList::SortItems() {
  std::stable_sort(items_.begin(), items_.end(), [this](const Item& a, const Item& b) {
    return CompareStrings(a.text, b.text) < 0;
  });
}

void TStringList::Sort() {
  Changing();
  SortItems();
  Changed();
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
  std::vector<int> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int i, int j) { return compare(*this, i, j) < 0; });
  Changing();
  std::vector<Item> sorted;
  sorted.reserve(items_.size());
  for (int i : order) sorted.push_back(std::move(items_[static_cast<size_t>(i)]));
  items_ = std::move(sorted);
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == caseSensitive_) return;
  caseSensitive_ = caseSensitive;
  if (sorted_) Sort();
}

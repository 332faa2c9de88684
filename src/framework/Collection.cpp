#include "framework/Collection.h"

#include <algorithm>
#include <string>

#include "framework/Properties.h"

// ---- TCollectionItem -------------------------------------------------------

int TCollectionItem::Index() const noexcept {
  const auto& items = collection_->items_;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].get() == this) return static_cast<int>(i);
  return -1;
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current >= 0 && index != current) collection_->MoveItem(current, index);
}

void TCollectionItem::Changed(bool allItems) {
  collection_->Changed(allItems ? nullptr : this);
}

void TCollectionItem::Assign(const TCollectionItem& source) {
  for (const TPropInfo* to : GetPropList(*this)) {
    if (!to->Set || to->Kind == TTypeKind::Class) continue;
    const TPropInfo* from = FindProperty(source, to->Name);
    if (from && from->TypeName == to->TypeName && from->Kind == to->Kind)
      to->Set(*this, from->Get(source));
  }
}

// ---- TCollection -----------------------------------------------------------

TCollection::TCollection(TObject* owner, TCollectionItemClass itemClass)
    : owner_(owner), itemClass_(std::move(itemClass)) {}

TCollection::~TCollection() {
  updateCount_ = 1;
  while (!items_.empty()) items_.pop_back();
}

TCollectionItem& TCollection::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return *items_[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::FindItemID(int id) const noexcept {
  for (const auto& item : items_)
    if (item->id_ == id) return item.get();
  return nullptr;
}

TCollectionItem& TCollection::Insert(int index) {
  if (index < 0 || index > Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  std::unique_ptr<TCollectionItem> made = itemClass_.Make(*this);
  TCollectionItem& item = *made;
  item.id_ = nextId_++;
  items_.insert(items_.begin() + index, std::move(made));
  Notify(item, cnAdded);
  Changed();
  return item;
}

void TCollection::Delete(int index) {
  TCollectionItem& item = Items(index);
  Notify(item, cnDeleting);
  // Notify may have changed the list: find the item again.
  const auto it = std::find_if(items_.begin(), items_.end(),
                               [&](const auto& p) { return p.get() == &item; });
  if (it != items_.end()) items_.erase(it);
  Changed();
}

void TCollection::Clear() {
  if (items_.empty()) return;
  TUpdateScope<TCollection> update(*this);
  while (!items_.empty()) Delete(Count() - 1);
}

void TCollection::Assign(const TCollection& source) {
  if (&source == this) return;
  TUpdateScope<TCollection> update(*this);
  Clear();
  for (const auto& item : source.items_) Add().Assign(*item);
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) Changed();
}

void TCollection::Update(TCollectionItem* item) {
  if (OnUpdate) OnUpdate(*this, item);
}

void TCollection::Changed(TCollectionItem* item) {
  if (updateCount_ == 0) Update(item);
}

void TCollection::MoveItem(int from, int to) {
  if (to < 0 || to >= Count())
    throw EListError("List index out of bounds (" + std::to_string(to) + ")");
  const auto first = items_.begin();
  if (from < to)
    std::rotate(first + from, first + from + 1, first + to + 1);
  else
    std::rotate(first + to, first + from, first + from + 1);
  Changed();
}

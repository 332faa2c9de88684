#pragma once
// TCollection: an ordered list of items of one item class, owned by the
// collection, itself kept by an owner (a component, a control). Items
// publish their own properties, so a collection of settings can be read and
// copied by name like a component's:
//
//   class TSkinItem : public TCollectionItem {
//     FW_CLASS(TSkinItem, TCollectionItem)
//    public:
//     using TCollectionItem::TCollectionItem;
//     static std::vector<TPropInfo> PublishedProperties();  // "SkinFile", ...
//   };
//   class TSkinItems : public TCollection {
//     FW_CLASS(TSkinItems, TCollection)
//    public:
//     explicit TSkinItems(TObject* owner)
//         : TCollection(owner, TCollectionItemClass::Of<TSkinItem>()) {}
//     TSkinItem& Items(int i) const { return static_cast<TSkinItem&>(TCollection::Items(i)); }
//   };
//
// The collection makes its items through the item class's factory (Add,
// Insert, Assign) and destroys them (Delete, Clear, its own destruction).
// Every change ends in Update(item) (item null when the list itself or all
// items changed), once per outermost BeginUpdate/EndUpdate pair while an
// update is open; Notify tells a derived collection of each item added and
// of each item about to be deleted.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/Object.h"

class TCollection;

class TCollectionItem : public TObject {
  FW_CLASS(TCollectionItem, TObject)
 public:
  // Items are made by their collection, which adds them once constructed.
  explicit TCollectionItem(TCollection& collection) noexcept : collection_(&collection) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Attributes
  TCollection& Collection() const noexcept { return *collection_; }
  // Position in the collection (-1 while being constructed).
  int Index() const noexcept;
  // Moves the item to index (0..Count-1): an update of all items.
  void SetIndex(int index);
  // Unique within the collection for its life; never reused.
  int ID() const noexcept { return id_; }
  // The text a list of items shows; the class name unless overridden.
  virtual std::string DisplayName() const { return std::string(ClassName()); }

  // Operations
  // Copies every writable ordinal and text property that source publishes
  // under the same name and type name. Items with object properties or
  // unpublished state extend it.
  virtual void Assign(const TCollectionItem& source);

 protected:
  // Reports a change of this item (allItems: one that concerns every item,
  // such as a new order or a shared size).
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* collection_;
  int id_ = -1;
};

// How a collection makes its items: the item class and a factory.
struct TCollectionItemClass {
  const TClassInfo* Info;
  std::function<std::unique_ptr<TCollectionItem>(TCollection&)> Make;

  template <typename T>
  static TCollectionItemClass Of() {
    static_assert(std::is_base_of_v<TCollectionItem, T>);
    return {&T::StaticClass(), [](TCollection& c) -> std::unique_ptr<TCollectionItem> {
              return std::make_unique<T>(c);
            }};
  }
};

enum TCollectionNotification { cnAdded, cnDeleting };

class TCollection : public TObject {
  FW_CLASS(TCollection, TObject)
 public:
  TCollection(TObject* owner, TCollectionItemClass itemClass);
  // Destroys the items, last first, without Update or Notify.
  ~TCollection() override;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Attributes
  TObject* Owner() const noexcept { return owner_; }
  const TClassInfo& ItemClass() const noexcept { return *itemClass_.Info; }
  int Count() const noexcept { return static_cast<int>(items_.size()); }
  // Throws EListError for an index outside 0..Count()-1.
  TCollectionItem& Items(int index) const;
  TCollectionItem* FindItemID(int id) const noexcept;
  int UpdateCount() const noexcept { return updateCount_; }

  // Operations
  TCollectionItem& Add() { return Insert(Count()); }
  // index may be Count() (append).
  TCollectionItem& Insert(int index);
  void Delete(int index);
  void Clear();
  // Replaces the items by new ones assigned from source's.
  void Assign(const TCollection& source);
  void BeginUpdate();
  void EndUpdate();

  // Raised by the default Update.
  std::function<void(TCollection& sender, TCollectionItem* item)> OnUpdate;

 protected:
  // After a change of item (null: of the list or of every item).
  virtual void Update(TCollectionItem* item);
  // After an item was added; before an item is deleted (still whole).
  virtual void Notify(TCollectionItem& /*item*/, TCollectionNotification /*action*/) {}
  // Update(item) unless an update is open.
  void Changed(TCollectionItem* item = nullptr);

 private:
  friend class TCollectionItem;
  void MoveItem(int from, int to);

  TObject* owner_;
  TCollectionItemClass itemClass_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int nextId_ = 0;
  int updateCount_ = 0;
};

// Collections: items made by the item class, owned, ordered, notified and
// copied through their published properties.
#include "framework/Collection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Component.h"

namespace {

int g_alive = 0;

class TFileItem : public TCollectionItem {
  FW_CLASS(TFileItem, TCollectionItem)
 public:
  explicit TFileItem(TCollection& c) : TCollectionItem(c) { ++g_alive; }
  ~TFileItem() override { --g_alive; }
  static std::vector<TPropInfo> PublishedProperties() {
    return {StrProp<TFileItem>("FileName", "string", TTypeKind::String, &TFileItem::FileName,
                               &TFileItem::SetFileName),
            OrdProp<TFileItem>("Size", "Integer", TTypeKind::Integer, &TFileItem::Size,
                               &TFileItem::SetSize),
            OrdProp<TFileItem>("Checksum", "Integer", TTypeKind::Integer, &TFileItem::Checksum)};
  }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) {
    fileName_ = name;
    Changed(false);
  }
  int Size() const { return size_; }
  void SetSize(int size) {
    size_ = size;
    Changed(false);
  }
  int Checksum() const { return static_cast<int>(fileName_.size()) * 7 + size_; }  // read-only
  std::string DisplayName() const override { return fileName_; }

 private:
  std::string fileName_;
  int size_ = 0;
};

// Records what the collection tells about its items.
class TFiles : public TCollection {
  FW_CLASS(TFiles, TCollection)
 public:
  explicit TFiles(TObject* owner) : TCollection(owner, TCollectionItemClass::Of<TFileItem>()) {}
  TFileItem& Items(int i) const { return static_cast<TFileItem&>(TCollection::Items(i)); }
  TFileItem& Add() { return static_cast<TFileItem&>(TCollection::Add()); }

  std::string log;

 protected:
  void Update(TCollectionItem* item) override {
    log += "update(" + (item ? item->DisplayName() : std::string("*")) + ") ";
    TCollection::Update(item);
  }
  void Notify(TCollectionItem& item, TCollectionNotification action) override {
    log += (action == cnAdded ? "added#" : "deleting#") + std::to_string(item.ID()) + " ";
  }
};

std::string Names(const TFiles& files) {
  std::string names;
  for (int i = 0; i < files.Count(); ++i) names += files.Items(i).FileName() + ",";
  return names;
}

class CollectionTest : public ::testing::Test {
 protected:
  void SetUp() override { g_alive = 0; }
};

TEST_F(CollectionTest, ItemsAreMadeOrderedAndDestroyedByTheCollection) {
  {
    TFiles files(nullptr);
    EXPECT_EQ(files.ItemClass().Name(), "TFileItem");
    const struct {
      const char* step;
      std::function<void()> run;
      const char* names;
      const char* log;
    } steps[] = {
        {"add", [&] { files.Add().SetFileName("a"); }, "a,", "added#0 update(*) update(a) "},
        {"insert", [&] { static_cast<TFileItem&>(files.Insert(0)).SetFileName("b"); }, "b,a,",
         "added#1 update(*) update(b) "},
        {"move", [&] { files.Items(0).SetIndex(1); }, "a,b,", "update(*) "},
        {"delete", [&] { files.Delete(0); }, "b,", "deleting#0 update(*) "},
        {"add after delete", [&] { files.Add().SetFileName("c"); }, "b,c,",
         "added#2 update(*) update(c) "},
        {"batch", [&] {
           TUpdateScope<TCollection> update(files);
           files.Add().SetFileName("d");
           files.Items(0).SetSize(5);
           files.Items(2).SetIndex(0);
         }, "d,b,c,", "added#3 update(*) "},
        {"clear", [&] { files.Clear(); }, "", "deleting#2 deleting#1 deleting#3 update(*) "},
    };
    for (const auto& s : steps) {
      SCOPED_TRACE(s.step);
      files.log.clear();
      s.run();
      EXPECT_EQ(Names(files), s.names);
      EXPECT_EQ(files.log, s.log);
      EXPECT_EQ(g_alive, files.Count());
      for (int i = 0; i < files.Count(); ++i) {
        EXPECT_EQ(files.Items(i).Index(), i);
        EXPECT_EQ(&files.Items(i).Collection(), &files);
        EXPECT_EQ(files.FindItemID(files.Items(i).ID()), &files.Items(i));
      }
    }
    EXPECT_EQ(files.Add().ID(), 4);  // ids are not reused
    files.Add();
    files.log.clear();
  }
  EXPECT_EQ(g_alive, 0);  // destroyed without notifications into a dead object
}

TEST_F(CollectionTest, BadIndexesThrowAndLeaveTheListAlone) {
  TFiles files(nullptr);
  files.Add().SetFileName("a");
  EXPECT_THROW(files.Items(1), EListError);
  EXPECT_THROW(files.Items(-1), EListError);
  EXPECT_THROW(files.Delete(1), EListError);
  EXPECT_THROW(files.Insert(2), EListError);
  EXPECT_THROW(files.Items(0).SetIndex(1), EListError);
  EXPECT_EQ(Names(files), "a,");
  EXPECT_EQ(g_alive, 1);
}

TEST_F(CollectionTest, AssignCopiesWritablePublishedPropertiesIntoNewItems) {
  TFiles source(nullptr), target(nullptr);
  source.Add().SetFileName("one.qsk");
  source.Items(0).SetSize(10);
  source.Add().SetFileName("two.qsk");
  target.Add().SetFileName("old");
  target.log.clear();

  target.Assign(source);
  EXPECT_EQ(Names(target), "one.qsk,two.qsk,");
  EXPECT_EQ(target.Items(0).Size(), 10);
  EXPECT_EQ(target.Items(0).Checksum(), source.Items(0).Checksum());
  EXPECT_NE(&target.Items(0), &source.Items(0));
  EXPECT_EQ(target.log, "deleting#0 added#1 added#2 update(*) ");  // one update for it all
  EXPECT_EQ(g_alive, 4);
}

// A component that publishes a collection, as the skin engine publishes
// its further skins.
class TFileOwner : public TComponent {
  FW_CLASS(TFileOwner, TComponent)
 public:
  explicit TFileOwner(TComponent* owner) : TComponent(owner), files_(this) {}
  static std::vector<TPropInfo> PublishedProperties() {
    return {ObjProp<TFileOwner>("Files", "TFiles", &TFileOwner::Files)};
  }
  TFiles& Files() { return files_; }

 private:
  TFiles files_;
};

TEST_F(CollectionTest, APublishedCollectionAndItsItemsAreReadByName) {
  TOwned<TFileOwner> owner = MakeComponent<TFileOwner>();
  owner->Files().Add().SetFileName("skin.qsk");
  auto* files = GetObjectProp<TCollection>(*owner, "Files", "TFiles");
  ASSERT_NE(files, nullptr);
  EXPECT_TRUE(files->Is<TCollection>());
  EXPECT_EQ(files->Owner(), owner.get());

  TCollectionItem& item = files->Items(0);
  EXPECT_TRUE(item.InheritsFrom("TCollectionItem"));
  EXPECT_EQ(GetStrProp(item, "FileName"), L"skin.qsk");
  SetOrdProp(item, "Size", 42);
  EXPECT_EQ(owner->Files().Items(0).Size(), 42);
  EXPECT_THROW(SetOrdProp(item, "Checksum", 1), EPropertyError);

  int updates = 0;
  files->OnUpdate = [&](TCollection& sender, TCollectionItem* changed) {
    EXPECT_EQ(&sender, files);
    EXPECT_EQ(changed, &item);
    ++updates;
  };
  SetStrProp(item, "FileName", L"other.qsk");
  EXPECT_EQ(updates, 1);
}

}  // namespace

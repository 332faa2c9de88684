// Ownership, notifications, names and the loading phase.
#include "framework/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

// Logs its life and every notification it hears.
class TProbe : public TComponent {
  FW_CLASS(TProbe, TComponent)
 public:
  TProbe(TComponent* owner, std::string label) : TComponent(owner), label_(std::move(label)) {
    loadingInConstructor = Loading();
  }
  ~TProbe() override { g_log.push_back("destroy " + label_); }

  void Notification(TComponent* c, TOperation op) override {
    auto* p = dynamic_cast<TProbe*>(c);
    g_log.push_back(label_ + (op == opInsert ? " +" : " -") + (p ? p->label_ : std::string("?")));
    TComponent::Notification(c, op);
  }
  void BeforeDestruction() override {
    g_log.push_back("before " + label_ + (IsDestroying() ? " (destroying)" : ""));
    TComponent::BeforeDestruction();
  }

  bool loadingInConstructor = false;
  bool loadingInLoaded = false;

 protected:
  void Loaded() override {
    loadingInLoaded = Loading();
    g_log.push_back("loaded " + label_);
    TComponent::Loaded();
  }

 private:
  std::string label_;
};

// A root that builds its components while loading, like a form.
class TRoot : public TProbe {
  FW_CLASS(TRoot, TProbe)
 public:
  explicit TRoot(TComponent* owner) : TProbe(owner, "root") {
    BeginLoading();
    a = Create<TProbe>("a");
    b = Create<TProbe>("b");
    nested = a->Create<TProbe>("a.1");
    c = Create<TProbe>("c");
  }
  void AfterConstruction() override { EndLoading(); }

  TProbe* a;
  TProbe* b;
  TProbe* nested;
  TProbe* c;
};

class ComponentTest : public ::testing::Test {
 protected:
  void SetUp() override { g_log.clear(); }
};

TEST_F(ComponentTest, OwnerDestroysItsComponentsLastCreatedFirst) {
  {
    TOwned<TProbe> owner = MakeComponent<TProbe>("owner");
    owner->Create<TProbe>("one");
    owner->Create<TProbe>("two");
    owner->Create<TProbe>("three");
    EXPECT_EQ(owner->ComponentCount(), 3);
    g_log.clear();
  }
  const std::vector<std::string> expected = {
      "before owner",       "before three (destroying)", "destroy three", "before two (destroying)",
      "destroy two",        "before one (destroying)",   "destroy one",   "destroy owner"};
  EXPECT_EQ(g_log, expected);
}

TEST_F(ComponentTest, InsertAndRemoveAreTold_ToTheOwnerAndItsOtherComponents) {
  TOwned<TProbe> owner = MakeComponent<TProbe>("owner");
  TProbe* first = owner->Create<TProbe>("first");
  g_log.clear();
  TProbe* second = owner->Create<TProbe>("second");
  EXPECT_EQ(g_log, (std::vector<std::string>{"owner +second", "first +second"}));
  EXPECT_EQ(second->Owner(), owner.get());
  EXPECT_EQ(second->ComponentIndex(), 1);

  g_log.clear();
  second->Free();
  EXPECT_EQ(g_log, (std::vector<std::string>{"owner -second", "first -second", "before second",
                                             "destroy second"}));
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->Components(0), first);
}

TEST_F(ComponentTest, RemoveComponentHandsOwnershipBack) {
  TOwned<TProbe> owner = MakeComponent<TProbe>("owner");
  TProbe* child = owner->Create<TProbe>("child");
  TOwned<TComponent> taken = owner->RemoveComponent(child);
  ASSERT_EQ(taken.get(), child);
  EXPECT_EQ(child->Owner(), nullptr);
  EXPECT_EQ(owner->ComponentCount(), 0);
  EXPECT_EQ(owner->RemoveComponent(child), nullptr);  // not owned any more

  TOwned<TProbe> other = MakeComponent<TProbe>("other");
  other->InsertComponent(std::move(taken));
  EXPECT_EQ(child->Owner(), other.get());
  EXPECT_THROW(TComponent(nullptr).Free(), EInvalidOperation);
}

TEST_F(ComponentTest, FreeNotificationReachesComponentsOfOtherOwners) {
  TOwned<TProbe> left = MakeComponent<TProbe>("left");
  TOwned<TProbe> right = MakeComponent<TProbe>("right");
  TProbe* watcher = left->Create<TProbe>("watcher");
  TProbe* watched = right->Create<TProbe>("watched");
  watcher->FreeNotification(watched);
  g_log.clear();
  watched->Free();
  EXPECT_NE(std::find(g_log.begin(), g_log.end(), "watcher -watched"), g_log.end());

  // After RemoveFreeNotification nothing more is told, in either direction.
  TProbe* again = right->Create<TProbe>("again");
  watcher->FreeNotification(again);
  watcher->RemoveFreeNotification(again);
  g_log.clear();
  again->Free();
  watcher->Free();
  EXPECT_EQ(std::find(g_log.begin(), g_log.end(), "watcher -again"), g_log.end());
}

TEST_F(ComponentTest, MutualFreeNotificationLeavesNoDanglingEntry) {
  TOwned<TProbe> a = MakeComponent<TProbe>("a");
  TOwned<TProbe> b = MakeComponent<TProbe>("b");
  a->FreeNotification(b.get());
  a.reset();  // b is told and forgets a
  g_log.clear();
  b.reset();  // must not tell the destroyed a
  EXPECT_EQ(g_log, (std::vector<std::string>{"before b", "destroy b"}));
}

TEST_F(ComponentTest, LoadedRunsOnTheRootThenInCreationOrder_AfterConstruction) {
  TOwned<TRoot> root = MakeComponent<TRoot>();
  EXPECT_TRUE(root->a->loadingInConstructor);
  EXPECT_TRUE(root->nested->loadingInConstructor);
  const std::vector<std::string> loaded = [] {
    std::vector<std::string> l;
    for (const std::string& s : g_log)
      if (s.rfind("loaded", 0) == 0) l.push_back(s);
    return l;
  }();
  EXPECT_EQ(loaded, (std::vector<std::string>{"loaded root", "loaded a", "loaded b", "loaded a.1",
                                              "loaded c"}));
  // Each component is still loading during its own Loaded, and not after.
  EXPECT_TRUE(root->b->loadingInLoaded);
  for (TProbe* p : {static_cast<TProbe*>(root.get()), root->a, root->b, root->nested, root->c})
    EXPECT_FALSE(p->Loading());
  // Created after loading: not loading.
  EXPECT_FALSE(root->Create<TProbe>("late")->loadingInConstructor);
}

TEST_F(ComponentTest, ComponentRemovedWhileLoadingIsNotLoaded) {
  TOwned<TProbe> root = MakeComponent<TProbe>("root");
  root->BeginLoading();
  root->Create<TProbe>("kept");
  root->Create<TProbe>("gone")->Free();
  g_log.clear();
  root->EndLoading();
  EXPECT_EQ(g_log, (std::vector<std::string>{"loaded root", "loaded kept"}));
}

TEST_F(ComponentTest, NamesAreIdentifiersUniqueWithinTheOwner) {
  TOwned<TProbe> owner = MakeComponent<TProbe>("owner");
  TProbe* a = owner->Create<TProbe>("a");
  TProbe* b = owner->Create<TProbe>("b");
  a->SetName("Panel1");
  EXPECT_EQ(owner->FindComponent("panel1"), a);  // case-insensitive, like the lookup
  EXPECT_THROW(b->SetName("PANEL1"), EComponentError);
  EXPECT_THROW(b->SetName("1Panel"), EComponentError);
  EXPECT_THROW(b->SetName("Pnl Web"), EComponentError);
  b->SetName("Pnl_Web");
  EXPECT_EQ(b->Name(), "Pnl_Web");
  b->SetName("");
  EXPECT_EQ(owner->FindComponent(""), nullptr);
  a->SetTag(9999);
  EXPECT_EQ(a->Tag(), 9999);
}

// A component whose AfterConstruction fails (a form whose OnCreate throws
// an exception out of Create) does not stay in its owner.
class TFailing : public TComponent {
  FW_CLASS(TFailing, TComponent)
 public:
  using TComponent::TComponent;
  void AfterConstruction() override { throw EComponentError("refused"); }
};

TEST_F(ComponentTest, FailedConstructionLeavesTheOwnerAsItWas) {
  TOwned<TProbe> owner = MakeComponent<TProbe>("owner");
  g_log.clear();
  EXPECT_THROW(owner->Create<TFailing>(), EComponentError);
  EXPECT_EQ(owner->ComponentCount(), 0);
}

TEST_F(ComponentTest, DestroyingStateReachesOwnedComponentsBeforeTheyGo) {
  TOwned<TProbe> owner = MakeComponent<TProbe>("owner");
  owner->Create<TProbe>("child");
  g_log.clear();
  owner.reset();
  EXPECT_EQ(g_log[1], "before child (destroying)");
}

}  // namespace

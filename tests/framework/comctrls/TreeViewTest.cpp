// Tree views: the nodes and their order in the window, selection and
// expansion from code, keys and clicks with their events (and vetoes),
// label edits, deletions, and a re-created window that keeps it all.
#include "framework/comctrls/TreeView.h"

#include <commctrl.h>

#include "ComCtrlsTesting.h"

namespace {

class TreeViewTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    tree = Add<TTreeView>(10, 10, 200, 200);
    TTreeNodes& items = tree->Items();
    fruit = items.Add(nullptr, L"Fruit");
    apple = items.AddChild(fruit, L"Apple");
    pear = items.AddChild(fruit, L"Pear");
    items.AddChildFirst(fruit, L"Fig");
    veg = items.Add(fruit, L"Veg");
    items.AddChild(veg, L"Leek");
    items.Insert(pear, L"Lime");
    items.AddFirst(veg, L"Nuts");
    tree->OnChange = [this](TObject&, TTreeNode* node) { log += L"change:" + (node ? node->Text() : L"-") + L" "; };
    tree->OnChanging = [this](TObject&, TTreeNode* node, bool& allow) {
      log += L"changing:" + node->Text() + L" ";
      allow = allow && node != veto;
    };
    tree->OnExpanding = [this](TObject&, TTreeNode* node, bool& allow) {
      log += L"expanding:" + node->Text() + L" ";
      allow = node != veto;
    };
  }
  // The window's items in display order, as "text/level" words.
  std::wstring WindowItems() {
    std::wstring out;
    Walk(TVI_ROOT, 0, out);
    return out;
  }
  void Walk(HTREEITEM parent, int level, std::wstring& out) {
    HWND w = tree->Handle();
    HTREEITEM item = parent == TVI_ROOT ? TreeView_GetRoot(w) : TreeView_GetChild(w, parent);
    for (; item; item = TreeView_GetNextSibling(w, item)) {
      TVITEMW info{};
      info.mask = TVIF_PARAM | TVIF_HANDLE;
      info.hItem = item;
      TreeView_GetItem(w, &info);
      out += reinterpret_cast<TTreeNode*>(info.lParam)->Text() + L"/" + std::to_wstring(level) + L" ";
      Walk(item, level + 1, out);
    }
  }
  void ClickNode(TTreeNode* node) {
    const RECT r = node->DisplayRect(true);
    ClickAt(*tree, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }

  TTreeView* tree = nullptr;
  TTreeNode *fruit = nullptr, *apple = nullptr, *pear = nullptr, *veg = nullptr;
  TTreeNode* veto = nullptr;
  std::wstring log;
};

TEST_F(TreeViewTest, NodesAppearInTheWindowInTheirOrder) {
  const std::wstring order = L"Nuts/0 Fruit/0 Fig/1 Apple/1 Lime/1 Pear/1 Veg/0 Leek/1 ";
  EXPECT_EQ(WindowItems(), order);
  std::wstring flat;
  for (int i = 0; i < tree->Items().Count(); ++i) {
    TTreeNode* n = tree->Items().Item(i);
    EXPECT_EQ(n->AbsoluteIndex(), i);
    flat += n->Text() + L"/" + std::to_wstring(n->Level()) + L" ";
  }
  EXPECT_EQ(flat, order);
  EXPECT_EQ(TreeView_GetCount(tree->Handle()), 8u);
  EXPECT_EQ(pear->Index(), 3);
  EXPECT_EQ(pear->Parent(), fruit);
  EXPECT_TRUE(pear->HasAsParent(fruit));
  // Texts and images are asked for when drawn.
  wchar_t text[32]{};
  TVITEMW info{};
  info.mask = TVIF_TEXT | TVIF_HANDLE;
  info.hItem = pear->ItemId();
  info.pszText = text;
  info.cchTextMax = 32;
  pear->SetText(L"Quince");
  TreeView_GetItem(tree->Handle(), &info);
  EXPECT_STREQ(info.pszText, L"Quince");
}

TEST_F(TreeViewTest, SelectionFromCodeAndClicksRaisesChangingAndChange) {
  apple->SetSelected(true);  // inside a collapsed node
  EXPECT_EQ(TreeView_GetSelection(tree->Handle()), apple->ItemId());
  EXPECT_EQ(tree->Selected(), apple);
  EXPECT_TRUE(fruit->Expanded()) << "the window shows a selected node";
  EXPECT_EQ(log, L"changing:Apple expanding:Fruit change:Apple ");
  log.clear();
  ClickNode(pear);
  EXPECT_EQ(tree->Selected(), pear);
  EXPECT_EQ(log, L"changing:Pear change:Pear ");
  veto = veg;
  log.clear();
  ClickNode(veg);
  EXPECT_EQ(tree->Selected(), pear) << "OnChanging refused";
  EXPECT_EQ(log, L"changing:Veg ");
}

TEST_F(TreeViewTest, ExpandingAsksFirstFromKeysAndFromCode) {
  fruit->SetSelected(true);
  tree->SetFocus();
  log.clear();
  PressKey(VK_RIGHT);
  EXPECT_TRUE(fruit->Expanded());
  EXPECT_EQ(log, L"expanding:Fruit ");
  PressKey(VK_LEFT);
  EXPECT_FALSE(fruit->Expanded());
  veto = fruit;
  PressKey(VK_RIGHT);
  EXPECT_FALSE(fruit->Expanded()) << "OnExpanding refused";
  veg->Expand(false);  // code asks too, once
  EXPECT_TRUE(veg->Expanded());
  EXPECT_TRUE(TreeView_GetItemState(tree->Handle(), veg->ItemId(), TVIS_EXPANDED) & TVIS_EXPANDED);
  EXPECT_EQ(log, L"expanding:Fruit expanding:Fruit expanding:Veg ");
  // A node with a button but no children yet gets them while expanding.
  TTreeNode* lazy = tree->Items().Add(nullptr, L"Lazy");
  lazy->SetHasChildren(true);
  tree->OnExpanding = [](TObject&, TTreeNode* node, bool&) {
    if (node->Count() == 0) node->Owner().AddChild(node, L"Loaded");
  };
  lazy->SetSelected(true);
  PressKey(VK_RIGHT);
  EXPECT_TRUE(lazy->Expanded());
  EXPECT_EQ(lazy->GetFirstChild()->Text(), L"Loaded");
  EXPECT_TRUE(lazy->GetFirstChild()->DisplayRect(true).bottom > 0) << "shown";
}

TEST_F(TreeViewTest, RecreatedWindowKeepsNodesSelectionAndExpansion) {
  veg->Expand(false);
  apple->SetSelected(true);
  HWND before = tree->Handle();
  tree->SetShowLines(false);
  tree->SetReadOnly(true);
  ASSERT_NE(tree->Handle(), before);
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(tree->Handle(), GWL_STYLE));
  EXPECT_FALSE(style & TVS_HASLINES);
  EXPECT_FALSE(style & TVS_EDITLABELS);
  EXPECT_EQ(WindowItems(), L"Nuts/0 Fruit/0 Fig/1 Apple/1 Lime/1 Pear/1 Veg/0 Leek/1 ");
  EXPECT_EQ(TreeView_GetSelection(tree->Handle()), apple->ItemId());
  EXPECT_TRUE(veg->Expanded());
  EXPECT_TRUE(TreeView_GetItemState(tree->Handle(), veg->ItemId(), TVIS_EXPANDED) & TVIS_EXPANDED);
  EXPECT_TRUE(TreeView_GetItemState(tree->Handle(), fruit->ItemId(), TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(TreeViewTest, DeletingNodesLeavesNoDanglingSelection) {
  pear->SetSelected(true);
  log.clear();
  fruit->Delete();
  EXPECT_EQ(tree->Items().Count(), 3);
  EXPECT_EQ(TreeView_GetCount(tree->Handle()), 3u);
  TTreeNode* selected = tree->Selected();
  EXPECT_TRUE(selected == nullptr || selected->ItemId() == TreeView_GetSelection(tree->Handle()));
  EXPECT_NE(selected, pear);
  veg->DeleteChildren();
  EXPECT_FALSE(veg->HasChildren());
  tree->Items().Clear();
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(TreeView_GetCount(tree->Handle()), 0u);
}

TEST_F(TreeViewTest, EditedLabelsBecomeTheNodeText) {
  std::wstring seen;
  tree->OnEdited = [&seen](TObject&, TTreeNode*, std::wstring& text) {
    seen = text;
    text += L"!";
  };
  tree->SetFocus();
  HWND edit = TreeView_EditLabel(tree->Handle(), veg->ItemId());
  ASSERT_NE(edit, nullptr);
  ::SetWindowTextW(edit, L"Greens");
  TreeView_EndEditLabelNow(tree->Handle(), FALSE);
  Pump();
  EXPECT_EQ(seen, L"Greens");
  EXPECT_EQ(veg->Text(), L"Greens!");
  tree->SetReadOnly(true);
  EXPECT_EQ(TreeView_EditLabel(tree->Handle(), veg->ItemId()), nullptr);
}

}  // namespace

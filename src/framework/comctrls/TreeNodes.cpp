// The nodes of a tree view and their items in the window.
#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "framework/comctrls/TreeView.h"

namespace {

// Texts, images and the expand button are asked for when drawn.
constexpr UINT kCallbackMask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;

UINT StateImageMask(int index) { return index > 0 ? INDEXTOSTATEIMAGEMASK(index) : 0; }

}  // namespace

// ---- TTreeNode -------------------------------------------------------------------

TCustomTreeView& TTreeNode::TreeView() const noexcept { return owner_->TreeView(); }

TTreeNode* TTreeNode::Parent() const noexcept {
  return parent_ == owner_->root_.get() ? nullptr : parent_;
}

int TTreeNode::Index() const noexcept {
  if (!parent_) return -1;
  const auto& list = parent_->children_;
  const auto it = std::find_if(list.begin(), list.end(), [this](const auto& c) { return c.get() == this; });
  return static_cast<int>(it - list.begin());
}

int TTreeNode::Level() const noexcept {
  int level = 0;
  for (const TTreeNode* p = Parent(); p; p = p->Parent()) ++level;
  return level;
}

int TTreeNode::AbsoluteIndex() const noexcept {
  int index = 0;
  for (const TTreeNode* n = owner_->GetFirstNode(); n && n != this; n = n->GetNext()) ++index;
  return index;
}

TTreeNode* TTreeNode::GetNextSibling() const noexcept {
  if (!parent_) return nullptr;
  const size_t next = static_cast<size_t>(Index()) + 1;
  return next < parent_->children_.size() ? parent_->children_[next].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const noexcept {
  const int index = Index();
  return index > 0 ? parent_->children_[static_cast<size_t>(index - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const noexcept {
  if (TTreeNode* child = GetFirstChild()) return child;
  for (const TTreeNode* n = this; n && n->parent_; n = n->parent_)
    if (TTreeNode* sibling = n->GetNextSibling()) return sibling;
  return nullptr;
}

bool TTreeNode::HasAsParent(const TTreeNode* node) const noexcept {
  if (!node) return false;
  for (const TTreeNode* p = Parent(); p; p = p->Parent())
    if (p == node) return true;
  return false;
}

void TTreeNode::Refresh(UINT mask) const {
  TCustomTreeView& tree = TreeView();
  if (!item_ || !tree.WindowLive()) return;
  TVITEMW item{};
  item.mask = TVIF_HANDLE | mask;
  item.hItem = item_;
  item.pszText = LPSTR_TEXTCALLBACKW;
  item.iImage = I_IMAGECALLBACK;
  item.iSelectedImage = I_IMAGECALLBACK;
  item.cChildren = I_CHILDRENCALLBACK;
  item.stateMask = TVIS_STATEIMAGEMASK;
  item.state = StateImageMask(stateIndex_);
  tree.Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetText(std::wstring_view text) {
  if (text == text_) return;
  text_ = text;
  Refresh(TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int index) {
  imageIndex_ = index;
  Refresh(TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int index) {
  selectedIndex_ = index;
  Refresh(TVIF_SELECTEDIMAGE);
}

void TTreeNode::SetStateIndex(int index) {
  stateIndex_ = std::max(index, -1);
  Refresh(TVIF_STATE);
}

void TTreeNode::SetHasChildren(bool hasChildren) {
  hasChildren_ = hasChildren;
  Refresh(TVIF_CHILDREN);
}

bool TTreeNode::Selected() const noexcept { return TreeView().Selected() == this; }

void TTreeNode::SetSelected(bool selected) {
  if (selected)
    TreeView().SetSelected(this);
  else if (Selected())
    TreeView().SetSelected(nullptr);
}

void TTreeNode::SetExpanded(bool expanded) {
  if (expanded)
    Expand(false);
  else
    Collapse(false);
}

void TTreeNode::Expand(bool recurse) {
  TCustomTreeView& tree = TreeView();
  if (!expanded_ && (hasChildren_ || !children_.empty()) && tree.CanExpand(this)) {
    if (item_ && tree.WindowLive()) {
      tree.expanding_ = this;
      tree.Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
      tree.expanding_ = nullptr;
      expanded_ = (tree.Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    } else {
      expanded_ = !children_.empty();
    }
    if (expanded_ && tree.OnExpanded) tree.OnExpanded(tree, this);
  }
  if (recurse)
    for (const auto& child : children_) child->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  TCustomTreeView& tree = TreeView();
  if (expanded_ && tree.CanCollapse(this)) {
    if (item_ && tree.WindowLive()) {
      tree.expanding_ = this;
      tree.Send(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
      tree.expanding_ = nullptr;
    }
    expanded_ = false;
    if (tree.OnCollapsed) tree.OnCollapsed(tree, this);
  }
  if (recurse)
    for (const auto& child : children_) child->Collapse(true);
}

void TTreeNode::MakeVisible() {
  for (TTreeNode* p = Parent(); p; p = p->Parent()) p->Expand(false);
  if (item_ && TreeView().WindowLive()) TreeView().Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item_));
}

RECT TTreeNode::DisplayRect(bool textOnly) const {
  RECT rect{};
  if (!item_ || !TreeView().WindowLive()) return rect;
  std::memcpy(&rect, &item_, sizeof(item_));  // the window reads the item from the rectangle
  if (!TreeView().Send(TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&rect))) rect = RECT{};
  return rect;
}

void TTreeNode::Delete() { owner_->Delete(this); }

void TTreeNode::DeleteChildren() {
  while (!children_.empty()) owner_->Delete(children_.back().get());
}

// ---- TTreeNodes ------------------------------------------------------------------

TTreeNodes::TTreeNodes(TCustomTreeView& treeView)
    : treeView_(treeView), root_(std::make_unique<TTreeNode>(TTreeNodeKey{}, this, nullptr)) {}

TTreeNodes::~TTreeNodes() = default;

int TTreeNodes::Count() const noexcept {
  int count = 0;
  for (const TTreeNode* n = GetFirstNode(); n; n = n->GetNext()) ++count;
  return count;
}

TTreeNode* TTreeNodes::Item(int index) const {
  TTreeNode* n = GetFirstNode();
  for (int i = 0; n && i < index; ++i) n = n->GetNext();
  if (!n || index < 0) throw std::out_of_range("Tree node index out of range");
  return n;
}

TTreeNode* TTreeNodes::FindNode(HTREEITEM item) const noexcept {
  if (!item) return nullptr;
  for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext())
    if (n->item_ == item) return n;
  return nullptr;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, std::wstring_view text) {
  TTreeNode* parent = sibling ? sibling->parent_ : root_.get();
  return InsertNode(parent, parent->children_.size(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, std::wstring_view text) {
  return InsertNode(sibling ? sibling->parent_ : root_.get(), 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, std::wstring_view text) {
  TTreeNode* p = parent ? parent : root_.get();
  return InsertNode(p, p->children_.size(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, std::wstring_view text) {
  return InsertNode(parent ? parent : root_.get(), 0, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, std::wstring_view text) {
  if (!sibling) return Add(nullptr, text);
  return InsertNode(sibling->parent_, static_cast<size_t>(sibling->Index()), text);
}

TTreeNode* TTreeNodes::InsertNode(TTreeNode* parent, size_t index, std::wstring_view text) {
  if (parent->owner_ != this) throw EInvalidOperation("The node belongs to another tree");
  auto& list = parent->children_;
  index = std::min(index, list.size());
  TTreeNode* node = list.insert(list.begin() + static_cast<std::ptrdiff_t>(index),
                                std::make_unique<TTreeNode>(TTreeNodeKey{}, this, parent))
                        ->get();
  node->text_ = text;
  if (parent != root_.get()) parent->hasChildren_ = true;
  if (treeView_.WindowLive() && (parent == root_.get() || parent->item_)) {
    CreateItem(*node, index == 0 ? TVI_FIRST : list[index - 1]->item_);
    parent->Refresh(TVIF_CHILDREN);
  }
  return node;
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node || node->owner_ != this || node == root_.get()) return;
  treeView_.NodeDeleting(node);
  // The window goes first: it may select another node, which must still
  // be there.
  if (node->item_ && treeView_.WindowLive())
    treeView_.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->item_));
  TTreeNode* parent = node->parent_;
  auto& list = parent->children_;
  std::erase_if(list, [node](const auto& c) { return c.get() == node; });
  if (list.empty() && parent != root_.get()) {
    parent->hasChildren_ = false;
    parent->expanded_ = false;
    parent->Refresh(TVIF_CHILDREN);
  }
}

void TTreeNodes::Clear() {
  if (!root_->children_.empty()) treeView_.NodeDeleting(root_.get());
  if (treeView_.WindowLive()) treeView_.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  root_->children_.clear();
}

void TTreeNodes::BeginUpdate() {
  if (updateCount_++ == 0 && treeView_.WindowLive()) treeView_.Send(WM_SETREDRAW, FALSE);
}

void TTreeNodes::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0 || !treeView_.WindowLive()) return;
  treeView_.Send(WM_SETREDRAW, TRUE);
  treeView_.Invalidate();
}

void TTreeNodes::CreateItem(TTreeNode& node, HTREEITEM after) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = node.parent_ == root_.get() ? TVI_ROOT : node.parent_->item_;
  insert.hInsertAfter = after;
  TVITEMW& item = insert.item;
  item.mask = kCallbackMask | TVIF_PARAM | TVIF_STATE;
  item.pszText = LPSTR_TEXTCALLBACKW;
  item.iImage = I_IMAGECALLBACK;
  item.iSelectedImage = I_IMAGECALLBACK;
  item.cChildren = I_CHILDRENCALLBACK;
  item.lParam = reinterpret_cast<LPARAM>(&node);
  item.stateMask = TVIS_STATEIMAGEMASK;
  item.state = StateImageMask(node.stateIndex_);
  node.item_ = reinterpret_cast<HTREEITEM>(treeView_.Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  if (!node.item_) throw EOutOfResources("Could not add a tree node");
}

void TTreeNodes::CreateItems(TTreeNode& parent) {
  HTREEITEM after = TVI_FIRST;
  for (const auto& child : parent.children_) {
    CreateItem(*child, after);
    after = child->item_;
    CreateItems(*child);
    if (child->expanded_) treeView_.Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(child->item_));
  }
}

void TTreeNodes::SaveItems(TTreeNode& parent) {
  for (const auto& child : parent.children_) {
    if (child->item_)
      child->expanded_ =
          (treeView_.Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(child->item_), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    child->item_ = nullptr;
    SaveItems(*child);
  }
}

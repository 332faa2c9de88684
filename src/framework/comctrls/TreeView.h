#pragma once
// TCustomTreeView / TTreeView: a tree of text nodes over the platform's
// tree view ("SysTreeView32").
//
// The nodes (TTreeNode) live in Items (TTreeNodes) whether or not the
// window exists; the window shows them and asks for their texts and images
// when it draws. What the user changes there (selection, expansion, label
// edits) comes back into the nodes at once, so re-creating the window
// loses nothing.
//
//   TTreeNode* fruit = tree->Items().Add(nullptr, L"Fruit");
//   tree->Items().AddChild(fruit, L"Apple");
//   fruit->Expand(false);
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "framework/WinControl.h"

class TCustomImageList;
class TCustomTreeView;
class TTreeNodes;

// Only the node list makes nodes.
class TTreeNodeKey {
  friend class TTreeNodes;
  TTreeNodeKey() = default;
};

class TTreeNode : public TObject {
  FW_CLASS(TTreeNode, TObject)
 public:
  TTreeNode(TTreeNodeKey, TTreeNodes* owner, TTreeNode* parent) noexcept : owner_(owner), parent_(parent) {}
  ~TTreeNode() override = default;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Attributes: what is shown
  const std::wstring& Text() const noexcept { return text_; }
  void SetText(std::wstring_view text);
  int ImageIndex() const noexcept { return imageIndex_; }
  void SetImageIndex(int index);
  // The image while the node is selected.
  int SelectedIndex() const noexcept { return selectedIndex_; }
  void SetSelectedIndex(int index);
  // The image of the tree's StateImages left of the node; -1 for none.
  int StateIndex() const noexcept { return stateIndex_; }
  void SetStateIndex(int index);
  void* Data() const noexcept { return data_; }
  void SetData(void* data) noexcept { data_ = data; }

  // Attributes: state
  bool Expanded() const noexcept { return expanded_; }
  void SetExpanded(bool expanded);
  bool Selected() const noexcept;
  void SetSelected(bool selected);
  // Shows an expand button, with or without children (set when children
  // are added, cleared when the last one goes).
  bool HasChildren() const noexcept { return hasChildren_; }
  void SetHasChildren(bool hasChildren);

  // Attributes: place in the tree
  TTreeNodes& Owner() const noexcept { return *owner_; }
  TCustomTreeView& TreeView() const noexcept;
  TTreeNode* Parent() const noexcept;
  int Count() const noexcept { return static_cast<int>(children_.size()); }
  TTreeNode* Item(int index) const { return children_.at(static_cast<size_t>(index)).get(); }
  // Position among its siblings.
  int Index() const noexcept;
  // 0 for a top-level node.
  int Level() const noexcept;
  // Position in the whole tree, counted in display order.
  int AbsoluteIndex() const noexcept;
  TTreeNode* GetFirstChild() const noexcept { return children_.empty() ? nullptr : children_.front().get(); }
  TTreeNode* GetLastChild() const noexcept { return children_.empty() ? nullptr : children_.back().get(); }
  TTreeNode* GetNextSibling() const noexcept;
  TTreeNode* GetPrevSibling() const noexcept;
  // The next node in display order (children first), or null.
  TTreeNode* GetNext() const noexcept;
  bool HasAsParent(const TTreeNode* node) const noexcept;
  // The node's item in the window, or null.
  HTREEITEM ItemId() const noexcept { return item_; }
  // Where the node is drawn, in client coordinates (empty when it is not
  // shown); the text alone or the whole row.
  RECT DisplayRect(bool textOnly) const;

  // Operations
  // Expand asks OnExpanding first, Collapse OnCollapsing.
  void Expand(bool recurse);
  void Collapse(bool recurse);
  // Scrolls and expands the parents so that the node is seen.
  void MakeVisible();
  void Delete();
  void DeleteChildren();

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  void Refresh(UINT mask) const;

  TTreeNodes* owner_;
  TTreeNode* parent_;  // the tree's hidden root for top-level nodes
  std::vector<std::unique_ptr<TTreeNode>> children_;
  std::wstring text_;
  int imageIndex_ = -1;
  int selectedIndex_ = -1;
  int stateIndex_ = -1;
  void* data_ = nullptr;
  bool expanded_ = false;
  bool hasChildren_ = false;
  HTREEITEM item_ = nullptr;
};

class TTreeNodes : public TObject {
  FW_CLASS(TTreeNodes, TObject)
 public:
  explicit TTreeNodes(TCustomTreeView& treeView);
  ~TTreeNodes() override;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Attributes
  TCustomTreeView& TreeView() const noexcept { return treeView_; }
  // Every node, in display order.
  int Count() const noexcept;
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstNode() const noexcept { return root_->GetFirstChild(); }
  // The node of a window item, or null.
  TTreeNode* FindNode(HTREEITEM item) const noexcept;

  // Operations. A null sibling or parent means the top level.
  // After the last sibling of sibling.
  TTreeNode* Add(TTreeNode* sibling, std::wstring_view text);
  // Before the first sibling of sibling.
  TTreeNode* AddFirst(TTreeNode* sibling, std::wstring_view text);
  // The last child of parent.
  TTreeNode* AddChild(TTreeNode* parent, std::wstring_view text);
  TTreeNode* AddChildFirst(TTreeNode* parent, std::wstring_view text);
  // Just before sibling (at the end of the top level when null).
  TTreeNode* Insert(TTreeNode* sibling, std::wstring_view text);
  void Delete(TTreeNode* node);
  void Clear();
  // Holds back drawing while many nodes change.
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  TTreeNode* InsertNode(TTreeNode* parent, size_t index, std::wstring_view text);
  // The window's items for node and its subtree; their states from the
  // nodes.
  void CreateItems(TTreeNode& node);
  void CreateItem(TTreeNode& node, HTREEITEM after);
  // Reads expansion back from the window and forgets the items.
  void SaveItems(TTreeNode& node);

  TCustomTreeView& treeView_;
  std::unique_ptr<TTreeNode> root_;
  int updateCount_ = 0;
};

using TTVChangedEvent = std::function<void(TObject& sender, TTreeNode* node)>;
using TTVChangingEvent = std::function<void(TObject& sender, TTreeNode* node, bool& allowChange)>;
using TTVExpandingEvent = std::function<void(TObject& sender, TTreeNode* node, bool& allowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject& sender, TTreeNode* node, bool& allowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject& sender, TTreeNode* node)>;
using TTVEditingEvent = std::function<void(TObject& sender, TTreeNode* node, bool& allowEdit)>;
using TTVEditedEvent = std::function<void(TObject& sender, TTreeNode* node, std::wstring& text)>;

class TCustomTreeView : public TWinControl {
  FW_CLASS(TCustomTreeView, TWinControl)
 public:
  explicit TCustomTreeView(TComponent* owner);
  ~TCustomTreeView() override;

  // Attributes
  TTreeNodes& Items() noexcept { return *items_; }
  TTreeNode* Selected() const noexcept { return selected_; }
  void SetSelected(TTreeNode* node);
  TCustomImageList* Images() const noexcept { return images_; }
  void SetImages(TCustomImageList* images);
  TCustomImageList* StateImages() const noexcept { return stateImages_; }
  void SetStateImages(TCustomImageList* images);
  bool ShowLines() const noexcept { return showLines_; }
  void SetShowLines(bool show) { SetStyleFlag(showLines_, show); }
  bool ShowButtons() const noexcept { return showButtons_; }
  void SetShowButtons(bool show) { SetStyleFlag(showButtons_, show); }
  bool ShowRoot() const noexcept { return showRoot_; }
  void SetShowRoot(bool show) { SetStyleFlag(showRoot_, show); }
  bool ReadOnly() const noexcept { return readOnly_; }
  void SetReadOnly(bool readOnly) { SetStyleFlag(readOnly_, readOnly); }
  bool HideSelection() const noexcept { return hideSelection_; }
  void SetHideSelection(bool hide) { SetStyleFlag(hideSelection_, hide); }
  bool RowSelect() const noexcept { return rowSelect_; }
  void SetRowSelect(bool rowSelect) { SetStyleFlag(rowSelect_, rowSelect); }
  bool HotTrack() const noexcept { return hotTrack_; }
  void SetHotTrack(bool hotTrack) { SetStyleFlag(hotTrack_, hotTrack); }
  TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  // Horizontal step between levels, in pixels (0: the platform's).
  int Indent();
  void SetIndent(int indent);
  // The node at a point of the client area, or null.
  TTreeNode* GetNodeAt(int x, int y);
  // A label edit is under way.
  bool IsEditing();

  // Operations
  void FullExpand();
  void FullCollapse();

  // Events
  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVCollapsingEvent OnCollapsing;
  TTVExpandedEvent OnExpanded;
  TTVExpandedEvent OnCollapsed;
  TTVEditingEvent OnEditing;
  TTVEditedEvent OnEdited;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CanExpand(TTreeNode* node);
  virtual bool CanCollapse(TTreeNode* node);
  virtual bool CanChange(TTreeNode* node);
  virtual void Change(TTreeNode* node);

  static TPropInfo PropBorderStyle();

 private:
  friend class TTreeNode;
  friend class TTreeNodes;

  void CNNotify(TMessage& message);
  void WMDestroy(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void GetDispInfo(NMTVDISPINFOW& info);
  LRESULT ItemExpanding(const NMTREEVIEWW& info);
  void ItemExpanded(const NMTREEVIEWW& info);
  LRESULT EndLabelEdit(const NMTVDISPINFOW& info);
  void SetStyleFlag(bool& flag, bool value);
  void ApplyColors();
  void ApplyImages();
  void NodeDeleting(TTreeNode* node) noexcept;
  bool WindowLive() const noexcept { return HandleAllocated() && !windowGoing_; }
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  std::unique_ptr<TTreeNodes> items_;
  TTreeNode* selected_ = nullptr;
  TCustomImageList* images_ = nullptr;
  TCustomImageList* stateImages_ = nullptr;
  bool showLines_ = true;
  bool showButtons_ = true;
  bool showRoot_ = true;
  bool readOnly_ = false;
  bool hideSelection_ = true;
  bool rowSelect_ = false;
  bool hotTrack_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  int indent_ = 19;
  bool windowGoing_ = false;   // WM_DESTROY has come: the items are going
  bool quiet_ = false;         // filling the window: its notifications raise no events
  TTreeNode* expanding_ = nullptr;  // asked already by Expand or Collapse
  std::wstring dispText_;      // the text handed to the window last
};

class TTreeView : public TCustomTreeView {
  FW_CLASS(TTreeView, TCustomTreeView)
 public:
  explicit TTreeView(TComponent* owner) : TCustomTreeView(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};

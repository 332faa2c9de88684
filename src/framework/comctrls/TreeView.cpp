#include "framework/comctrls/TreeView.h"

#include "framework/ImageList.h"
#include "framework/comctrls/CommonControls.h"

namespace {

TTreeNode* NodeOf(const TVITEMW& item) noexcept { return reinterpret_cast<TTreeNode*>(item.lParam); }

constexpr UINT kExpandActionMask = 0x0003;  // TVE_EXPAND, TVE_COLLAPSE, TVE_TOGGLE

}  // namespace

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TTreeNodes>(*this)) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
}

TCustomTreeView::~TCustomTreeView() = default;

void TCustomTreeView::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_TREEVIEW_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_TREEVIEWW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  if (showLines_) params.Style |= TVS_HASLINES;
  if (showButtons_) params.Style |= TVS_HASBUTTONS;
  if (showRoot_) params.Style |= TVS_LINESATROOT;
  if (!readOnly_) params.Style |= TVS_EDITLABELS;
  if (!hideSelection_) params.Style |= TVS_SHOWSELALWAYS;
  if (rowSelect_) params.Style |= TVS_FULLROWSELECT;
  if (hotTrack_) params.Style |= TVS_TRACKSELECT;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  windowGoing_ = false;
  quiet_ = true;
  try {
    ApplyColors();
    ApplyImages();
    Send(TVM_SETINDENT, static_cast<WPARAM>(indent_));
    Send(WM_SETREDRAW, FALSE);  // one drawing for all the nodes
    items_->CreateItems(*items_->root_);
    if (items_->updateCount_ == 0) {
      Send(WM_SETREDRAW, TRUE);
      ::InvalidateRect(Handle(), nullptr, TRUE);
    }
    if (selected_ && selected_->item_) Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected_->item_));
  } catch (...) {
    quiet_ = false;
    throw;
  }
  quiet_ = false;
}

LRESULT TCustomTreeView::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  return HandleAllocated() ? ::SendMessageW(Handle(), msg, wParam, lParam) : 0;
}

// ---- Messages ----------------------------------------------------------------------

void TCustomTreeView::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); break;
    case WM_DESTROY: WMDestroy(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TCustomTreeView::WMDestroy(TMessage& m) {
  // The window deletes its items now; the nodes keep what they showed.
  if (!windowGoing_) {
    items_->SaveItems(*items_->root_);
    windowGoing_ = true;
  }
  DefaultHandler(m);
}

void TCustomTreeView::CNNotify(TMessage& m) {
  const auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  auto& tree = *reinterpret_cast<NMTREEVIEWW*>(m.LParam);
  m.Result = 0;
  switch (header->code) {
    case TVN_GETDISPINFOW: GetDispInfo(*reinterpret_cast<NMTVDISPINFOW*>(m.LParam)); break;
    case TVN_SELCHANGINGW:
      if (!quiet_ && !windowGoing_) m.Result = CanChange(NodeOf(tree.itemNew)) ? 0 : 1;
      break;
    case TVN_SELCHANGEDW:
      if (windowGoing_) break;
      selected_ = NodeOf(tree.itemNew);
      if (!quiet_) Change(selected_);
      break;
    case TVN_ITEMEXPANDINGW: m.Result = ItemExpanding(tree); break;
    case TVN_ITEMEXPANDEDW: ItemExpanded(tree); break;
    case TVN_BEGINLABELEDITW: {
      bool allow = !readOnly_;
      if (allow && OnEditing) OnEditing(*this, NodeOf(reinterpret_cast<NMTVDISPINFOW*>(m.LParam)->item), allow);
      m.Result = allow ? 0 : 1;
      break;
    }
    case TVN_ENDLABELEDITW: m.Result = EndLabelEdit(*reinterpret_cast<NMTVDISPINFOW*>(m.LParam)); break;
    case TVN_DELETEITEMW:
      if (TTreeNode* node = NodeOf(tree.itemOld)) node->item_ = nullptr;
      break;
    default: break;
  }
}

void TCustomTreeView::GetDispInfo(NMTVDISPINFOW& info) {
  const TTreeNode* node = NodeOf(info.item);
  if (!node) return;
  TVITEMW& item = info.item;
  if ((item.mask & TVIF_TEXT) && item.pszText && item.cchTextMax > 0)
    ::lstrcpynW(item.pszText, node->text_.c_str(), item.cchTextMax);
  if (item.mask & TVIF_IMAGE) item.iImage = node->imageIndex_;
  if (item.mask & TVIF_SELECTEDIMAGE) item.iSelectedImage = node->selectedIndex_;
  if (item.mask & TVIF_CHILDREN) item.cChildren = node->hasChildren_ ? 1 : 0;
}

LRESULT TCustomTreeView::ItemExpanding(const NMTREEVIEWW& info) {
  TTreeNode* node = NodeOf(info.itemNew);
  if (!node || node == expanding_ || quiet_ || windowGoing_) return 0;
  const UINT action = info.action & kExpandActionMask;
  if (action == TVE_EXPAND) return CanExpand(node) ? 0 : 1;
  if (action == TVE_COLLAPSE) return CanCollapse(node) ? 0 : 1;
  return 0;
}

void TCustomTreeView::ItemExpanded(const NMTREEVIEWW& info) {
  TTreeNode* node = NodeOf(info.itemNew);
  if (!node || !node->item_ || windowGoing_) return;
  const bool expanded =
      (Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node->item_), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
  const bool changed = expanded != node->expanded_;
  node->expanded_ = expanded;
  if (!changed || node == expanding_ || quiet_) return;
  if (expanded && OnExpanded) OnExpanded(*this, node);
  if (!expanded && OnCollapsed) OnCollapsed(*this, node);
}

LRESULT TCustomTreeView::EndLabelEdit(const NMTVDISPINFOW& info) {
  TTreeNode* node = NodeOf(info.item);
  if (!node || !info.item.pszText) return FALSE;  // cancelled
  std::wstring text = info.item.pszText;
  if (OnEdited) OnEdited(*this, node, text);
  node->text_.clear();  // so that SetText refreshes the item
  node->SetText(text);
  // FALSE: the item keeps asking its node for the text.
  return FALSE;
}

bool TCustomTreeView::CanExpand(TTreeNode* node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(*this, node, allow);
  return allow;
}

bool TCustomTreeView::CanCollapse(TTreeNode* node) {
  bool allow = true;
  if (OnCollapsing) OnCollapsing(*this, node, allow);
  return allow;
}

bool TCustomTreeView::CanChange(TTreeNode* node) {
  bool allow = true;
  if (OnChanging) OnChanging(*this, node, allow);
  return allow;
}

void TCustomTreeView::Change(TTreeNode* node) {
  if (OnChange) OnChange(*this, node);
}

void TCustomTreeView::NodeDeleting(TTreeNode* node) noexcept {
  auto within = [this, node](const TTreeNode* n) { return n && (n == node || n->HasAsParent(node) || node == items_->root_.get()); };
  if (within(selected_)) selected_ = nullptr;
  if (within(expanding_)) expanding_ = nullptr;
}

void TCustomTreeView::CMColorChanged(TMessage& m) {
  ApplyColors();
  TWinControl::WndProc(m);
}

void TCustomTreeView::CMFontChanged(TMessage& m) {
  TWinControl::WndProc(m);
  ApplyColors();
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove || (component != images_ && component != stateImages_)) return;
  if (component == images_) images_ = nullptr;
  if (component == stateImages_) stateImages_ = nullptr;
  if (!IsDestroying()) ApplyImages();
}

// ---- Attributes -----------------------------------------------------------------------

void TCustomTreeView::ApplyColors() {
  if (!WindowLive()) return;
  Send(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  Send(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

void TCustomTreeView::ApplyImages() {
  if (!WindowLive()) return;
  Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  Send(TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(stateImages_ ? stateImages_->Handle() : nullptr));
}

void TCustomTreeView::SetImages(TCustomImageList* images) {
  if (SetReference(*this, images_, images)) ApplyImages();
}

void TCustomTreeView::SetStateImages(TCustomImageList* images) {
  if (SetReference(*this, stateImages_, images)) ApplyImages();
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
  if (node && &node->Owner() != items_.get()) throw EInvalidOperation("The node belongs to another tree");
  if (WindowLive() && (!node || node->item_)) {
    // The window tells of the change (and may be refused by OnChanging).
    Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->item_ : nullptr));
    return;
  }
  selected_ = node;
}

void TCustomTreeView::SetStyleFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  RecreateWnd();
}

void TCustomTreeView::SetBorderStyle(TBorderStyle style) {
  style = style == bsNone ? bsNone : bsSingle;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
  Perform(CM_BORDERCHANGED);
}

int TCustomTreeView::Indent() {
  if (WindowLive()) indent_ = static_cast<int>(Send(TVM_GETINDENT));
  return indent_;
}

void TCustomTreeView::SetIndent(int indent) {
  indent_ = std::max(indent, 0);
  Send(TVM_SETINDENT, static_cast<WPARAM>(indent_));
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) {
  if (!WindowLive()) return nullptr;
  TVHITTESTINFO hit{};
  hit.pt = {x, y};
  Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return (hit.flags & TVHT_ONITEM) ? items_->FindNode(hit.hItem) : nullptr;
}

bool TCustomTreeView::IsEditing() { return WindowLive() && Send(TVM_GETEDITCONTROL) != 0; }

void TCustomTreeView::FullExpand() {
  for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNextSibling()) n->Expand(true);
}

void TCustomTreeView::FullCollapse() {
  for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNextSibling()) n->Collapse(true);
}

TPropInfo TCustomTreeView::PropBorderStyle() {
  return OrdProp<TCustomTreeView>("BorderStyle", "TBorderStyle", TTypeKind::Enumeration,
                                  &TCustomTreeView::BorderStyle, &TCustomTreeView::SetBorderStyle,
                                  kBorderStyleNames);
}

std::vector<TPropInfo> TTreeView::PublishedProperties() {
  using T = TCustomTreeView;
  return WithCommonProperties({
      PropBorderStyle(),
      PropColor(),
      PropParentColor(),
      PropFont(),
      PropParentFont(),
      PropTabStop(),
      RefProp<T>("Images", "TCustomImageList", &T::Images, &T::SetImages),
      RefProp<T>("StateImages", "TCustomImageList", &T::StateImages, &T::SetStateImages),
      BoolProp<T>("ShowLines", &T::ShowLines, &T::SetShowLines),
      BoolProp<T>("ShowButtons", &T::ShowButtons, &T::SetShowButtons),
      BoolProp<T>("ShowRoot", &T::ShowRoot, &T::SetShowRoot),
      BoolProp<T>("ReadOnly", &T::ReadOnly, &T::SetReadOnly),
      BoolProp<T>("HideSelection", &T::HideSelection, &T::SetHideSelection),
      BoolProp<T>("RowSelect", &T::RowSelect, &T::SetRowSelect),
      BoolProp<T>("HotTrack", &T::HotTrack, &T::SetHotTrack),
      OrdProp<T>("Indent", "Integer", TTypeKind::Integer, &T::Indent, &T::SetIndent),
  });
}

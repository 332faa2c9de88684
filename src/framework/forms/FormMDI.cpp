// The MDI side of TCustomForm: the MDI client of an fsMDIForm, the children
// of class fsMDIChild, their arrangement, the menus and the window menu.
#include <algorithm>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Menus.h"
#include "framework/Screen.h"

namespace {

// Window-menu entries of the children get command numbers from here on,
// far above the menu items' own.
constexpr UINT kFirstChildCommand = 0xFF00;

}  // namespace

TCustomForm& TCustomForm::MDIParentForm() {
  auto isMDIForm = [](TComponent* c) {
    auto* f = dynamic_cast<TCustomForm*>(c);
    return f && f->FormStyle() == fsMDIForm && !f->Parent() ? f : nullptr;
  };
  TCustomForm* parent = isMDIForm(Owner());
  if (!parent) parent = isMDIForm(OwningApplication().MainForm());
  for (int i = 0; !parent && i < Screen.FormCount(); ++i) parent = isMDIForm(Screen.Forms(i));
  if (!parent) throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
  parent->HandleNeeded();
  return *parent;
}

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT create{nullptr, kFirstChildCommand};
  const RECT r = ClientRect();
  clientHandle_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL,
                                    0, 0, r.right, r.bottom, Handle(), nullptr, ::GetModuleHandleW(nullptr), &create);
  if (!clientHandle_) throw EOutOfResources("Error creating the MDI client window");
  UpdateWindowMenu();
  Realign();
}

void TCustomForm::DestroyWnd() {
  HWND window = Handle();
  HWND client = ::GetParent(window);
  if (IsMDIChild() && client && ::IsWindow(client)) {
    TCustomForm* mdiForm = MDIFormOf();
    // The client takes the child out of its list and activates the next.
    ::SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    if (mdiForm) {
      if (mdiForm->menu_ && menu_) mdiForm->menu_->Unmerge(menu_);
      mdiForm->UpdateWindowMenu();
    }
  } else {
    TWinControl::DestroyWnd();
  }
  clientHandle_ = nullptr;  // destroyed with the form's window
}

void TCustomForm::DefaultHandler(TMessage& m) {
  if (HandleAllocated() && !IsFrameworkMessage(m.Msg)) {
    if (IsMDIChild()) {
      m.Result = ::DefMDIChildProcW(Handle(), m.Msg, m.WParam, m.LParam);
      return;
    }
    if (clientHandle_) {
      m.Result = ::DefFrameProcW(Handle(), clientHandle_, m.Msg, m.WParam, m.LParam);
      return;
    }
  }
  TWinControl::DefaultHandler(m);
}

void TCustomForm::AlignControls(RECT& rect) {
  TWinControl::AlignControls(rect);
  // The MDI client fills what the aligned controls leave.
  if (clientHandle_)
    ::SetWindowPos(clientHandle_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Children -------------------------------------------------------------------------

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (!clientHandle_) return nullptr;
  return Screen.FindForm(reinterpret_cast<HWND>(::SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0)));
}

int TCustomForm::MDIChildCount() const {
  int n = 0;
  while (MDIChildren(n)) ++n;
  return n;
}

TCustomForm* TCustomForm::MDIChildren(int index) const {
  if (!clientHandle_ || index < 0) return nullptr;
  for (int i = 0; i < Screen.FormCount(); ++i) {
    TCustomForm* f = Screen.Forms(i);
    if (f->IsMDIChild() && f->HandleAllocated() && ::GetParent(f->Handle()) == clientHandle_ && index-- == 0)
      return f;
  }
  return nullptr;
}

void TCustomForm::Cascade() {
  if (clientHandle_) ::SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile() {
  const WPARAM how = tileMode_ == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL;
  if (clientHandle_) ::SendMessageW(clientHandle_, WM_MDITILE, how, 0);
}

void TCustomForm::ArrangeIcons() {
  if (clientHandle_) ::SendMessageW(clientHandle_, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
  if (clientHandle_) ::SendMessageW(clientHandle_, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
  if (clientHandle_) ::SendMessageW(clientHandle_, WM_MDINEXT, 0, 1);
}

TCustomForm* TCustomForm::MDIFormOf() const noexcept {
  if (!IsMDIChild() || !HandleAllocated()) return nullptr;
  HWND client = ::GetParent(const_cast<TCustomForm*>(this)->Handle());
  TCustomForm* form = client ? Screen.FindForm(::GetParent(client)) : nullptr;
  return form && form->clientHandle_ == client ? form : nullptr;
}

void TCustomForm::WMMDIActivate(TMessage& m) {
  DefaultHandler(m);
  if (!HandleAllocated()) return;
  TCustomForm* mdiForm = MDIFormOf();
  if (reinterpret_cast<HWND>(m.LParam) == Handle()) {
    if (mdiForm) mdiForm->MergeChildMenu(this);
    Perform(CM_ACTIVATE);
    if (OnActivate) OnActivate(*this);
  } else if (reinterpret_cast<HWND>(m.WParam) == Handle()) {
    if (mdiForm && !m.LParam) mdiForm->MergeChildMenu(nullptr);  // no child is active now
    Perform(CM_DEACTIVATE);
    if (OnDeactivate) OnDeactivate(*this);
  }
  if (mdiForm) mdiForm->UpdateWindowMenu();
}

void TCustomForm::CMTextChanged(TMessage& m) {
  TWinControl::WndProc(m);
  if (TCustomForm* mdiForm = MDIFormOf()) mdiForm->UpdateWindowMenu();
}

// ---- Menus ----------------------------------------------------------------------------

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) {
    RemoveFreeNotification(menu_);
    if (menu_->Window() == this) menu_->AttachTo(nullptr);
    if (TCustomForm* mdiForm = MDIFormOf(); mdiForm && mdiForm->menu_) mdiForm->menu_->Unmerge(menu_);
  }
  menu_ = menu;
  if (menu) FreeNotification(menu);
  if (!Loading()) AttachMenu();
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  AttachMenu();
}

void TCustomForm::AttachMenu() {
  if (!menu_) return;
  if (!IsMDIChild()) {
    menu_->AttachTo(this);
    return;
  }
  TCustomForm* mdiForm = MDIFormOf();
  if (mdiForm && mdiForm->ActiveMDIChild() == this) mdiForm->MergeChildMenu(this);
}

void TCustomForm::MergeChildMenu(TCustomForm* child) {
  if (menu_) menu_->Merge(child ? child->menu_ : nullptr);
}

// ---- Window menu ----------------------------------------------------------------------

void TCustomForm::SetWindowMenu(TMenuItem* item) {
  if (item == windowMenu_) return;
  if (windowMenu_) RemoveFreeNotification(windowMenu_);
  windowMenu_ = item;
  if (item) FreeNotification(item);
  UpdateWindowMenu();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == windowMenu_) windowMenu_ = nullptr;
  if (operation == opRemove && component == menu_) menu_ = nullptr;
}

void TCustomForm::CMMenuChanged(TMessage& m) {
  m.Result = 0;
  UpdateWindowMenu();
}

void TCustomForm::UpdateWindowMenu() {
  if (!clientHandle_ || IsDestroying()) return;
  auto* menu = windowMenu_ ? dynamic_cast<TMainMenu*>(windowMenu_->GetParentMenu()) : menu_;
  if (!menu || menu->Window() != this) return;
  HMENU bar = menu->Handle();
  // The client keeps no window menu of its own (not every platform lists
  // the children there): the list is made here.
  ::SendMessageW(clientHandle_, WM_MDISETMENU, reinterpret_cast<WPARAM>(bar), 0);
  ::DrawMenuBar(Handle());
  if (!windowMenu_ || windowMenu_->Parent() != &menu->Items()) return;
  // The platform menu holds the visible items only.
  int position = 0;
  bool shown = false;
  for (TMenuItem* item : menu->ShownItems()) {
    if (item == windowMenu_) {
      shown = item->Visible();
      break;
    }
    position += item->Visible();
  }
  HMENU popup = shown ? ::GetSubMenu(bar, position) : nullptr;
  if (!popup) return;  // the window menu needs items of its own to open
  int own = 0;
  for (int i = 0; i < windowMenu_->Count(); ++i) own += windowMenu_->Items(i)->Visible();
  while (::GetMenuItemCount(popup) > own) ::DeleteMenu(popup, static_cast<UINT>(own), MF_BYPOSITION);
  const std::vector<TCustomForm*> children = ListedChildren();
  if (!children.empty() && own > 0) ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
  const TCustomForm* active = ActiveMDIChild();
  for (size_t i = 0; i < children.size(); ++i) {
    const std::wstring text = (i < 9 ? L"&" : L"") + std::to_wstring(i + 1) + L" " + children[i]->Caption();
    const UINT flags = MF_STRING | (children[i] == active ? MF_CHECKED : MF_UNCHECKED);
    ::AppendMenuW(popup, flags, kFirstChildCommand + i, text.c_str());
  }
}

std::vector<TCustomForm*> TCustomForm::ListedChildren() const {
  std::vector<TCustomForm*> children;
  for (int i = 0; TCustomForm* child = MDIChildren(i); ++i)
    if (::IsWindowVisible(child->Handle()) && !child->IsDestroying()) children.push_back(child);
  return children;
}

void TCustomForm::WMCommand(TMessage& m) {
  const UINT id = LOWORD(m.WParam);
  if (clientHandle_ && m.LParam == 0 && HIWORD(m.WParam) == 0 && id >= kFirstChildCommand) {
    const std::vector<TCustomForm*> children = ListedChildren();
    if (id - kFirstChildCommand < children.size()) {
      TCustomForm* child = children[id - kFirstChildCommand];
      if (child->WindowState() == wsMinimized) child->SetWindowState(wsNormal);
      ::SendMessageW(clientHandle_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->Handle()), 0);
      m.Result = 0;
      return;
    }
  }
  TWinControl::WndProc(m);
}

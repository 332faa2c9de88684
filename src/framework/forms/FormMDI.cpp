// The MDI side of TCustomForm: the MDI client of an fsMDIForm, the children
// of class fsMDIChild, their arrangement and the window menu.
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
    // The client takes the child out of its list and window menu.
    ::SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
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

void TCustomForm::WMMDIActivate(TMessage& m) {
  DefaultHandler(m);
  if (!HandleAllocated()) return;
  if (reinterpret_cast<HWND>(m.LParam) == Handle()) {
    Perform(CM_ACTIVATE);
    if (OnActivate) OnActivate(*this);
  } else if (reinterpret_cast<HWND>(m.WParam) == Handle()) {
    Perform(CM_DEACTIVATE);
    if (OnDeactivate) OnDeactivate(*this);
  }
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
}

void TCustomForm::CMMenuChanged(TMessage& m) {
  m.Result = 0;
  UpdateWindowMenu();
}

void TCustomForm::UpdateWindowMenu() {
  if (!clientHandle_ || !windowMenu_ || !windowMenu_->Parent()) return;
  auto* menu = dynamic_cast<TMainMenu*>(windowMenu_->GetParentMenu());
  if (!menu || menu->Window() != this || windowMenu_->Parent() != &menu->Items()) return;
  // The platform menu holds the visible items only.
  int position = 0;
  for (int i = 0; i < windowMenu_->MenuIndex(); ++i) position += menu->Items().Items(i)->Visible();
  HMENU bar = menu->Handle();
  HMENU popup = ::GetSubMenu(bar, position);
  if (!popup) return;  // the window menu needs items of its own to open
  ::SendMessageW(clientHandle_, WM_MDISETMENU, reinterpret_cast<WPARAM>(bar), reinterpret_cast<LPARAM>(popup));
  ::DrawMenuBar(Handle());
}

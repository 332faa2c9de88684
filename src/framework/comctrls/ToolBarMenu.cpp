// Tool bars as menu bars: the menus of menu buttons, run one after the
// other as the user moves along the bar.
#include <algorithm>
#include <utility>
#include <vector>

#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/comctrls/ToolBar.h"

namespace {

// The bar whose menu is open (GUI thread; one menu at a time).
TToolBar* g_trackingBar = nullptr;

// A message-filter hook for this thread, removed when it goes.
class UniqueMessageFilter {
 public:
  explicit UniqueMessageFilter(HOOKPROC proc) noexcept
      : hook_(::SetWindowsHookExW(WH_MSGFILTER, proc, nullptr, ::GetCurrentThreadId())) {}
  ~UniqueMessageFilter() {
    if (hook_) ::UnhookWindowsHookEx(hook_);
  }
  UniqueMessageFilter(const UniqueMessageFilter&) = delete;
  UniqueMessageFilter& operator=(const UniqueMessageFilter&) = delete;

 private:
  HHOOK hook_;
};

// Lends the sub-items of one item to another (a pop-up menu's root) and
// gives back those still there when it goes.
class TLentItems {
 public:
  TLentItems(TMenuItem& from, TMenuItem& to) : from_(from), to_(to) {
    std::vector<TMenuItem*> items;
    for (int i = 0; i < from.Count(); ++i) items.push_back(from.Items(i));
    for (TMenuItem* item : items) {
      from.Remove(item);
      to.Add(item);
    }
  }
  ~TLentItems() {
    while (to_.Count() > 0) {
      TMenuItem* item = to_.Items(0);
      to_.Remove(item);
      from_.Add(item);
    }
  }
  TLentItems(const TLentItems&) = delete;
  TLentItems& operator=(const TLentItems&) = delete;

 private:
  TMenuItem& from_;
  TMenuItem& to_;
};

// A component of the bar's freed at the end of the scope.
struct TFreeOnExit {
  TComponent* component;
  ~TFreeOnExit() {
    if (component) component->Free();
  }
};

}  // namespace

bool TToolBar::HasMenu(const TToolButton& button) const noexcept {
  return button.dropdownMenu_ || (button.menuItem_ && button.menuItem_->Count() > 0);
}

bool TToolBar::CheckMenuDropdown(TToolButton* button) {
  if (!button || !HasMenu(*button)) return false;
  return TrackMenu(button);
}

bool TToolBar::TrackMenu(TToolButton* button) {
  if (!button || button->ToolBar() != this || !HandleAllocated() || g_trackingBar) return false;
  bool shown = false;
  UINT command = 0;
  for (TToolButton* next = button; next && HasMenu(*next) && next->Enabled() && next->Visible();) {
    shown = true;
    next = RunMenu(*next, command);
  }
  // The picked item runs once every menu is closed and its items are home.
  if (command)
    if (TMenuItem* item = TMenuItem::FromCommand(command)) item->Click();
  return shown;
}

TToolButton* TToolBar::RunMenu(TToolButton& button, UINT& command) {
  menuButton_ = &button;
  switchTo_ = nullptr;
  const int id = button.command_;
  Send(TB_PRESSBUTTON, static_cast<WPARAM>(id), TRUE);
  ::UpdateWindow(Handle());

  // A menu item's sub-items go into a pop-up menu of the bar's while shown.
  TPopupMenu* menu = button.dropdownMenu_;
  TFreeOnExit temporary{nullptr};
  std::unique_ptr<TLentItems> lent;
  if (!menu) {
    menu = Create<TPopupMenu>();
    temporary.component = menu;
    TMenuItem& item = *button.menuItem_;
    TCustomImageList* images = item.SubMenuImages();
    if (!images)
      if (TMenu* parentMenu = item.GetParentMenu()) images = parentMenu->Images();
    menu->SetImages(images);
    if (TMenu* parentMenu = item.GetParentMenu()) menu->SetBiDiMode(parentMenu->BiDiMode());
    lent = std::make_unique<TLentItems>(item, menu->Items());
  }
  menu->SetPopupComponent(&button);
  if (menu->OnPopup) menu->OnPopup(*menu);

  RECT r = button.BoundsRect();
  ::MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
  TPMPARAMS exclude{sizeof(exclude), r};
  const bool rtl = menu->IsRightToLeft();
  const UINT flags = TPM_TOPALIGN | TPM_VERTICAL | TPM_RETURNCMD | TPM_LEFTBUTTON |
                     (rtl ? TPM_RIGHTALIGN | TPM_LAYOUTRTL : TPM_LEFTALIGN);
  trackedMenu_ = menu->Handle();
  selectedIn_ = trackedMenu_;
  selectedOpens_ = false;
  {
    UniqueMessageFilter filter(&TToolBar::MenuFilter);
    g_trackingBar = this;
    const UINT picked = static_cast<UINT>(
        ::TrackPopupMenuEx(trackedMenu_, flags, rtl ? r.right : r.left, r.bottom, Handle(), &exclude));
    g_trackingBar = nullptr;
    if (picked) command = picked;
  }
  trackedMenu_ = nullptr;
  lent.reset();
  if (FindButton(id)) Send(TB_PRESSBUTTON, static_cast<WPARAM>(id), FALSE);
  menuButton_ = nullptr;
  return command ? nullptr : std::exchange(switchTo_, nullptr);
}

TToolButton* TToolBar::NeighbourMenuButton(int step) const noexcept {
  const auto count = static_cast<int>(buttons_.size());
  const auto it = std::find(buttons_.begin(), buttons_.end(), menuButton_);
  if (it == buttons_.end()) return nullptr;
  const int start = static_cast<int>(it - buttons_.begin());
  for (int i = 1; i < count; ++i) {
    TToolButton* b = buttons_[static_cast<size_t>(((start + step * i) % count + count) % count)];
    if (HasMenu(*b) && b->Enabled() && b->Visible()) return b;
  }
  return nullptr;
}

void TToolBar::WMMenuSelect(TMessage& m) {
  selectedIn_ = reinterpret_cast<HMENU>(m.LParam);
  selectedOpens_ = (HIWORD(m.WParam) & MF_POPUP) != 0;
  DefaultHandler(m);
}

LRESULT CALLBACK TToolBar::MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_MENU && g_trackingBar && g_trackingBar->FilterMenuMessage(*reinterpret_cast<MSG*>(lParam)))
    return 1;
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Moves on to another menu button's menu; true when the message is used.
bool TToolBar::FilterMenuMessage(const MSG& msg) {
  TToolButton* target = nullptr;
  switch (msg.message) {
    case WM_KEYDOWN:
      // Left leaves a sub-menu first; Right opens the selected item's own.
      if (msg.wParam == VK_LEFT && selectedIn_ == trackedMenu_) target = NeighbourMenuButton(-1);
      if (msg.wParam == VK_RIGHT && !selectedOpens_) target = NeighbourMenuButton(1);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: {
      POINT p = msg.pt;
      ::ScreenToClient(Handle(), &p);
      TToolButton* under = ButtonAt(p);
      if (under == menuButton_ && msg.message == WM_LBUTTONDOWN) {
        ::EndMenu();  // a click on the open title closes its menu
        return true;
      }
      if (under && under != menuButton_ && HasMenu(*under) && under->Enabled()) target = under;
      break;
    }
    default:
      break;
  }
  if (!target || target == menuButton_) return false;
  switchTo_ = target;
  ::EndMenu();
  return true;
}

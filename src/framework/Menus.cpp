#include "framework/Menus.h"

#include <algorithm>
#include <unordered_map>

#include "framework/ImageList.h"
#include "framework/WinControl.h"
#include "graphics/GdiObjects.h"

namespace {

// Live items by command number.
std::unordered_map<UINT, TMenuItem*>& Commands() {
  static std::unordered_map<UINT, TMenuItem*> commands;
  return commands;
}

constexpr UINT kFirstCommand = 100;
constexpr UINT kLastCommand = 0xEFFF;  // commands travel in WM_COMMAND's low word

UINT NewCommand(TMenuItem* item) {
  static UINT next = kFirstCommand;
  auto& commands = Commands();
  if (commands.size() >= kLastCommand - kFirstCommand) throw EOutOfResources("Too many menu items");
  while (commands.count(next)) next = next >= kLastCommand ? kFirstCommand : next + 1;
  const UINT command = next;
  next = next >= kLastCommand ? kFirstCommand : next + 1;
  commands[command] = item;
  return command;
}

void ForgetCommand(UINT command, const TMenuItem* item) noexcept {
  auto& commands = Commands();
  const auto it = commands.find(command);
  if (it != commands.end() && it->second == item) commands.erase(it);
}

std::wstring KeyName(WORD key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
  switch (key) {
    case VK_BACK: return L"BkSp";
    case VK_TAB: return L"Tab";
    case VK_RETURN: return L"Enter";
    case VK_ESCAPE: return L"Esc";
    case VK_SPACE: return L"Space";
    case VK_PRIOR: return L"PgUp";
    case VK_NEXT: return L"PgDn";
    case VK_END: return L"End";
    case VK_HOME: return L"Home";
    case VK_LEFT: return L"Left";
    case VK_UP: return L"Up";
    case VK_RIGHT: return L"Right";
    case VK_DOWN: return L"Down";
    case VK_INSERT: return L"Ins";
    case VK_DELETE: return L"Del";
    default: return {};
  }
}

// The menu font of the non-client metrics.
void UseMenuFont(TCanvas& canvas) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    canvas.Font().AssignLogFont(metrics.lfMenuFont);
  canvas.Font().SetColor(clMenuText);
}

// The hidden window that owns pop-up menus while they are shown and passes
// their owner-draw messages to the items.
class TPopupHost {
 public:
  static HWND Handle() {
    static TPopupHost host;
    return host.window_;
  }

 private:
  TPopupHost() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TPopupMenuHost";
    ::RegisterClassExW(&wc);
    window_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                wc.hInstance, nullptr);
    if (!window_) throw EOutOfResources("Could not create the pop-up menu window");
  }
  ~TPopupHost() {
    if (window_) ::DestroyWindow(window_);
  }

  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    if (DispatchMenuMessage(message)) return message.Result;
    return ::DefWindowProcW(window, msg, wParam, lParam);
  }

  HWND window_ = nullptr;
};

// The picture call-back of an item that is not owner-drawn: the size and the
// drawing of its image. False for owner-drawn items.
TCustomImageList* CallbackImages(const TMenuItem& item) {
  TMenu* menu = item.GetParentMenu();
  if (!menu || menu->IsOwnerDrawn(item)) return nullptr;
  return menu->ImagesOf(item);
}

bool MeasureImage(const TMenuItem& item, MEASUREITEMSTRUCT& measure) {
  TCustomImageList* images = CallbackImages(item);
  if (!images) return false;
  measure.itemWidth = static_cast<UINT>(images->Width());
  measure.itemHeight = static_cast<UINT>(images->Height());
  return true;
}

bool DrawImage(TMenuItem& item, TCanvas& canvas, const DRAWITEMSTRUCT& draw) {
  TCustomImageList* images = CallbackImages(item);
  if (!images) return false;
  const RECT& r = draw.rcItem;
  const int x = r.left + (r.right - r.left - images->Width()) / 2;
  const int y = r.top + (r.bottom - r.top - images->Height()) / 2;
  images->Draw(canvas, x, y, item.ImageIndex(), item.Enabled() && !(draw.itemState & ODS_GRAYED));
  return true;
}

}  // namespace

std::wstring ShortCutToText(TShortCut shortCut) {
  const std::wstring key = KeyName(shortCut & 0xFF);
  if (key.empty()) return {};
  std::wstring text;
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scAlt) text += L"Alt+";
  return text + key;
}

// TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NewCommand(this)) {}

TMenuItem::~TMenuItem() { ForgetCommand(command_, this); }

void TMenuItem::BeforeDestruction() {
  // Owned sub-items go first (and unlink themselves); linked ones are let go.
  TComponent::BeforeDestruction();
  for (TMenuItem* item : items_) item->parent_ = nullptr;
  items_.clear();
  if (parent_) parent_->Remove(this);
  ForgetCommand(command_, this);
}

std::vector<TPropInfo> TMenuItem::PublishedProperties() {
  return {
      StrProp<TMenuItem>("Caption", "WideString", TTypeKind::WString, &TMenuItem::Caption, &TMenuItem::SetCaption),
      BoolProp<TMenuItem>("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
      BoolProp<TMenuItem>("Default", &TMenuItem::Default, &TMenuItem::SetDefault),
      BoolProp<TMenuItem>("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
      OrdProp<TMenuItem>("GroupIndex", "Byte", TTypeKind::Integer, &TMenuItem::GroupIndex,
                         &TMenuItem::SetGroupIndex),
      OrdProp<TMenuItem>("ImageIndex", "TImageIndex", TTypeKind::Integer, &TMenuItem::ImageIndex,
                         &TMenuItem::SetImageIndex),
      OrdProp<TMenuItem>("ShortCut", "TShortCut", TTypeKind::Integer, &TMenuItem::ShortCutKey,
                         &TMenuItem::SetShortCut),
      BoolProp<TMenuItem>("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem),
      BoolProp<TMenuItem>("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
  };
}

void TMenuItem::SetCaption(std::wstring_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  MenuChanged();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  MenuChanged();
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  MenuChanged();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked && radioItem_ && parent_) {
    for (TMenuItem* item : parent_->items_)
      if (item != this && item->radioItem_ && item->groupIndex_ == groupIndex_) item->checked_ = false;
  }
  MenuChanged();
}

void TMenuItem::SetGroupIndex(BYTE index) {
  if (index == groupIndex_) return;
  groupIndex_ = index;
  MenuChanged();
}

void TMenuItem::SetRadioItem(bool radio) {
  if (radio == radioItem_) return;
  radioItem_ = radio;
  MenuChanged();
}

void TMenuItem::SetDefault(bool isDefault) {
  if (isDefault == default_) return;
  default_ = isDefault;
  MenuChanged();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  MenuChanged();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  MenuChanged();
}

void TMenuItem::SetSubMenuImages(TCustomImageList* images) {
  if (images == subMenuImages_) return;
  if (subMenuImages_) RemoveFreeNotification(subMenuImages_);
  subMenuImages_ = images;
  if (images) FreeNotification(images);
  MenuChanged();
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == subMenuImages_) subMenuImages_ = nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* item) const noexcept {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const noexcept {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

TMenuItem* TMenuItem::Find(UINT command) noexcept {
  if (command_ == command) return this;
  for (TMenuItem* item : items_)
    if (TMenuItem* found = item->Find(command)) return found;
  return nullptr;
}

TMenuItem* TMenuItem::FromCommand(UINT command) noexcept {
  const auto& commands = Commands();
  const auto it = commands.find(command);
  return it == commands.end() ? nullptr : it->second;
}

TMenuItem* TMenuItem::AddItem(std::wstring_view caption) {
  TMenuItem* item = Create<TMenuItem>();
  item->caption_ = caption;
  Add(item);
  return item;
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->parent_) throw EInvalidOperation("Menu item is already in a menu");
  for (const TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw EInvalidOperation("A menu item cannot hold itself");
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  MenuChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  MenuChanged();
}

void TMenuItem::Clear() {
  while (!items_.empty()) {
    TMenuItem* item = items_.back();
    if (item->Owner() == this)
      item->Free();  // unlinks itself
    else
      Remove(item);
  }
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(*this);
}

void TMenuItem::MenuChanged() {
  if (IsDestroying()) return;
  if (TMenu* menu = GetParentMenu()) menu->Changed();
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  if (IsLine()) {
    height = 5;
    width = 0;
  } else {
    const SIZE text = canvas.TextExtent(caption_ + L"  " + ShortCutToText(shortCut_));
    width = text.cx + 30;
    height = std::max<int>(text.cy + 4, ::GetSystemMetrics(SM_CYMENU));
  }
  if (OnMeasureItem) OnMeasureItem(*this, canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
  if (OnDrawItem)
    OnDrawItem(*this, canvas, rect, state);
  else
    DrawPlain(canvas, rect, state);
}

void TMenuItem::DrawPlain(TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
  const bool selected = (state & odSelected) != 0;
  canvas.Brush().SetColor(selected ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (IsLine()) {
    RECT line{rect.left + 2, (rect.top + rect.bottom) / 2, rect.right - 2, (rect.top + rect.bottom) / 2 + 1};
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FillRect(line);
    return;
  }
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
  RECT text{rect.left + 20, rect.top, rect.right - 8, rect.bottom};
  canvas.TextRect(text, caption_, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (shortCut_) canvas.TextRect(text, ShortCutToText(shortCut_), DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

// TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner) {
  items_ = Create<TMenuItem>();
  items_->menu_ = this;
}

TMenu::~TMenu() { DestroyMenuHandle(); }

std::vector<TPropInfo> TMenu::PublishedProperties() {
  return {
      OrdProp<TMenu>("BiDiMode", "TBiDiMode", TTypeKind::Enumeration, &TMenu::BiDiMode, &TMenu::SetBiDiMode,
                     kBiDiModeNames),
      BoolProp<TMenu>("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw),
  };
}

void TMenu::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images) FreeNotification(images);
  Changed();
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
  if (ownerDraw == ownerDraw_) return;
  ownerDraw_ = ownerDraw;
  Changed();
}

void TMenu::SetBiDiMode(TBiDiMode mode) {
  if (mode == biDiMode_) return;
  biDiMode_ = mode;
  Changed();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TMenu::Changed() { dirty_ = true; }

TCustomImageList* TMenu::ImagesOf(const TMenuItem& item) const noexcept {
  if (item.ImageIndex() < 0) return nullptr;
  TCustomImageList* images = item.Parent() ? item.Parent()->SubMenuImages() : nullptr;
  if (!images) images = images_;
  return images && item.ImageIndex() < images->Count() ? images : nullptr;
}

std::vector<TMenuItem*> TMenu::ShownItems() { return items_->items_; }

HMENU TMenu::Handle() {
  if (handle_ && !dirty_) return handle_;
  HMENU menu = CreateMenuHandle();
  if (!menu) throw EOutOfResources("Could not create a menu");
  Build(menu, ShownItems());
  HMENU old = std::exchange(handle_, menu);
  dirty_ = false;
  HandleRebuilt(menu);
  if (old) ::DestroyMenu(old);
  return handle_;
}

void TMenu::DestroyMenuHandle() noexcept {
  if (HMENU menu = std::exchange(handle_, nullptr)) ::DestroyMenu(menu);
  dirty_ = true;
}

void TMenu::Build(HMENU menu, const std::vector<TMenuItem*>& items) {
  UINT position = 0;
  for (TMenuItem* item : items) {
    if (!item->Visible()) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    info.wID = item->Command();
    info.dwItemData = item->Command();
    std::wstring text;
    if (IsOwnerDrawn(*item)) {
      info.fType = MFT_OWNERDRAW;
    } else if (item->IsLine()) {
      info.fType = MFT_SEPARATOR;
    } else {
      info.fType = MFT_STRING;
      text = item->Caption();
      if (item->ShortCutKey()) text += L"\t" + ShortCutToText(item->ShortCutKey());
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
      if (ImagesOf(*item)) {
        // The platform asks for the picture with WM_MEASUREITEM/WM_DRAWITEM.
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = HBMMENU_CALLBACK;
      }
    }
    if (item->RadioItem()) info.fType |= MFT_RADIOCHECK;
    if (IsRightToLeft()) info.fType |= MFT_RIGHTORDER;
    info.fState = (item->Enabled() ? 0 : MFS_DISABLED) | (item->Checked() ? MFS_CHECKED : 0) |
                  (item->Default() ? MFS_DEFAULT : 0);
    if (item->Count() > 0) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = ::CreatePopupMenu();
      // Pictures share the check marks' column, as the platform's own
      // menus show them.
      MENUINFO style{sizeof(style), MIM_STYLE, MNS_CHECKORBMP, 0, nullptr, 0, 0};
      ::SetMenuInfo(info.hSubMenu, &style);
      Build(info.hSubMenu, item->items_);
    }
    ::InsertMenuItemW(menu, position++, TRUE, &info);
  }
}

// TMainMenu

TMainMenu::~TMainMenu() { Detach(); }

void TMainMenu::BeforeDestruction() {
  Detach();
  TMenu::BeforeDestruction();
}

HMENU TMainMenu::CreateMenuHandle() { return ::CreateMenu(); }

void TMainMenu::AttachTo(TWinControl* window) {
  if (window == window_) return;
  Detach();
  if (!window) return;
  window_ = window;
  FreeNotification(window);
  hook_.Attach(*window, TWndMethod::Bind<&TMainMenu::HookProc>(this));
  ::SetMenu(window->Handle(), Handle());
  window->Perform(CM_MENUCHANGED);
}

void TMainMenu::Detach() noexcept {
  if (!window_) return;
  TWinControl* window = std::exchange(window_, nullptr);
  hook_.Detach();
  if (window->HandleAllocated()) ::SetMenu(window->Handle(), nullptr);
  RemoveFreeNotification(window);
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == window_) {
    // The window is going: its procedure and menu go with it.
    window_ = nullptr;
    hook_.Detach();
  }
  if (component == mergedInto_) mergedInto_ = nullptr;
  if (component == merged_) {
    merged_ = nullptr;
    Changed();
  }
}

void TMainMenu::Changed() {
  TMenu::Changed();
  if (IsDestroying()) return;
  if (mergedInto_) mergedInto_->Changed();
  if (window_ && window_->HandleAllocated()) Handle();
}

void TMainMenu::Merge(TMainMenu* menu) {
  if (menu == merged_ || menu == this) return;
  if (TMainMenu* old = std::exchange(merged_, nullptr)) {
    old->mergedInto_ = nullptr;
    RemoveFreeNotification(old);
  }
  if (menu) {
    if (menu->mergedInto_) menu->mergedInto_->Unmerge(menu);
    merged_ = menu;
    menu->mergedInto_ = this;
    FreeNotification(menu);
    menu->FreeNotification(this);
  }
  Changed();
}

void TMainMenu::Unmerge(TMainMenu* menu) {
  if (menu && menu == merged_) Merge(nullptr);
}

std::vector<TMenuItem*> MergedTopLevelItems(TMenuItem& own, TMenuItem* merged) {
  std::vector<TMenuItem*> shown;
  auto replaced = [merged](const TMenuItem* item) {
    for (int i = 0; i < merged->Count(); ++i)
      if (merged->Items(i)->GroupIndex() == item->GroupIndex()) return true;
    return false;
  };
  for (int i = 0; i < own.Count(); ++i)
    if (!merged || !replaced(own.Items(i))) shown.push_back(own.Items(i));
  if (!merged) return shown;
  // Each merged item goes before the first item of a higher group.
  for (int i = 0; i < merged->Count(); ++i) {
    TMenuItem* item = merged->Items(i);
    const auto at = std::find_if(shown.begin(), shown.end(),
                                 [item](const TMenuItem* s) { return s->GroupIndex() > item->GroupIndex(); });
    shown.insert(at, item);
  }
  return shown;
}

std::vector<TMenuItem*> TMainMenu::ShownItems() {
  return MergedTopLevelItems(Items(), merged_ ? &merged_->Items() : nullptr);
}

void TMainMenu::HandleRebuilt(HMENU menu) {
  if (!window_ || !window_->HandleAllocated()) return;
  ::SetMenu(window_->Handle(), menu);
  ::DrawMenuBar(window_->Handle());
  window_->Perform(CM_MENUCHANGED);  // an MDI form hands the new menu to its client
}

void TMainMenu::HookProc(TMessage& message) {
  if (DispatchMenuMessage(message)) return;
  if (message.Msg == WM_NCCREATE || message.Msg == WM_CREATE) {
    hook_.CallNext(message);
    if (message.Msg == WM_CREATE && window_) ::SetMenu(window_->Handle(), Handle());
    return;
  }
  hook_.CallNext(message);
}

// TPopupMenu

HMENU TPopupMenu::CreateMenuHandle() { return ::CreatePopupMenu(); }

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(*this);
  HMENU menu = Handle();
  HWND host = TPopupHost::Handle();
  const UINT align = IsRightToLeft() ? (TPM_RIGHTALIGN | TPM_LAYOUTRTL) : TPM_LEFTALIGN;
  const UINT command = static_cast<UINT>(::TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | align, x, y, host, nullptr));
  ::PostMessageW(host, WM_NULL, 0, 0);
  if (command == 0) return;
  if (TMenuItem* item = Items().Find(command)) item->Click();
}

// Dispatching

bool DispatchMenuMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (!measure || measure->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FromCommand(static_cast<UINT>(measure->itemData));
      if (!item) return false;
      if (MeasureImage(*item, *measure)) {
        message.Result = TRUE;
        return true;
      }
      UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
      TCanvas canvas(screen.get());
      UseMenuFont(canvas);
      int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
      item->MeasureItem(canvas, width, height);
      canvas.SetHandle(nullptr);
      measure->itemWidth = static_cast<UINT>(std::max(width, 0));
      measure->itemHeight = static_cast<UINT>(std::max(height, 0));
      message.Result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (!draw || draw->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FromCommand(static_cast<UINT>(draw->itemData));
      if (!item) return false;
      SavedDC saved(draw->hDC);
      TCanvas canvas(draw->hDC);
      UseMenuFont(canvas);
      if (!DrawImage(*item, canvas, *draw)) item->DrawItem(canvas, draw->rcItem, draw->itemState);
      canvas.SetHandle(nullptr);
      message.Result = TRUE;
      return true;
    }
    case WM_COMMAND: {
      if (HIWORD(message.WParam) != 0 || message.LParam != 0) return false;
      TMenuItem* item = TMenuItem::FromCommand(LOWORD(message.WParam));
      if (!item) return false;
      item->Click();
      message.Result = 0;
      return true;
    }
    default:
      return false;
  }
}

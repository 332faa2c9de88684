// TqelSkinEngine: the system menu a skinned caption shows.
#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindow.h"

namespace {
// Positions of the three command items; item 2 is the separator.
constexpr int kMinimizeItem = 0;
constexpr int kMaximizeItem = 1;
constexpr int kCloseItem = 3;
constexpr int kItemOfSlot[3] = {kMinimizeItem, kMaximizeItem, kCloseItem};
}  // namespace

void TqelSkinEngine::BuildSystemMenu() {
  systemMenu_ = MakeComponent<TPopupMenu>();
  systemMenu_->SetAutoHotkeys(maManual);
  TMenuItem& items = systemMenu_->Items();
  items.AddItem(resSysMenu_[0])->OnClick = EventOf(this, &TqelSkinEngine::SysMenuMinimizeClick);
  items.AddItem(resSysMenu_[1])->OnClick = EventOf(this, &TqelSkinEngine::SysMenuMaximizeClick);
  items.AddItem(L"-");
  items.AddItem(resSysMenu_[2])->OnClick = EventOf(this, &TqelSkinEngine::SysMenuCloseClick);
  systemMenu_->OnPopup = EventOf(this, &TqelSkinEngine::SystemMenuPopup);
  SkinMenu(*systemMenu_);
}

void TqelSkinEngine::SetSysMenuText(int slot, std::wstring_view text) {
  resSysMenu_[static_cast<size_t>(slot)] = text;
  systemMenu_->Items().Items(kItemOfSlot[slot])->SetCaption(text);
}

// The items offer what the window's own title buttons offer.
void TqelSkinEngine::SystemMenuPopup(TObject&) {
  if (!systemMenuWindow_) return;
  TMenuItem& items = systemMenu_->Items();
  items.Items(kMinimizeItem)->SetEnabled(systemMenuWindow_->CanMinimize());
  items.Items(kMaximizeItem)->SetEnabled(systemMenuWindow_->CanMaximize());
  items.Items(kCloseItem)->SetEnabled(systemMenuWindow_->CanClose());
}

void TqelSkinEngine::SysMenuMinimizeClick(TObject&) {
  if (systemMenuWindow_) systemMenuWindow_->Minimize();
}

void TqelSkinEngine::SysMenuMaximizeClick(TObject&) {
  if (systemMenuWindow_) systemMenuWindow_->MaximizeOrRestore();
}

void TqelSkinEngine::SysMenuCloseClick(TObject&) {
  if (systemMenuWindow_) systemMenuWindow_->Close();
}

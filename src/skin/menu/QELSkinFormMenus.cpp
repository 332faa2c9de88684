#include "menu/QELSkinFormMenus.h"

#include <algorithm>

#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Application.h"
#include "framework/ApplicationEvents.h"
#include "framework/Form.h"
#include "menu/QELSkinMdiClient.h"
#include "menu/QELSkinMenuBar.h"
#include "menu/QELSkinMenuBarControlButton.h"
#include "menu/QELSkinMenuMerge.h"

namespace {

constexpr int kMdiButtonSize = 18;
constexpr LPARAM kAltBit = LPARAM{1} << 29;

// The form's main menu: its Menu (an MDI child's is never on its own
// window: the framework merges it into its MDI form's), else the one shown
// on its window.
TMainMenu* FindMainMenu(TCustomForm& form) {
  if (TMainMenu* menu = form.Menu()) return menu;
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMainMenu*>(form.Components(i)); menu && menu->Window() == &form) return menu;
  return nullptr;
}

TMenuItem* FindShortCut(TMenuItem& parent, TShortCut shortCut) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Visible()) continue;
    if (item->ShortCutKey() == shortCut && item->Enabled()) return item;
    if (item->Enabled())
      if (TMenuItem* found = FindShortCut(*item, shortCut)) return found;
  }
  return nullptr;
}

}  // namespace

TqelSkinFormMenus::TqelSkinFormMenus(TComponent* owner, TqelSkinWindowVCL& frame)
    : TComponent(owner), frame_(frame) {
  TCustomForm& form = frame.Form();
  bar_ = MakeComponent<TqelSkinMenuBar>();
  bar_->SetParent(&form);
  if (form.FormStyle() == fsMDIForm) {
    MakeMdiButtons();
    if (form.HandleAllocated() && form.ClientHandle())
      client_ = std::make_unique<TqelSkinMdiClient>(*this, form.ClientHandle());
  }
  if (form.FormStyle() != fsMDIChild) {
    events_ = MakeComponent<TApplicationEvents>();
    events_->OnMessage = [this](MSG& msg, bool& handled) { ApplicationMessage(msg, handled); };
    events_->OnIdle = [this](TObject&, bool&) { Refresh(); };
  }
  mainMenu_ = FindMainMenu(form);
  if (mainMenu_) FreeNotification(mainMenu_);
}

TqelSkinFormMenus::~TqelSkinFormMenus() = default;

void TqelSkinFormMenus::BeforeDestruction() {
  events_.reset();
  client_.reset();
  FreeWindowItems();
  for (auto& button : mdiButtons_) button.reset();
  bar_.reset();
  TComponent::BeforeDestruction();
}

TCustomForm& TqelSkinFormMenus::Form() const noexcept { return frame_.Form(); }
TqelSkinEngine& TqelSkinFormMenus::Engine() const noexcept { return frame_.Engine(); }

int TqelSkinFormMenus::MenuBarHeight() const { return bar_ && bar_->Visible() ? bar_->Height() : 0; }

bool TqelSkinFormMenus::OwnsControl(const TControl* control) const noexcept {
  if (control == bar_.get()) return true;
  return std::any_of(mdiButtons_.begin(), mdiButtons_.end(),
                     [control](const auto& b) { return b && b.get() == control; });
}

TqelSkinMenuBarControlButton* TqelSkinFormMenus::MdiButton(int index) const noexcept {
  return index >= 1 && index <= 3 ? mdiButtons_[static_cast<size_t>(index - 1)].get() : nullptr;
}

void TqelSkinFormMenus::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  const bool shown = component == mainMenu_ || component == childMenu_;
  if (component == mainMenu_) mainMenu_ = nullptr;
  if (component == childMenu_) childMenu_ = nullptr;
  if (auto it = std::find(windowItems_.begin(), windowItems_.end(), component); it != windowItems_.end())
    windowItems_.erase(it);
  if (shown && !IsDestroying()) Rebuild();
}

// ---- The skin comes and goes -----------------------------------------------------

void TqelSkinFormMenus::Apply() {
  TCustomForm& form = Form();
  applied_ = true;
  if (!mainMenu_ && (mainMenu_ = FindMainMenu(form))) FreeNotification(mainMenu_);
  if (mainMenu_ && mainMenu_->Window() == &form) {
    mainMenu_->AttachTo(nullptr);
    menuTakenOff_ = true;
  }
  if (mainMenu_ && Engine().IsTagSkinned(mainMenu_->Tag()) && !menuSkinned_) {
    Engine().SkinMenu(*mainMenu_);
    menuSkinned_ = true;
  }
  const TqelSkinValues& v = Engine().Values();
  TqelMenuBarLook look;
  look.Background = Engine().SkinReader().GetBitmap(SKIN2_MENUBAR);
  MenuBarColors(look.Background, v.MenuColor(SKIN2_MENUBARSTARTCOLOR), v.MenuColor(SKIN2_MENUBARENDCOLOR),
                look.StartColor, look.EndColor);
  if (look.StartColor == -1) look.StartColor = look.EndColor = v.FormColor;
  look.Selected = v.MenuColor(SKIN2_TOPSELECTEDMENUCOLOR);
  look.SelectedBorder = v.MenuColor(SKIN2_TOPSELECTEDMENUBORDERCOLOR);
  look.SelectedFont = v.MenuColor(SKIN2_TOPSELECTEDMENUFONTCOLOR);
  look.Font = v.MenuColor(SKIN2_TOPMENUFONTCOLOR);
  look.DisabledFont = v.DisabledMenuFontColor;
  bar_->SetLook(look);
  // Above every other top-aligned control: aligned first, at the top.
  bar_->SendToBack();
  bar_->SetTop(-100);
  Rebuild();
  if (form.FormStyle() == fsMDIForm) PlaceMdiButtons();
}

void TqelSkinFormMenus::Remove() {
  applied_ = false;
  bar_->LeaveKeyboardMode();
  bar_->SetVisible(false);
  HideMdiButtons();
  FreeWindowItems();
  if (mainMenu_ && menuSkinned_) Engine().UnskinMenu(*mainMenu_);
  menuSkinned_ = false;
  if (mainMenu_ && menuTakenOff_) mainMenu_->AttachTo(&Form());
  menuTakenOff_ = false;
}

void TqelSkinFormMenus::Rebuild() {
  if (!bar_) return;
  const bool mdiForm = Form().FormStyle() == fsMDIForm;
  const std::vector<TMenuItem*> items = MergedMenuItems(mainMenu_, mdiForm ? childMenu_ : nullptr);
  bar_->Rebuild(items, mainMenu_ ? mainMenu_->Images() : nullptr);
  // An MDI child's items show in its main form's bar.
  bar_->SetVisible(applied_ && !items.empty() && Form().FormStyle() != fsMDIChild);
}

void TqelSkinFormMenus::Refresh() {
  if (!applied_ || !bar_ || Form().FormStyle() == fsMDIChild) return;
  const bool mdiForm = Form().FormStyle() == fsMDIForm;
  if (!bar_->Shows(MergedMenuItems(mainMenu_, mdiForm ? childMenu_ : nullptr))) Rebuild();
}

// ---- Shortcuts and the bar's keys ------------------------------------------------

bool TqelSkinFormMenus::FormIsActive() const {
  TCustomForm& form = Form();
  if (!form.HandleAllocated()) return false;
  switch (::SendMessageW(form.Handle(), QM_ISACTIVE, 0, 0)) {
    case 1: return true;
    case 2: return false;
    default: return form.Active();
  }
}

void TqelSkinFormMenus::ApplicationMessage(MSG& msg, bool& handled) {
  if (handled || !applied_ || !msg.hwnd || !Form().HandleAllocated()) return;
  // Only the keys and clicks of this form's windows.
  if (::GetAncestor(msg.hwnd, GA_ROOT) != Form().Handle()) return;
  if (bar_->FilterMessage(msg)) {
    handled = true;
    return;
  }
  if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && FormIsActive() && RunShortCut(msg))
    handled = true;
}

bool TqelSkinFormMenus::RunShortCut(const MSG& msg) {
  TShiftState shift = ShiftStateFromKeyboard();
  if (msg.message == WM_SYSKEYDOWN && (msg.lParam & kAltBit)) shift |= ssAlt;
  const TShortCut shortCut = ShortCut(static_cast<WORD>(msg.wParam), shift);
  // The active child's menu first, then the form's own.
  for (TMainMenu* menu : {Form().FormStyle() == fsMDIForm ? childMenu_ : nullptr, mainMenu_}) {
    if (!menu) continue;
    if (TMenuItem* item = FindShortCut(menu->Items(), shortCut)) {
      item->Click();
      return true;
    }
  }
  return false;
}

// ---- MDI -------------------------------------------------------------------------

void TqelSkinFormMenus::ChildMenuChanged(HWND child) {
  // The menu is asked of the child's own frame: a posted pointer may be
  // stale by the time it arrives.
  TMainMenu* menu = nullptr;
  if (child && ::IsWindow(child) && ::GetParent(child) == Form().ClientHandle())
    if (auto* frame = dynamic_cast<TqelSkinWindowVCL*>(Engine().FindSkinWindow(child)))
      if (frame->Menus()) menu = frame->Menus()->MainMenu();
  if (menu == childMenu_) return;
  if (childMenu_) RemoveFreeNotification(childMenu_);
  childMenu_ = menu;
  if (childMenu_) FreeNotification(childMenu_);
  Rebuild();
}

void TqelSkinFormMenus::MakeMdiButtons() {
  TBitmap strip;
  strip.LoadFromResource(::GetModuleHandleW(nullptr), L"QELSKIN_MDI_CONTROLER");
  const int frameWidth = strip.Width() / 3;
  for (int i = 1; i <= 3; ++i) {
    auto& button = mdiButtons_[static_cast<size_t>(i - 1)];
    button = MakeComponent<TqelSkinMenuBarControlButton>();
    button->SetVisible(false);
    button->SetTag(kMdiButtonTagBase - i);
    button->SetAnchors(akTop | akRight);
    button->SetBounds(Form().Width() - 25 - kMdiButtonSize * i, 0, kMdiButtonSize, kMdiButtonSize);
    if (frameWidth > 0) {
      // Frame 4 - i of the strip: close, restore, minimize.
      TBitmap glyph(frameWidth, strip.Height());
      glyph.Canvas().Draw(0, 0, strip, RECT{frameWidth * (3 - i), 0, frameWidth * (4 - i), strip.Height()});
      button->SetGlyph(glyph);
    }
    button->OnClick = [this](TObject& sender) { MdiButtonClick(sender); };
    button->SetParent(&Form());
  }
}

void TqelSkinFormMenus::PlaceMdiButtons() {
  if (!mdiButtons_[0]) return;
  const int bar = bar_->Visible() ? bar_->Height() : 0;
  const int top = bar - std::min(bar, kMdiButtonSize);
  const int x = Form().Width() - Engine().Values().RightBorderWidth - 26;
  const TqelMenuBarLook& look = bar_->Look();
  for (int i = 0; i < 3; ++i) {
    TqelSkinMenuBarControlButton& b = *mdiButtons_[static_cast<size_t>(i)];
    b.SetBounds(x - kMdiButtonSize * i, top, kMdiButtonSize, kMdiButtonSize);
    b.SetColor(look.StartColor);
    b.SetToColor(look.EndColor);
    b.BringToFront();
  }
}

void TqelSkinFormMenus::ShowMdiButtons(TCustomForm* child) {
  if (!mdiButtons_[0] || !applied_ || !child) return;
  PlaceMdiButtons();
  const TBorderIcons icons = child->BorderIcons();
  MdiButton(mbClose)->SetVisible((icons & biSystemMenu) != 0);
  MdiButton(mbRestore)->SetVisible((icons & biMaximize) != 0);
  MdiButton(mbMinimize)->SetVisible((icons & biMinimize) != 0);
}

void TqelSkinFormMenus::HideMdiButtons() {
  for (auto& b : mdiButtons_)
    if (b) b->SetVisible(false);
}

void TqelSkinFormMenus::MdiButtonClick(TObject& sender) {
  TCustomForm* child = Form().ActiveMDIChild();
  if (!child) return;
  const auto tag = static_cast<TControl&>(sender).Tag();
  if (tag == kMdiButtonTagBase - mbMinimize) ::ShowWindow(child->Handle(), SW_SHOWMINIMIZED);
  else if (tag == kMdiButtonTagBase - mbRestore) child->SetWindowState(wsNormal);
  else if (tag == kMdiButtonTagBase - mbClose) child->Close();
  Application.ProcessMessages();
}

void TqelSkinFormMenus::FreeWindowItems() {
  std::vector<TMenuItem*> items;
  items.swap(windowItems_);
  for (TMenuItem* item : items) item->Free();  // each leaves the window menu
}

void TqelSkinFormMenus::RebuildWindowMenu() {
  FreeWindowItems();
  TCustomForm& form = Form();
  TMenuItem* windowMenu = form.WindowMenu();
  if (!applied_ || !windowMenu || !form.ClientHandle()) return;
  std::vector<TCustomForm*> shown;
  for (int i = 0; TCustomForm* child = form.MDIChildren(i); ++i)
    if (::IsWindowVisible(child->Handle()) && ::SendMessageW(child->Handle(), QM_ISMDICHILDHIDDEN, 0, 0) != 1)
      shown.push_back(child);
  if (shown.empty()) return;
  auto add = [&](const std::wstring& caption) {
    TMenuItem* item = Create<TMenuItem>();
    item->SetCaption(caption);
    windowItems_.push_back(item);
    windowMenu->Add(item);
    return item;
  };
  add(L"-");
  for (TCustomForm* child : shown) {
    TMenuItem* item = add(child->Caption());
    item->SetTag(reinterpret_cast<std::intptr_t>(child));
    item->OnClick = [this](TObject& sender) { WindowItemClick(sender); };
  }
}

void TqelSkinFormMenus::WindowItemClick(TObject& sender) {
  const auto tag = static_cast<TMenuItem&>(sender).Tag();
  TCustomForm& form = Form();
  // The child may have gone since the list was made.
  for (int i = 0; TCustomForm* child = form.MDIChildren(i); ++i) {
    if (reinterpret_cast<std::intptr_t>(child) != tag) continue;
    HWND h = child->Handle();
    if (::IsIconic(h)) ::SendMessageW(form.ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(h), 0);
    ::SendMessageW(form.ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(h), 0);
    return;
  }
}

#pragma once
// TqelSkinFormMenus: the menu side of a skinned form's frame.
//
// Made when the frame attaches to its form and freed when it detaches, it
// holds what stands in for the form's main menu while the skin is applied:
// the menu bar (TqelSkinMenuBar) at the top of the client area, the
// application-events handler that runs menu shortcuts and feeds the bar
// its keys, and for an MDI main form the subclassed MDI client, the three
// buttons of a maximized child and the child entries of the window menu.
//
// The frame calls Apply and Remove as the skin comes and goes and passes
// on the MDI messages of its form (QM_MDIMENUCHANGED, WM_MDIMAXIMIZE, ...).
#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "framework/Component.h"
#include "framework/Menus.h"

class TApplicationEvents;
class TCustomForm;
class TqelSkinEngine;
class TqelSkinMdiClient;
class TqelSkinMenuBar;
class TqelSkinMenuBarControlButton;
class TqelSkinWindowVCL;

// Tags of the MDI buttons, and the index of each (1 close, 2 restore,
// 3 minimize).
constexpr int kMdiButtonTagBase = -1380;
enum TqelMdiButton { mbClose = 1, mbRestore = 2, mbMinimize = 3 };

class TqelSkinFormMenus : public TComponent {
  FW_CLASS(TqelSkinFormMenus, TComponent)
 public:
  TqelSkinFormMenus(TComponent* owner, TqelSkinWindowVCL& frame);
  ~TqelSkinFormMenus() override;
  void BeforeDestruction() override;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  TqelSkinWindowVCL& Frame() const noexcept { return frame_; }
  TCustomForm& Form() const noexcept;
  TqelSkinMenuBar& MenuBar() const noexcept { return *bar_; }
  // The bar's height while it is shown, else 0.
  int MenuBarHeight() const;
  // The bar and the MDI buttons: not the form's own controls.
  bool OwnsControl(const TControl* control) const noexcept;
  // The form's main menu (taken off the window while the skin is
  // applied), and the active MDI child's merged into the bar.
  TMainMenu* MainMenu() const noexcept { return mainMenu_; }
  TMainMenu* ChildMenu() const noexcept { return childMenu_; }
  bool Applied() const noexcept { return applied_; }
  // Button index 1 close, 2 restore, 3 minimize (MDI main forms only).
  TqelSkinMenuBarControlButton* MdiButton(int index) const noexcept;
  TqelSkinMdiClient* MdiClient() const noexcept { return client_.get(); }
  // The entries added to the form's window menu.
  int WindowMenuItemCount() const noexcept { return static_cast<int>(windowItems_.size()); }

  // ---- The skin comes and goes ---------------------------------------
  // Takes the main menu off the window, takes the skin's colours and shows
  // the bar (not for MDI children).
  void Apply();
  // Gives the main menu back and hides the bar and the MDI buttons.
  void Remove();
  // The bar again from the (merged) menu.
  void Rebuild();
  // Rebuilds the bar when the menu changed since (the application's idle
  // time looks).
  void Refresh();

  // ---- MDI -----------------------------------------------------------
  // The active child (handle, or null when none is left) changed: its
  // menu goes into the bar.
  void ChildMenuChanged(HWND child);
  // Shows the buttons the child's BorderIcons allow; hides them all.
  void ShowMdiButtons(TCustomForm* child);
  void HideMdiButtons();
  void PlaceMdiButtons();
  // The window menu's child entries again.
  void RebuildWindowMenu();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void MakeMdiButtons();
  void MdiButtonClick(TObject& sender);
  void WindowItemClick(TObject& sender);
  void FreeWindowItems();
  void ApplicationMessage(MSG& msg, bool& handled);
  bool FormIsActive() const;
  bool RunShortCut(const MSG& msg);
  TqelSkinEngine& Engine() const noexcept;

  TqelSkinWindowVCL& frame_;
  TOwned<TqelSkinMenuBar> bar_;
  std::array<TOwned<TqelSkinMenuBarControlButton>, 3> mdiButtons_;
  std::unique_ptr<TqelSkinMdiClient> client_;
  TOwned<TApplicationEvents> events_;
  std::vector<TMenuItem*> windowItems_;  // owned by this component
  TMainMenu* mainMenu_ = nullptr;
  TMainMenu* childMenu_ = nullptr;
  bool menuTakenOff_ = false;  // the main menu was on the window
  bool menuSkinned_ = false;
  bool applied_ = false;
};

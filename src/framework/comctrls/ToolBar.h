#pragma once
// TToolBar / TToolButton: a bar of buttons over the platform's tool bar
// ("ToolbarWindow32").
//
// A button is a control without a window whose parent is the bar; the bar
// keeps one platform button for each and lays the controls over them, so
// a button's bounds are where it is drawn. A button parented to the bar
// goes before the first button at or right of its Left (buttons made with
// Left 0 go first). The bar draws the buttons itself; the custom-draw
// events let code draw the background and the buttons instead, with the
// stage and the item state as the platform reports them.
//
// A button with a MenuItem is a menu title: pressing it drops the item's
// sub-items down as a menu under it (or clicks an item without any), and
// while that menu is open the arrow keys and the mouse move on to the
// neighbouring menu buttons, as in a menu bar (TrackMenu). A drop-down
// button shows its DropdownMenu from its arrow.
//
//   TToolButton* save = form->Create<TToolButton>();
//   save->SetLeft(1000);                 // after the others
//   save->SetParent(bar);
//   save->SetImageIndex(2);
//   save->OnClick = EventOf(this, &TFrm_Main::SaveClick);
#include <functional>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "framework/GraphicControl.h"
#include "framework/comctrls/CommonControls.h"
#include "framework/comctrls/ToolWindow.h"
#include "graphics/Canvas.h"

class TCustomImageList;
class TMenuItem;
class TPopupMenu;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
inline constexpr std::string_view kToolButtonStyleNames[] = {"tbsButton", "tbsCheck", "tbsDropDown",
                                                             "tbsSeparator", "tbsDivider"};

class TToolButton : public TGraphicControl {
  FW_CLASS(TToolButton, TGraphicControl)
 public:
  explicit TToolButton(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  TToolButtonStyle Style() const noexcept { return style_; }
  void SetStyle(TToolButtonStyle style);
  // Adjacent grouped check buttons are down one at a time.
  bool Grouped() const noexcept { return grouped_; }
  void SetGrouped(bool grouped);
  // A grouped button that is down goes up again when clicked.
  bool AllowAllUp() const noexcept { return allowAllUp_; }
  void SetAllowAllUp(bool allow) noexcept { allowAllUp_ = allow; }
  bool Down() const noexcept { return down_; }
  void SetDown(bool down);
  int ImageIndex() const noexcept { return imageIndex_; }
  void SetImageIndex(int index);
  bool Indeterminate() const noexcept { return indeterminate_; }
  void SetIndeterminate(bool indeterminate);
  bool Marked() const noexcept { return marked_; }
  void SetMarked(bool marked);
  // The bar starts a new row after this button.
  bool Wrap() const noexcept { return wrap_; }
  void SetWrap(bool wrap);
  // As wide as its caption and image need (else the bar's ButtonWidth).
  bool AutoSize() const noexcept { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // Setting a menu item takes its caption, image, enabled and visible
  // state.
  TMenuItem* MenuItem() const noexcept { return menuItem_; }
  void SetMenuItem(TMenuItem* item);
  TPopupMenu* DropdownMenu() const noexcept { return dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* menu);
  // The bar this button is on, or null.
  TToolBar* ToolBar() const noexcept;
  // Position on the bar, -1 when not on one.
  int Index() const noexcept;

  // Operations
  // Shows the button's menu, if it has one; true when it did.
  bool CheckMenuDropdown();
  // Raises OnClick, then clicks the menu item (one without sub-items).
  void Click() override;
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;

 private:
  friend class TToolBar;
  void CMChanged(TMessage& message);
  void CMHitTest(TMessage& message);
  void Changed();

  TToolButtonStyle style_ = tbsButton;
  bool grouped_ = false;
  bool allowAllUp_ = false;
  bool down_ = false;
  int imageIndex_ = -1;
  bool indeterminate_ = false;
  bool marked_ = false;
  bool wrap_ = false;
  bool autoSize_ = false;
  TMenuItem* menuItem_ = nullptr;
  TPopupMenu* dropdownMenu_ = nullptr;
  int command_ = 0;  // the platform button's command, 0 off a bar
};

// Platform drawing left out for a button (TBCDRF_* >> 16), a set.
enum TTBCustomDrawFlag : unsigned {
  tbNoEdges = 1,
  tbHiliteHotTrack = 2,
  tbNoOffset = 4,
  tbNoMark = 8,
  tbNoEtchedEffect = 16,
  tbBlendIcon = 32,
  tbNoBackground = 64,  // no background of the platform's under the button
};
using TTBCustomDrawFlags = unsigned;

using TTBCustomDrawEvent = std::function<void(TToolBar& sender, const RECT& rect, bool& defaultDraw)>;
using TTBCustomDrawBtnEvent =
    std::function<void(TToolBar& sender, TToolButton& button, TCustomDrawState state, bool& defaultDraw)>;
using TTBAdvancedCustomDrawEvent =
    std::function<void(TToolBar& sender, const RECT& rect, TCustomDrawStage stage, bool& defaultDraw)>;
using TTBAdvancedCustomDrawBtnEvent =
    std::function<void(TToolBar& sender, TToolButton& button, TCustomDrawState state, TCustomDrawStage stage,
                       TTBCustomDrawFlags& flags, bool& defaultDraw)>;

class TToolBar : public TToolWindow {
  FW_CLASS(TToolBar, TToolWindow)
 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes: the buttons, in their order on the bar
  int ButtonCount() const noexcept { return static_cast<int>(buttons_.size()); }
  TToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  // The canvas of the custom-draw events (a device context only then).
  TCanvas& Canvas() noexcept { return canvas_; }

  // Attributes: look
  TCustomImageList* Images() const noexcept { return images_; }
  void SetImages(TCustomImageList* images);
  TCustomImageList* DisabledImages() const noexcept { return disabledImages_; }
  void SetDisabledImages(TCustomImageList* images);
  TCustomImageList* HotImages() const noexcept { return hotImages_; }
  void SetHotImages(TCustomImageList* images);
  bool Flat() const noexcept { return flat_; }
  void SetFlat(bool flat) { SetStyleFlag(flat_, flat); }
  bool Transparent() const noexcept { return transparent_; }
  void SetTransparent(bool transparent) { SetStyleFlag(transparent_, transparent); }
  bool ShowCaptions() const noexcept { return showCaptions_; }
  void SetShowCaptions(bool show);
  // Captions right of the images instead of below.
  bool List() const noexcept { return list_; }
  void SetList(bool list) { SetStyleFlag(list_, list); }
  // Buttons that do not fit go on to a new row.
  bool Wrapable() const noexcept { return wrapable_; }
  void SetWrapable(bool wrapable) { SetStyleFlag(wrapable_, wrapable); }
  // The bar's height follows its rows of buttons.
  bool AutoSize() const noexcept { return autoSize_; }
  void SetAutoSize(bool autoSize);
  int Indent() const noexcept { return indent_; }
  void SetIndent(int indent);
  int ButtonWidth() const noexcept { return buttonWidth_; }
  void SetButtonWidth(int width);
  int ButtonHeight() const noexcept { return buttonHeight_; }
  void SetButtonHeight(int height);
  // Number of rows of buttons.
  int RowCount();

  // Operations
  // Shows the menu of button (its DropdownMenu or its MenuItem's
  // sub-items) under it and runs it; true when there was one.
  bool CheckMenuDropdown(TToolButton* button);
  // Runs the menu of button and of the neighbouring menu buttons the user
  // moves on to; an item picked is clicked after the menu has closed.
  bool TrackMenu(TToolButton* button);

  // Events
  TTBCustomDrawEvent OnCustomDraw;
  TTBCustomDrawBtnEvent OnCustomDrawButton;
  TTBAdvancedCustomDrawEvent OnAdvancedCustomDraw;
  TTBAdvancedCustomDrawBtnEvent OnAdvancedCustomDrawButton;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 private:
  friend class TToolButton;

  // Message handlers
  void CNCommand(TMessage& message);
  void CNNotify(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMLButtonDown(TMessage& message);
  void WMRelayout(TMessage& message);
  void CMControlListChange(TMessage& message);

  // The platform buttons
  void InsertButton(TToolButton* button);
  void RemoveButton(TToolButton* button);
  void UpdateButton(TToolButton* button);
  TBBUTTON ButtonInfo(TToolButton& button);
  void CreateButtons();
  void ApplyImages();
  void ApplySizes();
  // Lays the controls over their platform buttons, sizes the bar when
  // AutoSize is set.
  void UpdateLayout();
  TToolButton* FindButton(int command) const noexcept;
  TToolButton* ButtonAt(POINT client);
  void ButtonClicked(TToolButton& button);
  void SetStyleFlag(bool& flag, bool value);
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // Drawing (ToolBarDraw.cpp)
  LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);
  LRESULT CustomDrawButton(NMTBCUSTOMDRAW& draw);
  bool RaiseAdvanced(HDC dc, const RECT& rect, TCustomDrawStage stage);
  void DrawDividers(HDC dc);

  // Menus (ToolBarMenu.cpp)
  bool HasMenu(const TToolButton& button) const noexcept;
  // Runs one menu; the button whose menu is to follow, or null.
  TToolButton* RunMenu(TToolButton& button, UINT& command);
  TToolButton* NeighbourMenuButton(int step) const noexcept;
  static LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam);
  bool FilterMenuMessage(const MSG& msg);
  void WMMenuSelect(TMessage& message);

  std::vector<TToolButton*> buttons_;
  int nextCommand_ = 1;
  TCanvas canvas_;
  TCustomImageList* images_ = nullptr;
  TCustomImageList* disabledImages_ = nullptr;
  TCustomImageList* hotImages_ = nullptr;
  bool flat_ = false;
  bool transparent_ = false;
  bool showCaptions_ = false;
  bool list_ = false;
  bool wrapable_ = true;
  bool autoSize_ = false;
  int indent_ = 0;
  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
  bool laying_ = false;            // UpdateLayout is moving the buttons
  HGDIOBJ itemFont_ = nullptr;     // the font a button's handler replaced
  TToolButton* menuButton_ = nullptr;  // whose menu is open
  TToolButton* switchTo_ = nullptr;    // the menu to open next
  HMENU trackedMenu_ = nullptr;        // the open menu's own pop-up
  HMENU selectedIn_ = nullptr;         // the pop-up of the item selected now
  bool selectedOpens_ = false;         // that item opens a sub-menu
};

#pragma once
// Menus: TMenuItem trees shown as a window's menu bar (TMainMenu) or as a
// pop-up menu (TPopupMenu).
//
// Items form a tree below the menu's root item (TMenu::Items). An item made
// with AddItem is owned by its parent item; an item created elsewhere and
// linked with Add is only listed, and leaves the list when destroyed.
//
// The platform menu (Handle) is built from the tree when asked for after a
// change. An item is owner-drawn when its menu's OwnerDraw is set or the
// item has a measure or draw handler; the window showing the menu then
// passes WM_MEASUREITEM and WM_DRAWITEM to DispatchMenuMessage, which
// calls the item's MeasureItem and DrawItem (and so its events) with a
// canvas on the menu's device context. WM_COMMAND of a menu item reaches
// the item's Click the same way. An item with an image that is not
// owner-drawn asks for its picture the same way (the platform's bitmap
// call-back), and the image is drawn from the menu's Images.
//
// Merging (MDI): a main menu merged with another shows the other's
// top-level items in place of its own of the same GroupIndex, and the
// others in GroupIndex order among its own; Unmerge shows its own again.
// The item trees are not changed.
//
//   TPopupMenu* menu = form->Create<TPopupMenu>();
//   TMenuItem* close = menu->Items().AddItem(L"&Close");
//   close->OnClick = EventOf(this, &TFrm_Main::CloseClick);
//   menu->Popup(x, y);
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "framework/HookLink.h"
#include "framework/Messages.h"
#include "framework/Types.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

class TMenu;
class TCustomImageList;
class TWinControl;

// Reading order of a menu.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
inline constexpr std::string_view kBiDiModeNames[] = {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                                      "bdRightToLeftReadingOnly"};

// Whether the menu assigns accelerator characters by itself; menus here
// never do, the value is kept for the code that reads it.
enum TMenuAutoFlag { maAutomatic, maManual, maParent };

// A keyboard shortcut: virtual key in the low byte, modifiers above.
using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut ShortCut(WORD key, TShiftState shift) {
  return static_cast<TShortCut>((key & 0xFF) | ((shift & ssShift) ? scShift : 0) | ((shift & ssCtrl) ? scCtrl : 0) |
                                ((shift & ssAlt) ? scAlt : 0));
}
// "Ctrl+S", "Shift+Alt+F4", "" for none.
std::wstring ShortCutToText(TShortCut shortCut);

using TMenuMeasureItemEvent = std::function<void(TObject& sender, TCanvas& canvas, int& width, int& height)>;
using TMenuDrawItemEvent =
    std::function<void(TObject& sender, TCanvas& canvas, const RECT& rect, TOwnerDrawState state)>;

class TMenuItem : public TComponent {
  FW_CLASS(TMenuItem, TComponent)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  void BeforeDestruction() override;
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes: look. A caption "-" makes a separator line.
  const std::wstring& Caption() const noexcept { return caption_; }
  void SetCaption(std::wstring_view caption);
  TShortCut ShortCutKey() const noexcept { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  bool Enabled() const noexcept { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const noexcept { return checked_; }
  void SetChecked(bool checked);
  bool Default() const noexcept { return default_; }
  void SetDefault(bool isDefault);
  bool Visible() const noexcept { return visible_; }
  void SetVisible(bool visible);
  // Top-level items: the merge group. Radio items: checking one unchecks
  // the radio items of the same group beside it.
  BYTE GroupIndex() const noexcept { return groupIndex_; }
  void SetGroupIndex(BYTE index);
  // Shown with a round check mark; see GroupIndex.
  bool RadioItem() const noexcept { return radioItem_; }
  void SetRadioItem(bool radio);
  // Index into the images of the menu (or of the parent's SubMenuImages);
  // -1 for none.
  int ImageIndex() const noexcept { return imageIndex_; }
  void SetImageIndex(int index);
  // A picture of the item's own, used when it has no image index.
  TBitmap& Bitmap() noexcept { return bitmap_; }
  // Images for the sub-items of this item instead of the menu's.
  TCustomImageList* SubMenuImages() const noexcept { return subMenuImages_; }
  void SetSubMenuImages(TCustomImageList* images);
  bool IsLine() const noexcept { return caption_ == L"-"; }

  // Attributes: the tree
  TMenuItem* Parent() const noexcept { return parent_; }
  int Count() const noexcept { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  int IndexOf(const TMenuItem* item) const noexcept;
  // Position in the parent's list, -1 without parent.
  int MenuIndex() const noexcept { return parent_ ? parent_->IndexOf(this) : -1; }
  // The menu whose tree holds this item, or null.
  TMenu* GetParentMenu() const noexcept;
  // The command number of the item in WM_COMMAND and the item data of the
  // platform's owner-draw messages (unique in the process).
  UINT Command() const noexcept { return command_; }
  // The item with the given command in this item's tree, or null.
  TMenuItem* Find(UINT command) noexcept;
  // The live item with the given command, or null.
  static TMenuItem* FromCommand(UINT command) noexcept;

  // Operations
  // A new item owned by this one, appended.
  TMenuItem* AddItem(std::wstring_view caption);
  // Links item (owned elsewhere) at the end or at index.
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Insert(int index, TMenuItem* item);
  // Unlinks item (it stays alive with its owner).
  void Remove(TMenuItem* item);
  // Destroys the items this one owns and unlinks the others.
  void Clear();
  // Raises OnClick (enabled items only).
  virtual void Click();

  // Overridables: owner drawing. The defaults call the events; without a
  // draw handler the item is drawn plainly.
  virtual void MeasureItem(TCanvas& canvas, int& width, int& height);
  virtual void DrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state);
  // True when the item has a measure or draw handler.
  bool HasOwnerDrawEvents() const noexcept { return OnMeasureItem || OnDrawItem; }

  // Events
  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Tells the menu that its platform menu is out of date.
  void MenuChanged();

 private:
  friend class TMenu;
  void DrawPlain(TCanvas& canvas, const RECT& rect, TOwnerDrawState state);

  std::wstring caption_;
  TShortCut shortCut_ = 0;
  bool enabled_ = true;
  bool checked_ = false;
  bool default_ = false;
  bool visible_ = true;
  bool radioItem_ = false;
  BYTE groupIndex_ = 0;
  int imageIndex_ = -1;
  TBitmap bitmap_;
  TCustomImageList* subMenuImages_ = nullptr;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
  TMenu* menu_ = nullptr;  // set on the root item only
  UINT command_ = 0;
};

class TMenu : public TComponent {
  FW_CLASS(TMenu, TComponent)
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  TMenuItem& Items() noexcept { return *items_; }
  TCustomImageList* Images() const noexcept { return images_; }
  void SetImages(TCustomImageList* images);
  bool OwnerDraw() const noexcept { return ownerDraw_; }
  void SetOwnerDraw(bool ownerDraw);
  TBiDiMode BiDiMode() const noexcept { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode);
  bool IsRightToLeft() const noexcept { return biDiMode_ != bdLeftToRight; }
  TMenuAutoFlag AutoHotkeys() const noexcept { return autoHotkeys_; }
  void SetAutoHotkeys(TMenuAutoFlag flag) noexcept { autoHotkeys_ = flag; }
  // The platform menu, built from the items when out of date.
  HMENU Handle();
  // True when the item is drawn by its owner in this menu.
  bool IsOwnerDrawn(const TMenuItem& item) const noexcept { return ownerDraw_ || item.HasOwnerDrawEvents(); }
  // The images the item's picture comes from (its parent's SubMenuImages,
  // else the menu's), null when it shows none.
  TCustomImageList* ImagesOf(const TMenuItem& item) const noexcept;
  // The top-level items shown in the platform menu, in order (hidden ones
  // included; the platform menu leaves them out).
  virtual std::vector<TMenuItem*> ShownItems();

  // Operations
  // Marks the platform menu out of date; a shown menu bar is rebuilt.
  virtual void Changed();

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Creates the empty top-level platform menu (a bar or a pop-up).
  virtual HMENU CreateMenuHandle() = 0;
  // Called when a new platform menu has been built, before the old one is
  // destroyed.
  virtual void HandleRebuilt(HMENU) {}
  void DestroyMenuHandle() noexcept;

 private:
  void Build(HMENU menu, const std::vector<TMenuItem*>& items);

  TMenuItem* items_;  // owned as a component
  TCustomImageList* images_ = nullptr;
  bool ownerDraw_ = false;
  TBiDiMode biDiMode_ = bdLeftToRight;
  TMenuAutoFlag autoHotkeys_ = maAutomatic;
  HMENU handle_ = nullptr;
  bool dirty_ = true;
};

// The top-level items of Own with those of Merged (may be null) merged in:
// a merged item replaces Own's items of its GroupIndex and goes before
// the first item of a higher group.
std::vector<TMenuItem*> MergedTopLevelItems(TMenuItem& own, TMenuItem* merged);

// A window's menu bar. AttachTo shows it on a windowed control (a form)
// and hooks the control's WindowProc to route the menu's messages.
class TMainMenu : public TMenu {
  FW_CLASS(TMainMenu, TMenu)
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  ~TMainMenu() override;
  void BeforeDestruction() override;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Attributes
  TWinControl* Window() const noexcept { return window_; }

  // Operations
  // Shows the menu bar on window (null: removes it).
  void AttachTo(TWinControl* window);
  void Changed() override;
  // Shows menu's top-level items merged into this menu's (null: unmerges).
  void Merge(TMainMenu* menu);
  // Shows this menu's own items again if menu is the one merged.
  void Unmerge(TMainMenu* menu);
  TMainMenu* Merged() const noexcept { return merged_; }
  std::vector<TMenuItem*> ShownItems() override;

 protected:
  HMENU CreateMenuHandle() override;
  void HandleRebuilt(HMENU menu) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void HookProc(TMessage& message);
  void Detach() noexcept;

  TWinControl* window_ = nullptr;
  THookLink hook_;
  TMainMenu* merged_ = nullptr;    // shown merged into this one
  TMainMenu* mergedInto_ = nullptr;  // the menu this one is merged into
};

// A menu shown at a point. Popup runs until the user picks an item or
// dismisses the menu; the picked item's Click runs afterwards.
class TPopupMenu : public TMenu {
  FW_CLASS(TPopupMenu, TMenu)
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Attributes
  // The component the menu was last shown for (set by the caller).
  TComponent* PopupComponent() const noexcept { return popupComponent_; }
  void SetPopupComponent(TComponent* component) noexcept { popupComponent_ = component; }

  // Operations
  // Shows the menu with its top-left corner at (x, y) in screen
  // coordinates (its top-right corner when right-to-left).
  virtual void Popup(int x, int y);

  // Events
  // Before the menu is shown.
  TNotifyEvent OnPopup;

 protected:
  HMENU CreateMenuHandle() override;

 private:
  TComponent* popupComponent_ = nullptr;
};

// Routes a window's WM_MEASUREITEM and WM_DRAWITEM for menu items and its
// WM_COMMAND from menus to the items; true when the message concerned a
// live item (Result is then set).
bool DispatchMenuMessage(TMessage& message);

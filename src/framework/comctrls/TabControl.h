#pragma once
// TCustomTabControl / TTabControl: a row (or rows) of tabs over the
// platform's tab control ("SysTabControl32"); TPageControl / TTabSheet:
// tabs that are pages, one shown at a time.
//
// A tab control's children lie in its display area, the part inside the
// tabs and the frame (DisplayRect). Clicking a tab or moving with the
// arrow keys asks OnChanging first, which may refuse, then sets TabIndex
// and raises OnChange; setting TabIndex (or ActivePage) in code raises
// neither.
//
// The tabs of a page control are its sheets whose TabVisible is set, in
// PageIndex order; a sheet's Caption is its tab's text.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "framework/Strings.h"
#include "framework/WinControl.h"

class TCustomImageList;
class TTabSheet;
class TTabStrings;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
inline constexpr std::string_view kTabPositionNames[] = {"tpTop", "tpBottom", "tpLeft", "tpRight"};
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
inline constexpr std::string_view kTabStyleNames[] = {"tsTabs", "tsButtons", "tsFlatButtons"};

using TTabChangingEvent = std::function<void(TObject& sender, bool& allowChange)>;

class TCustomTabControl : public TWinControl {
  FW_CLASS(TCustomTabControl, TWinControl)
 public:
  explicit TCustomTabControl(TComponent* owner);
  ~TCustomTabControl() override;

  // Attributes
  // The tabs' texts (with an object each). A page control keeps them
  // itself, from its sheets.
  TStrings& Tabs() noexcept;
  // The selected tab, -1 for none.
  int TabIndex();
  void SetTabIndex(int index);
  TTabPosition TabPosition() const noexcept { return tabPosition_; }
  void SetTabPosition(TTabPosition position);
  // Tabs that do not fit go on to further rows (always for tpLeft and
  // tpRight) instead of scrolling.
  bool MultiLine() const noexcept { return multiLine_; }
  void SetMultiLine(bool multiLine);
  TTabStyle Style() const noexcept { return style_; }
  void SetStyle(TTabStyle style);
  bool HotTrack() const noexcept { return hotTrack_; }
  void SetHotTrack(bool hotTrack);
  bool RaggedRight() const noexcept { return raggedRight_; }
  void SetRaggedRight(bool ragged);
  // Fixed tab sizes; 0 for sizes that fit the texts.
  int TabHeight() const noexcept { return tabHeight_; }
  void SetTabHeight(int height);
  int TabWidth() const noexcept { return tabWidth_; }
  void SetTabWidth(int width);
  TCustomImageList* Images() const noexcept { return images_; }
  void SetImages(TCustomImageList* images);
  // The area inside tabs and frame, in client coordinates.
  RECT DisplayRect();
  // Where tab index is drawn (empty when not shown).
  RECT TabRect(int index);
  // The tab at a point of the client area, -1 for none.
  int IndexOfTabAt(int x, int y);
  // Rows of tabs.
  int RowCount();

  // Events
  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void AdjustClientRect(RECT& rect) override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CanChange();
  virtual void Change();
  // The image of tab index; the default shows image index for tab index.
  virtual int GetImageIndex(int tabIndex);

  // The tabs, for the strings and the page control.
  int TabCount() const noexcept { return static_cast<int>(tabs_.size()); }
  const std::wstring& TabText(int index) const { return tabs_.at(static_cast<size_t>(index)).text; }
  TObject* TabObject(int index) const { return tabs_.at(static_cast<size_t>(index)).object; }
  void InsertTab(int index, std::wstring_view text, TObject* object);
  void DeleteTab(int index);
  void SetTabText(int index, std::wstring_view text);
  void SetTabObject(int index, TObject* object);
  void ClearTabs();
  // Tells the window of the tab's image again.
  void UpdateTabImage(int index);
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  static TPropInfo PropTabPosition();
  static TPropInfo PropMultiLine();
  static TPropInfo PropStyle();

 private:
  friend class TTabStrings;
  struct TTab {
    std::wstring text;
    TObject* object = nullptr;
  };
  void CNNotify(TMessage& message);
  void WriteTab(int index, UINT message);
  void TabsChanged();
  void SetStyleFlag(bool& flag, bool value);

  std::vector<TTab> tabs_;
  std::unique_ptr<TTabStrings> tabStrings_;
  int tabIndex_ = -1;
  TTabPosition tabPosition_ = tpTop;
  bool multiLine_ = false;
  TTabStyle style_ = tsTabs;
  bool hotTrack_ = false;
  bool raggedRight_ = false;
  int tabHeight_ = 0;
  int tabWidth_ = 0;
  TCustomImageList* images_ = nullptr;
};

class TTabControl : public TCustomTabControl {
  FW_CLASS(TTabControl, TCustomTabControl)
 public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};

class TPageControl : public TCustomTabControl {
  FW_CLASS(TPageControl, TCustomTabControl)
 public:
  explicit TPageControl(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  int PageCount() const noexcept { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const noexcept { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const noexcept;
  void SetActivePageIndex(int index);

  // Operations
  // The next (or previous) page with a tab after the active one, wrapping
  // round; null when there is none.
  TTabSheet* FindNextPage(TTabSheet* current, bool forward) const noexcept;
  // Moves to it as a click on its tab would (OnChanging, OnChange).
  void SelectNextPage(bool forward);

 protected:
  void WndProc(TMessage& message) override;
  void AlignControls(RECT& rect) override;
  void Change() override;
  int GetImageIndex(int tabIndex) override;

 private:
  friend class TTabSheet;
  void CMControlListChange(TMessage& message);
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  // Rebuilds the tabs from the sheets.
  void UpdateTabs();
  void UpdateTab(TTabSheet* page);
  void ShowPage(TTabSheet* page);

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
};

class TTabSheet : public TWinControl {
  FW_CLASS(TTabSheet, TWinControl)
 public:
  explicit TTabSheet(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  TPageControl* PageControl() const noexcept;
  // Puts the sheet on a page control (its parent).
  void SetPageControl(TPageControl* pageControl);
  // Position among the page control's sheets.
  int PageIndex() const noexcept;
  void SetPageIndex(int index);
  // Position among the tabs, -1 without one.
  int TabIndex() const noexcept;
  bool TabVisible() const noexcept { return tabVisible_; }
  void SetTabVisible(bool visible);
  int ImageIndex() const noexcept { return imageIndex_; }
  void SetImageIndex(int index);

 protected:
  void WndProc(TMessage& message) override;

 private:
  void CMTextChanged(TMessage& message);

  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

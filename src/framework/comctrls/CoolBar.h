#pragma once
// TCoolBar: bands that hold controls (tool bars, combo boxes) and that the
// user may move and size, over the platform's rebar ("ReBarWindow32").
//
// Each band (TCoolBand) holds one windowed control, shown with a gripper
// and an optional text and image; Break starts a new row with it. A
// windowed control parented to the bar gets a band of its own; freeing it
// (or parenting it elsewhere) removes its band. Where the user drags the
// bands, their order and widths come back into Bands.
#include <memory>
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "framework/Collection.h"
#include "framework/comctrls/ToolWindow.h"

class TCoolBar;
class TCustomImageList;

class TCoolBand : public TCollectionItem {
  FW_CLASS(TCoolBand, TCollectionItem)
 public:
  explicit TCoolBand(TCollection& collection) noexcept : TCollectionItem(collection) {}
  ~TCoolBand() override;
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  TCoolBar& CoolBar() const noexcept;
  // The control in the band; it becomes a child of the bar.
  TWinControl* Control() const noexcept { return control_; }
  void SetControl(TWinControl* control);
  const std::wstring& Text() const noexcept { return text_; }
  void SetText(std::wstring_view text);
  // The band's width; read from the window, where the user may change it.
  int Width();
  void SetWidth(int width);
  bool Break() const noexcept { return break_; }
  void SetBreak(bool brk);
  // Neither moved nor sized by the user (also while the bar is FixedSize).
  bool FixedSize() const noexcept { return fixedSize_; }
  void SetFixedSize(bool fixed);
  // Least size of the control; 0 for its own height and no least width.
  int MinHeight() const noexcept { return minHeight_; }
  void SetMinHeight(int height);
  int MinWidth() const noexcept { return minWidth_; }
  void SetMinWidth(int width);
  bool Visible() const noexcept { return visible_; }
  void SetVisible(bool visible);
  int ImageIndex() const noexcept { return imageIndex_; }
  void SetImageIndex(int index);
  std::string DisplayName() const override;

 private:
  friend class TCoolBar;
  friend class TCoolBands;
  TWinControl* control_ = nullptr;
  std::wstring text_;
  int width_ = 0;
  bool break_ = true;
  bool fixedSize_ = false;
  int minHeight_ = 0;
  int minWidth_ = 0;
  bool visible_ = true;
  int imageIndex_ = -1;
};

class TCoolBands : public TCollection {
  FW_CLASS(TCoolBands, TCollection)
 public:
  explicit TCoolBands(TCoolBar& coolBar);
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  TCoolBand& Add() { return static_cast<TCoolBand&>(TCollection::Add()); }
  TCoolBand& Items(int index) const { return static_cast<TCoolBand&>(TCollection::Items(index)); }
  TCoolBar& CoolBar() const noexcept { return coolBar_; }
  // The band holding control, or null.
  TCoolBand* FindBand(const TControl* control) const noexcept;

 protected:
  void Update(TCollectionItem* item) override;
  void Notify(TCollectionItem& item, TCollectionNotification action) override;

 private:
  TCoolBar& coolBar_;
};

class TCoolBar : public TToolWindow {
  FW_CLASS(TCoolBar, TToolWindow)
 public:
  explicit TCoolBar(TComponent* owner);
  ~TCoolBar() override;
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  TCoolBands& Bands() noexcept { return *bands_; }
  // The bar's height follows its rows of bands.
  bool AutoSize() const noexcept { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // bsSingle draws lines between the bands.
  TBorderStyle BandBorderStyle() const noexcept { return bandBorderStyle_; }
  void SetBandBorderStyle(TBorderStyle style);
  // Every band stays where and as large as it is.
  bool FixedSize() const noexcept { return fixedSize_; }
  void SetFixedSize(bool fixed);
  // The user may size the bands but not change their order.
  bool FixedOrder() const noexcept { return fixedOrder_; }
  void SetFixedOrder(bool fixed);
  bool ShowText() const noexcept { return showText_; }
  void SetShowText(bool show);
  // Bands run top to bottom.
  bool Vertical() const noexcept { return vertical_; }
  void SetVertical(bool vertical);
  TCustomImageList* Images() const noexcept { return images_; }
  void SetImages(TCustomImageList* images);
  int RowCount();

  // Events: the user moved or sized bands.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TCoolBand;
  friend class TCoolBands;
  void CNNotify(TMessage& message);
  void CMControlListChange(TMessage& message);
  REBARBANDINFOW BandInfo(TCoolBand& band, std::wstring& text);
  void InsertBand(int index);
  void UpdateBand(int index);
  void DeleteBand(int index);
  // The bands' order and widths as the user left them.
  void ReadBands();
  void FitHeight();
  void ApplyImages();
  void SetStyleFlag(bool& flag, bool value);
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  std::unique_ptr<TCoolBands> bands_;
  bool autoSize_ = false;
  TBorderStyle bandBorderStyle_ = bsSingle;
  bool fixedSize_ = false;
  bool fixedOrder_ = false;
  bool showText_ = true;
  bool vertical_ = false;
  TCustomImageList* images_ = nullptr;
  bool reading_ = false;  // ReadBands is reordering the bands
};

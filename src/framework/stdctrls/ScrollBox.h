#pragma once
// TScrollingWinControl and TScrollBox: a container that scrolls its
// children with its own window scroll bars. With AutoScroll each bar's
// Range is the extent of the children (not aligned ones) in that direction;
// a bar shows while its range exceeds the client area. Scrolling moves the
// children, so their Left and Top are always where they are shown.
#include "framework/WinControl.h"
#include "framework/stdctrls/ScrollBar.h"

class TScrollingWinControl;

class TControlScrollBar : public TObject {
  FW_CLASS(TControlScrollBar, TObject)
 public:
  TControlScrollBar(TScrollingWinControl& control, TScrollBarKind kind) noexcept
      : control_(control), kind_(kind) {}
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  TScrollBarKind Kind() const noexcept { return kind_; }
  // The scrolled extent; set by the control while it scrolls automatically.
  int Range() const noexcept { return range_; }
  void SetRange(int range);
  // How far the contents are scrolled, 0 to Range minus the client extent.
  int Position() const noexcept { return position_; }
  void SetPosition(int position);
  // One arrow click.
  int Increment() const noexcept { return increment_; }
  void SetIncrement(int increment) noexcept { increment_ = increment > 0 ? increment : 1; }
  // False hides the bar whatever the range.
  bool Visible() const noexcept { return visible_; }
  void SetVisible(bool visible);
  // Contents follow the thumb while it is dragged (else when dropped).
  bool Tracking() const noexcept { return tracking_; }
  void SetTracking(bool tracking) noexcept { tracking_ = tracking; }
  // The bar is on screen now.
  bool IsScrollBarVisible() const noexcept;

 private:
  friend class TScrollingWinControl;
  int ClientExtent() const;
  int MaxPosition() const { return std::max(0, range_ - ClientExtent()); }
  // Gives the window's bar the range, page and position.
  void UpdateBar();
  void Scroll(WORD request);

  TScrollingWinControl& control_;
  TScrollBarKind kind_;
  int range_ = 0;
  int position_ = 0;
  int increment_ = 8;
  bool visible_ = true;
  bool tracking_ = false;
};

class TScrollingWinControl : public TWinControl {
  FW_CLASS(TScrollingWinControl, TWinControl)
 public:
  explicit TScrollingWinControl(TComponent* owner);

  // Attributes
  TControlScrollBar& HorzScrollBar() noexcept { return horz_; }
  TControlScrollBar& VertScrollBar() noexcept { return vert_; }
  bool AutoScroll() const noexcept { return autoScroll_; }
  void SetAutoScroll(bool autoScroll);

  // Operations
  // Moves the children by (dx, dy).
  void ScrollBy(int dx, int dy);
  // Scrolls so that control (a child at any depth) is wholly visible.
  void ScrollInView(TControl* control);
  // Ranges from the children (AutoScroll), then the bars.
  void UpdateScrollBars();

 protected:
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

 private:
  void WMScroll(TMessage& message);
  void WMMouseWheel(TMessage& message);
  void ChildrenChanged(TMessage& message);
  int ContentExtent(TScrollBarKind kind) const;

  TControlScrollBar horz_;
  TControlScrollBar vert_;
  bool autoScroll_ = true;
  bool updating_ = false;
  bool scrolling_ = false;
};

class TScrollBox : public TScrollingWinControl {
  FW_CLASS(TScrollBox, TScrollingWinControl)
 public:
  explicit TScrollBox(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TBorderStyle borderStyle_ = bsSingle;
};

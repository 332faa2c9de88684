#pragma once
// TScrollBar: a stand-alone scroll bar over the platform's "SCROLLBAR"
// control. Position runs from Min to Max - PageSize + 1 (to Max without a
// page); arrows move it by SmallChange, the trough by LargeChange, the
// thumb as dragged. OnScroll sees every move (and may change the new
// position), OnChange every change of Position.
#include "framework/WinControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
inline constexpr std::string_view kScrollBarKindNames[] = {"sbHorizontal", "sbVertical"};

enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

using TScrollEvent = std::function<void(TObject& sender, TScrollCode code, int& position)>;

class TScrollBar : public TWinControl {
  FW_CLASS(TScrollBar, TWinControl)
 public:
  explicit TScrollBar(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  TScrollBarKind Kind() const noexcept { return kind_; }
  // A new kind turns the bar: width and height swap.
  void SetKind(TScrollBarKind kind);
  int Min() const noexcept { return min_; }
  void SetMin(int min) { SetParams(position_, min, max_); }
  int Max() const noexcept { return max_; }
  void SetMax(int max) { SetParams(position_, min_, max); }
  int Position() const noexcept { return position_; }
  void SetPosition(int position) { SetParams(position, min_, max_); }
  // The thumb's size in Position units; 0: the platform's smallest thumb.
  int PageSize() const noexcept { return pageSize_; }
  void SetPageSize(int pageSize);
  int SmallChange() const noexcept { return smallChange_; }
  void SetSmallChange(int change) noexcept { smallChange_ = change > 0 ? change : 1; }
  int LargeChange() const noexcept { return largeChange_; }
  void SetLargeChange(int change) noexcept { largeChange_ = change > 0 ? change : 1; }
  // The largest position the thumb can reach.
  int MaxPosition() const noexcept;

  // Operations
  // Sets position and range together; throws EInvalidOperation when max
  // is below min or the page does not fit.
  void SetParams(int position, int min, int max);

  // Events
  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  virtual void Change();
  virtual void Scroll(TScrollCode code, int& position);

 private:
  void CNScroll(TMessage& message);
  void UpdateWindow();

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

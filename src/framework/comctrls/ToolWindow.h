#pragma once
// TToolWindow: the base of tool bars and cool bars, a windowed control
// with etched edges on the sides named by EdgeBorders and a border of
// BorderWidth pixels inside them, both in the non-client area.
#include "framework/WinControl.h"

enum TEdgeBorder : unsigned { ebLeft = 1, ebTop = 2, ebRight = 4, ebBottom = 8 };
using TEdgeBorders = unsigned;
inline constexpr std::string_view kEdgeBorderNames[] = {"ebLeft", "ebTop", "ebRight", "ebBottom"};
enum TEdgeStyle { esNone, esRaised, esLowered };
inline constexpr std::string_view kEdgeStyleNames[] = {"esNone", "esRaised", "esLowered"};

class TToolWindow : public TWinControl {
  FW_CLASS(TToolWindow, TWinControl)
 public:
  explicit TToolWindow(TComponent* owner);

  // Attributes
  TEdgeBorders EdgeBorders() const noexcept { return edgeBorders_; }
  void SetEdgeBorders(TEdgeBorders borders);
  TEdgeStyle EdgeInner() const noexcept { return edgeInner_; }
  void SetEdgeInner(TEdgeStyle style);
  TEdgeStyle EdgeOuter() const noexcept { return edgeOuter_; }
  void SetEdgeOuter(TEdgeStyle style);
  int BorderWidth() const noexcept { return borderWidth_; }
  void SetBorderWidth(int width);
  // The non-client width on each side: edges and border.
  RECT NonClientInsets() const noexcept;

 protected:
  void WndProc(TMessage& message) override;

  static TPropInfo PropEdgeBorders();
  static TPropInfo PropEdgeInner();
  static TPropInfo PropEdgeOuter();
  static TPropInfo PropBorderWidth();

 private:
  void WMNCCalcSize(TMessage& message);
  void WMNCPaint(TMessage& message);
  void FrameChanged();

  TEdgeBorders edgeBorders_ = ebTop;
  TEdgeStyle edgeInner_ = esRaised;
  TEdgeStyle edgeOuter_ = esLowered;
  int borderWidth_ = 0;
};

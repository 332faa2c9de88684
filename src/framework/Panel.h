#pragma once
// TCustomPanel / TPanel: a windowed container with an outer and an inner
// bevel, a border between them, and a centred caption. Aligned children
// fill the area inside the bevels and the border.
#include "framework/CustomControl.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
inline constexpr std::string_view kPanelBevelNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

class TCustomPanel : public TCustomControl {
  FW_CLASS(TCustomPanel, TCustomControl)
 public:
  explicit TCustomPanel(TComponent* owner);

  // Attributes
  TPanelBevel BevelOuter() const noexcept { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel bevel);
  TPanelBevel BevelInner() const noexcept { return bevelInner_; }
  void SetBevelInner(TPanelBevel bevel);
  int BevelWidth() const noexcept { return bevelWidth_; }
  void SetBevelWidth(int width);
  // Space between the outer and the inner bevel, in the panel's colour.
  int BorderWidth() const noexcept { return borderWidth_; }
  void SetBorderWidth(int width);
  // bsSingle adds a sunken window edge around the panel.
  TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  TAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(RECT& rect) override;
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void CMTextChanged(TMessage& message);
  void BevelsChanged();

  TPanelBevel bevelOuter_ = bvRaised;
  TPanelBevel bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
  FW_CLASS(TPanel, TCustomPanel)
 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};

// Draws width one-pixel frames inside rect, top and left edges in topLeft,
// bottom and right edges in bottomRight, and shrinks rect by width.
void Frame3D(TCanvas& canvas, RECT& rect, TColor topLeft, TColor bottomRight, int width);

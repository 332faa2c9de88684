#pragma once
// TqelSkinGrid: a grid gets the skinned border and scroll bars, and its
// fixed cells the form colour while the skin is active (their own colour
// otherwise).
#include "graphics/Color.h"
#include "hook/QELSkinScrollWinControl.h"

class TqelSkinGrid : public TqelSkinScrollWinControl {
  FW_CLASS(TqelSkinGrid, TqelSkinScrollWinControl)
 public:
  TqelSkinGrid(TControl& control, TqelSkinWindow& window) : TqelSkinScrollWinControl(control, window) {}

  void Setup() override;
  void Refresh() override;
  void Teardown() override;

 private:
  TColor savedFixedColor_ = clBtnFace;
};

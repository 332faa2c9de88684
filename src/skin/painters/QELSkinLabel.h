#pragma once
// TqelSkinLabel: a label keeps its own drawing; only its font colour is
// the skin's control font colour while the skin is active, and its own
// otherwise. It takes its parent's colour.
#include "graphics/Color.h"
#include "hook/QELSkinControlVCL.h"

class TqelSkinLabel : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinLabel, TqelSkinControlVCL)
 public:
  TqelSkinLabel(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  void Setup() override;
  void Refresh() override;
  void Teardown() override;
  bool WantsParentColor() const override { return true; }

 private:
  TColor saved_ = clWindowText;
};

#pragma once
// Wrappers that paint nothing: panels and cool bars take their parent's
// colour (the form colour of a skinned form); frames are only marked as
// skinned.
#include "hook/QELSkinControlVCL.h"

class TqelSkinPanel : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinPanel, TqelSkinControlVCL)
 public:
  TqelSkinPanel(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}
  bool WantsParentColor() const override { return true; }
};

class TqelSkinFrame : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinFrame, TqelSkinControlVCL)
 public:
  TqelSkinFrame(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}
};

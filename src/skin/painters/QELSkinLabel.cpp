#include "painters/QELSkinLabel.h"

#include "engine/QELSkinEngine.h"
#include "framework/Control.h"

void TqelSkinLabel::Setup() {
  if (TControl* c = Control()) saved_ = c->Font().Color();
}

void TqelSkinLabel::Refresh() {
  TControl* c = Control();
  if (!c) return;
  const TColor skin = Engine().GetSkinColor(SKIN2_CONTROLFONTCOLOR);
  c->Font().SetColor(SkinActive() && skin != -1 ? skin : saved_);
}

void TqelSkinLabel::Teardown() {
  if (TControl* c = Control()) c->Font().SetColor(saved_);
  TqelSkinControlVCL::Teardown();
}

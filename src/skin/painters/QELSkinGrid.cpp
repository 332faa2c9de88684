#include "painters/QELSkinGrid.h"

#include "engine/QELSkinEngine.h"
#include "framework/grids/CustomGrid.h"

void TqelSkinGrid::Setup() {
  TqelSkinScrollWinControl::Setup();
  if (auto* grid = dynamic_cast<TCustomGrid*>(Control())) savedFixedColor_ = grid->FixedColor();
}

void TqelSkinGrid::Refresh() {
  TqelSkinScrollWinControl::Refresh();
  auto* grid = dynamic_cast<TCustomGrid*>(Control());
  if (!grid) return;
  const TColor form = Engine().Values().FormColor;
  grid->SetFixedColor(SkinActive() && form != -1 ? form : savedFixedColor_);
}

void TqelSkinGrid::Teardown() {
  if (auto* grid = dynamic_cast<TCustomGrid*>(Control())) grid->SetFixedColor(savedFixedColor_);
  TqelSkinScrollWinControl::Teardown();
}

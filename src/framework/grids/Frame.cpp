#include "framework/grids/Frame.h"

TCustomFrame::TCustomFrame(TComponent* owner) : TWinControl(owner) {
  if (!Loading()) BeginLoading();
  controlStyle_ |= csAcceptsControls;
  SetColor(clBtnFace);
  SetParentColor(true);
  SetBounds(0, 0, 320, 240);
}

void TCustomFrame::AfterConstruction() {
  TWinControl::AfterConstruction();
  EndLoading();  // only when the frame is its own loading root
}

std::vector<TPropInfo> TFrame::PublishedProperties() {
  return {
      PropLeft(),    PropTop(),        PropWidth(),   PropHeight(),     PropAlign(),
      PropAnchors(), PropColor(),      PropParentColor(), PropFont(),   PropParentFont(),
      PropEnabled(), PropVisible(),    PropTabStop(), PropCursor(),     PropHint(),
  };
}

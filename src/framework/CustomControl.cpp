#include "framework/CustomControl.h"

#include "graphics/GdiObjects.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  SavedDC saved(dc);
  canvas_.SetHandle(dc);
  try {
    Paint();
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

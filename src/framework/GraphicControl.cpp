#include "framework/GraphicControl.h"

#include "graphics/GdiObjects.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: WMPaint(m); break;
    default: TControl::WndProc(m); break;
  }
}

void TGraphicControl::WMPaint(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  m.Result = 0;
  if (!dc) return;
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

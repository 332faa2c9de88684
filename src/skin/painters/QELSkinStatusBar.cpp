#include "painters/QELSkinStatusBar.h"

#include "QELSkinUtilsPaint.h"
#include "framework/comctrls/StatusBar.h"
#include "engine/QELSkinEngine.h"
#include "painters/PainterSurface.h"

RECT StatusGripRect(SIZE Client) noexcept {
  return RECT{Client.cx - kGripWidth, Client.cy - kGripHeight, Client.cx, Client.cy};
}

void PaintStatusGrip(TCanvas& Canvas, SIZE Client, const TStatusBarLook& Look) {
  if (!Look.SizeGrip) return;
  const RECT grip = StatusGripRect(Client);
  FillRectColor(Canvas, RECT{grip.left - kGripStrip, grip.top - kGripStrip, grip.right, grip.top}, Look.Color);
  FillRectColor(Canvas, RECT{grip.left - kGripStrip, grip.top, grip.left, grip.bottom}, Look.Color);
  FillRectColor(Canvas, grip, Look.Color);
  const TColor line = clInactiveCaption;
  for (int d : kGripLines)
    for (int k = 0; k <= d; ++k) Canvas.SetPixel(grip.right - 1 - k, grip.bottom - 1 - d + k, line);
}

void TqelSkinStatusBar::Paint() {
  auto* bar = dynamic_cast<TCustomStatusBar*>(Control());
  if (!bar || !bar->SizeGrip()) return;
  const TStatusBarLook look{true, bar->Color()};
  PaintOnClientDC(GetHandle(), [&](TCanvas& canvas, SIZE size) { PaintStatusGrip(canvas, size, look); });
}

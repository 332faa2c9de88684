#include "painters/QELSkinListViewHeader.h"

#include <commctrl.h>

#include "QELSkinUtilsPaint.h"

std::wstring HeaderCaption(TCanvas& Canvas, const std::wstring& Text, int Width) {
  const int room = Width - 2 * kHeaderTextMargin;
  if (room <= 0 || Text.empty()) return std::wstring();
  return TruncateText(Canvas, Text, room);
}

void PaintListViewHeader(TCanvas& Canvas, const THeaderLook& Look, const TPainterSkin& Skin) {
  const TColor border = Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow);
  FillRectColor(Canvas, RECT{0, 0, Look.Size.cx, Look.Size.cy}, Skin.FormColor());
  FillRectColor(Canvas, RECT{0, Look.Size.cy - 1, Look.Size.cx, Look.Size.cy}, border);
  const TColor oldColor = Canvas.Font().Color();
  Canvas.Font().SetColor(Skin.Color(SKIN2_CONTROLFONTCOLOR, clWindowText));
  Canvas.Brush().SetStyle(bsClear);
  for (const THeaderItemLook& item : Look.Items) {
    const RECT& r = item.Rect;
    if (r.right <= r.left) continue;
    FillRectColor(Canvas, RECT{r.right - 1, r.top, r.right, r.bottom}, border);
    const std::wstring caption = HeaderCaption(Canvas, item.Text, r.right - r.left);
    if (caption.empty()) continue;
    RECT text{r.left + kHeaderTextMargin, r.top, r.right - kHeaderTextMargin, r.bottom - 1};
    UINT align = DT_LEFT;
    if ((item.Format & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
    else if ((item.Format & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
    Canvas.TextRect(text, caption, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Font().SetColor(oldColor);
}

#include "menu/QELSkinMenuBarPaint.h"

#include "QELSkinUtilsGradient.h"
#include "QELSkinUtilsPaint.h"
#include "framework/ImageList.h"

void PaintMenuBarBackground(TCanvas& canvas, const RECT& rect, const TqelMenuBarLook& look) {
  if (look.Background && !look.Background->Empty())
    canvas.StretchDraw(rect, *look.Background);
  else if (look.StartColor != look.EndColor)
    DrawVerticalGradient(canvas, rect, look.StartColor, look.EndColor);
  else
    FillRectColor(canvas, rect, look.StartColor);
}

void PaintMenuBarButton(TCanvas& canvas, const RECT& rect, const TqelMenuBarButtonState& button,
                        const TqelMenuBarLook& look) {
  TColor text = button.Enabled ? look.Font : look.DisabledFont;
  if (button.Selected) {
    if (look.Selected != -1) FillRectColor(canvas, rect, look.Selected);
    if (look.SelectedBorder != -1) FrameRectColor(canvas, rect, look.SelectedBorder);
    text = look.SelectedFont;
  }
  if (text == -1) text = clMenuText;
  RECT area = rect;
  if (button.Images && button.ImageIndex >= 0) {
    const int y = rect.top + (rect.bottom - rect.top - button.Images->Height()) / 2;
    button.Images->Draw(canvas, rect.left + 2, y, button.ImageIndex, button.Enabled);
    area.left += button.Images->Width();
  }
  // On a clear brush: the background shows around the letters.
  const TColor fontBefore = canvas.Font().Color();
  const TBrushStyle brushBefore = canvas.Brush().Style();
  canvas.Font().SetColor(text);
  canvas.Brush().SetStyle(bsClear);
  canvas.TextRect(area, button.Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  canvas.Brush().SetStyle(brushBefore);
  canvas.Font().SetColor(fontBefore);
}

void MenuBarColors(const TBitmap* picture, TColor start, TColor end, TColor& top, TColor& bottom) {
  if (picture && !picture->Empty()) {
    top = bottom = picture->Pixel(0, picture->Height() / 2);
    return;
  }
  top = start;
  bottom = end == -1 ? start : end;
}

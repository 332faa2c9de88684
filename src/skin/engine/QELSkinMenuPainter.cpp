#include "engine/QELSkinMenuPainter.h"

#include <algorithm>

#include "QELSkinUtilsGradient.h"
#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsPlatform.h"

namespace {

struct TGutter {
  int Width;        // G
  int ImageHeight;  // IH
};

TGutter GutterOf(const TqelMenuItemLook& item) {
  if (item.Images) return {item.Images->Width() + 10, item.Images->Height()};
  return {26, 16};
}

bool HasUsableImage(const TqelMenuItemLook& item) {
  return item.Images && item.ImageIndex >= 0 && item.ImageIndex < item.Images->Count();
}

void PaintBackground(TCanvas& canvas, const RECT& r, const TqelMenuItemLook& item, const TqelMenuColors& colors,
                     int gutter) {
  if (item.Selected && item.Enabled) {
    FillRectColor(canvas, r, colors.Selected);
    FrameRectColor(canvas, r, colors.SelectedBorder);
    return;
  }
  const RECT bar = item.RightToLeft ? RECT{r.right - gutter, r.top, r.right, r.bottom}
                                    : RECT{r.left, r.top, r.left + gutter, r.bottom};
  const RECT rest = item.RightToLeft ? RECT{r.left, r.top, r.right - gutter, r.bottom}
                                     : RECT{r.left + gutter, r.top, r.right, r.bottom};
  if (colors.LeftBarStart == colors.LeftBarEnd)
    FillRectColor(canvas, bar, colors.LeftBarStart);
  else
    DrawHorizontalGradient(canvas, bar, colors.LeftBarStart, colors.LeftBarEnd);
  FillRectColor(canvas, rest, colors.Item);
}

void PaintText(TCanvas& canvas, const RECT& r, const TqelMenuItemLook& item, const TqelMenuColors& colors,
               int gutter) {
  SetMenuFont(canvas.Font());
  canvas.Font().SetColor(!item.Enabled ? colors.DisabledFont : item.Selected ? colors.SelectedFont : colors.ItemFont);
  if (item.Default) canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
  const TBrushStyle brushStyle = canvas.Brush().Style();
  canvas.Brush().SetStyle(bsClear);
  const UINT line = DT_SINGLELINE | DT_VCENTER;
  RECT caption = item.RightToLeft ? RECT{r.left, r.top, r.right - 4, r.bottom}
                                  : RECT{r.left + gutter + 4, r.top, r.right, r.bottom};
  // Right to left the caption ends before the gutter.
  if (item.RightToLeft) caption.right = r.right - gutter - 4;
  canvas.TextRect(caption, item.Caption, line | (item.RightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT));
  if (!item.ShortCut.empty()) {
    const int width = canvas.TextWidth(item.ShortCut);
    RECT shortcut = item.RightToLeft ? RECT{r.left + 30, r.top, r.right, r.bottom}
                                     : RECT{r.right - width - 16, r.top, r.right, r.bottom};
    canvas.TextRect(shortcut, item.ShortCut, line | DT_LEFT | DT_NOPREFIX);
  }
  canvas.Brush().SetStyle(brushStyle);
}

void PaintCheck(TCanvas& canvas, const RECT& r, const TqelMenuItemLook& item, const TqelMenuColors& colors,
                const TGutter& g, TCustomImageList& marks) {
  if (!HasUsableImage(item)) {
    const int w = marks.Width(), h = marks.Height();
    const int x = item.RightToLeft ? r.right - w - 4 : r.left + (g.Width - w) / 2;
    const int y = item.RightToLeft ? r.top + 3 : r.top + (g.ImageHeight + 5 - h) / 2;
    marks.Draw(canvas, x, y, 0);
    return;
  }
  const RECT frame = item.RightToLeft
                         ? RECT{r.right - g.Width + 5, r.top + 1, r.right - 2, r.top + g.ImageHeight + 4}
                         : RECT{r.left + 2, r.top + 1, r.left + g.Width - 5, r.top + g.ImageHeight + 4};
  FrameRectColor(canvas, frame, 0x000000);
  FillRectColor(canvas, RECT{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1}, colors.Item);
}

void PaintImage(TCanvas& canvas, const RECT& r, const TqelMenuItemLook& item) {
  if (HasUsableImage(item)) {
    const int x = item.RightToLeft ? r.right - item.Images->Width() - 4 : r.left + 4;
    item.Images->Draw(canvas, x, r.top + 3, item.ImageIndex, item.Enabled);
  } else if (item.OwnBitmap && !item.OwnBitmap->Empty()) {
    const RECT square = item.RightToLeft ? RECT{r.right - 20, r.top + 3, r.right - 4, r.top + 19}
                                         : RECT{r.left + 4, r.top + 3, r.left + 20, r.top + 19};
    canvas.StretchDraw(square, *item.OwnBitmap);
  }
}

}  // namespace

SIZE MeasureSkinMenuItem(TCanvas& Canvas, const TqelMenuItemLook& Item) {
  const int width = Canvas.TextWidth(Item.Caption) + (Item.ShortCut.empty() ? 0 : Canvas.TextWidth(Item.ShortCut)) + 66;
  if (Item.Separator) return {width, 5};
  int height = std::max(Canvas.TextHeight(Item.Caption), 21);
  if (Item.Images) height = std::max(height, Item.Images->Height() + 5);
  return {width, height};
}

void DrawSkinMenuItem(TCanvas& Canvas, const RECT& Rect, const TqelMenuItemLook& Item, const TqelMenuColors& Colors,
                      TCustomImageList& CheckMarks) {
  const TGutter gutter = GutterOf(Item);
  PaintBackground(Canvas, Rect, Item, Colors, gutter.Width);
  if (Item.Separator) {
    DrawMenuSeparator(Canvas, Rect, kMenuSeparatorColor, !Item.RightToLeft, gutter.Width);
    return;
  }
  PaintText(Canvas, Rect, Item, Colors, gutter.Width);
  if (Item.Checked) PaintCheck(Canvas, Rect, Item, Colors, gutter, CheckMarks);
  PaintImage(Canvas, Rect, Item);
}

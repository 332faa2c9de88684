#include "painters/QELSkinGroupBox.h"

#include "QELSkinUtilsPaint.h"
#include "framework/Control.h"
#include "engine/QELSkinEngine.h"
#include "painters/PainterSurface.h"

namespace {
constexpr int kCaptionIndent = 8;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_LEFT | DT_TOP;
}  // namespace

TGroupBoxLayout GroupBoxLayout(TCanvas& Canvas, SIZE Client, const TGroupBoxLook& Look) {
  TGroupBoxLayout layout;
  const int textHeight = Canvas.TextHeight(L"0");
  layout.Frame = RECT{0, textHeight / 2, Client.cx, Client.cy};
  if (Look.Caption.empty()) return layout;
  RECT text{0, 0, Client.cx, textHeight};
  Canvas.TextRect(text, Look.Caption, kCaptionFormat | DT_CALCRECT);
  const int width = text.right - text.left;
  const int x = Look.RightToLeft ? Client.cx - kCaptionIndent - width : kCaptionIndent;
  layout.Caption = RECT{x, 0, x + width, textHeight};
  return layout;
}

void PaintGroupBox(TCanvas& Canvas, SIZE Client, const TGroupBoxLook& Look, const TPainterSkin& Skin) {
  const TGroupBoxLayout layout = GroupBoxLayout(Canvas, Client, Look);
  // The band above the frame and a second ring inside it cover what the
  // control drew there; the inside is left to the control.
  FillRectColor(Canvas, RECT{0, 0, Client.cx, layout.Frame.top}, Look.Color);
  FrameRectColor(Canvas, layout.Frame, Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow));
  const RECT& f = layout.Frame;
  FrameRectColor(Canvas, RECT{f.left + 1, f.top + 1, f.right - 1, f.bottom - 1}, Look.Color);
  if (Look.Caption.empty()) return;
  FillRectColor(Canvas, layout.Caption, Look.Color);
  const TColor oldColor = Canvas.Font().Color();
  Canvas.Font().SetColor(Look.Enabled ? Skin.Color(SKIN2_CONTROLFONTCOLOR, clWindowText) : clGray);
  Canvas.Brush().SetStyle(bsClear);
  RECT text = layout.Caption;
  Canvas.TextRect(text, Look.Caption, kCaptionFormat | (Look.RightToLeft ? DT_RTLREADING : 0));
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Font().SetColor(oldColor);
}

void TqelSkinGroupBox::Paint() {
  TControl* c = Control();
  HWND h = GetHandle();
  if (!c || !h) return;
  TGroupBoxLook look{c->Caption(), c->Color(), IsEnabled(), ReadsRightToLeft(h)};
  const TPainterSkin skin = TPainterSkin::Of(Engine());
  PaintOnClientDC(h, [&](TCanvas& canvas, SIZE size) {
    canvas.Font() = c->Font();
    PaintGroupBox(canvas, size, look, skin);
  });
}

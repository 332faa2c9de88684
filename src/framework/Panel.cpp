#include "framework/Panel.h"

namespace {

void BevelColors(TPanelBevel bevel, TColor face, TColor& topLeft, TColor& bottomRight) {
  switch (bevel) {
    case bvLowered:
      topLeft = clBtnShadow;
      bottomRight = clBtnHighlight;
      break;
    case bvRaised:
      topLeft = clBtnHighlight;
      bottomRight = clBtnShadow;
      break;
    default:
      topLeft = bottomRight = face;
      break;
  }
}

}  // namespace

void Frame3D(TCanvas& canvas, RECT& rect, TColor topLeft, TColor bottomRight, int width) {
  TBrush& brush = canvas.Brush();
  brush.SetStyle(bsSolid);
  for (int i = 0; i < width && rect.right > rect.left && rect.bottom > rect.top; ++i) {
    brush.SetColor(topLeft);
    canvas.FillRect({rect.left, rect.top, rect.right - 1, rect.top + 1});
    canvas.FillRect({rect.left, rect.top, rect.left + 1, rect.bottom - 1});
    brush.SetColor(bottomRight);
    canvas.FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom});
    canvas.FillRect({rect.right - 1, rect.top, rect.right, rect.bottom});
    InflateRect(&rect, -1, -1);
  }
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ |= csAcceptsControls | csOpaque;
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::AdjustClientRect(RECT& rect) {
  TCustomControl::AdjustClientRect(rect);
  int inset = borderWidth_;
  if (bevelOuter_ != bvNone) inset += bevelWidth_;
  if (bevelInner_ != bvNone) inset += bevelWidth_;
  InflateRect(&rect, -inset, -inset);
}

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  TColor topLeft = Color(), bottomRight = Color();
  if (bevelOuter_ != bvNone) {
    BevelColors(bevelOuter_, Color(), topLeft, bottomRight);
    Frame3D(canvas, r, topLeft, bottomRight, bevelWidth_);
  }
  Frame3D(canvas, r, Color(), Color(), borderWidth_);
  if (bevelInner_ != bvNone) {
    BevelColors(bevelInner_, Color(), topLeft, bottomRight);
    Frame3D(canvas, r, topLeft, bottomRight, bevelWidth_);
  }
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  if (Caption().empty()) return;
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().Assign(Font());
  canvas.TextRect(r, Caption(), DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | kAlign[alignment_]);
}

void TCustomPanel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    default: TCustomControl::WndProc(m); break;
  }
}

void TCustomPanel::CMTextChanged(TMessage& m) {
  Invalidate();
  TCustomControl::WndProc(m);
}

void TCustomPanel::BevelsChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  BevelsChanged();
}

void TCustomPanel::SetBevelInner(TPanelBevel bevel) {
  if (bevel == bevelInner_) return;
  bevelInner_ = bevel;
  BevelsChanged();
}

void TCustomPanel::SetBevelWidth(int width) {
  if (width < 1) width = 1;
  if (width == bevelWidth_) return;
  bevelWidth_ = width;
  BevelsChanged();
}

void TCustomPanel::SetBorderWidth(int width) {
  if (width < 0) width = 0;
  if (width == borderWidth_) return;
  borderWidth_ = width;
  BevelsChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style) {
  if (style != bsNone) style = bsSingle;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
  Realign();
  Perform(CM_BORDERCHANGED);
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

std::vector<TPropInfo> TPanel::PublishedProperties() {
  return {
      PropLeft(),
      PropTop(),
      PropWidth(),
      PropHeight(),
      PropAlign(),
      PropAnchors(),
      OrdProp<TCustomPanel>("Alignment", "TAlignment", TTypeKind::Enumeration, &TCustomPanel::Alignment,
                            &TCustomPanel::SetAlignment, kAlignmentNames),
      OrdProp<TCustomPanel>("BevelInner", "TPanelBevel", TTypeKind::Enumeration, &TCustomPanel::BevelInner,
                            &TCustomPanel::SetBevelInner, kPanelBevelNames),
      OrdProp<TCustomPanel>("BevelOuter", "TPanelBevel", TTypeKind::Enumeration, &TCustomPanel::BevelOuter,
                            &TCustomPanel::SetBevelOuter, kPanelBevelNames),
      OrdProp<TCustomPanel>("BevelWidth", "TBevelWidth", TTypeKind::Integer, &TCustomPanel::BevelWidth,
                            &TCustomPanel::SetBevelWidth),
      OrdProp<TCustomPanel>("BorderWidth", "TBorderWidth", TTypeKind::Integer, &TCustomPanel::BorderWidth,
                            &TCustomPanel::SetBorderWidth),
      OrdProp<TCustomPanel>("BorderStyle", "TBorderStyle", TTypeKind::Enumeration,
                            &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle, kBorderStyleNames),
      PropCaption(),
      PropColor(),
      PropParentColor(),
      PropFont(),
      PropParentFont(),
      PropCursor(),
      PropHint(),
      PropEnabled(),
      PropVisible(),
      PropTabStop(),
  };
}

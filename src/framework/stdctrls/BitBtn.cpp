#include "framework/stdctrls/BitBtn.h"

#include <algorithm>

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM: CNDrawItem(m); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(m); break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      TButton::WndProc(m);
      Invalidate();
      break;
    default: TButton::WndProc(m); break;
  }
}

// An owner-drawn button reports a quick second click as a double-click
// instead of pressing again; press it as any other button.
void TBitBtn::WMLButtonDblClk(TMessage& m) {
  TMessage press = m;
  press.Msg = WM_LBUTTONDOWN;
  TButton::WndProc(press);
  m.Result = press.Result;
}

void TBitBtn::CNDrawItem(TMessage& m) {
  DrawFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
  m.Result = TRUE;
}

void TBitBtn::DrawFace(const DRAWITEMSTRUCT& item) {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  canvas_.SetHandle(item.hDC);
  try {
    RECT r = item.rcItem;
    canvas_.Brush().SetStyle(bsSolid);
    if (Active() || focused) {  // the default frame
      canvas_.Brush().SetColor(clWindowFrame);
      canvas_.FrameRect(r);
      InflateRect(&r, -1, -1);
    }
    if (pressed) {
      canvas_.Brush().SetColor(clBtnShadow);
      canvas_.FrameRect(r);
      InflateRect(&r, -1, -1);
      canvas_.Brush().SetColor(Color());
      canvas_.FillRect(r);
    } else {
      ::DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
      canvas_.Brush().SetColor(Color());
      canvas_.FillRect(r);
    }
    canvas_.Font().Assign(Font());
    const TButtonState state = disabled ? bsDisabled : pressed ? bsDown : bsUp;
    RECT client = item.rcItem;
    InflateRect(&client, -1, -1);
    const POINT offset{pressed ? 1 : 0, pressed ? 1 : 0};
    DrawButtonFace(canvas_, client, offset, Caption(), glyph_, numGlyphs_, layout_, margin_,
                               spacing_, state, WordWrap());
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
      RECT focus = item.rcItem;
      InflateRect(&focus, -4, -4);
      canvas_.Brush().SetColor(clBtnFace);
      canvas_.Font().SetColor(clBtnText);
      canvas_.DrawFocusRect(focus);
    }
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

void TBitBtn::FaceChanged() { Invalidate(); }

void TBitBtn::SetGlyph(const TBitmap& glyph) {
  glyph_ = glyph;
  FaceChanged();
}

void TBitBtn::SetNumGlyphs(int numGlyphs) {
  numGlyphs = std::clamp(numGlyphs, 1, 4);
  if (numGlyphs == numGlyphs_) return;
  numGlyphs_ = numGlyphs;
  FaceChanged();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  FaceChanged();
}

void TBitBtn::SetMargin(int margin) {
  if (margin < -1) margin = -1;
  if (margin == margin_) return;
  margin_ = margin;
  FaceChanged();
}

void TBitBtn::SetSpacing(int spacing) {
  if (spacing < -1) spacing = -1;
  if (spacing == spacing_) return;
  spacing_ = spacing;
  FaceChanged();
}

std::vector<TPropInfo> TBitBtn::PublishedProperties() {
  return {
      ObjProp<TBitBtn>("Glyph", "TBitmap", &TBitBtn::Glyph),
      OrdProp<TBitBtn>("Layout", "TButtonLayout", TTypeKind::Enumeration, &TBitBtn::Layout,
                       &TBitBtn::SetLayout, kButtonLayoutNames),
      OrdProp<TBitBtn>("Margin", "Integer", TTypeKind::Integer, &TBitBtn::Margin, &TBitBtn::SetMargin),
      OrdProp<TBitBtn>("NumGlyphs", "TNumGlyphs", TTypeKind::Integer, &TBitBtn::NumGlyphs,
                       &TBitBtn::SetNumGlyphs),
      OrdProp<TBitBtn>("Spacing", "Integer", TTypeKind::Integer, &TBitBtn::Spacing, &TBitBtn::SetSpacing),
  };
}

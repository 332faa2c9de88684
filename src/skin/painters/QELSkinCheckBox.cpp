#include "painters/QELSkinCheckBox.h"

#include <algorithm>

#include "QELSkinUtilsPaint.h"
#include "engine/QELSkinEngine.h"
#include "framework/Control.h"
#include "painters/PainterSurface.h"

bool SmallBoxAtRight(TAlignment Alignment, bool RightToLeft) noexcept {
  const bool captionRight = RightToLeft ? Alignment == taLeftJustify : Alignment == taRightJustify;
  return !captionRight;
}

RECT SmallBoxRect(SIZE Client, SIZE Picture, bool BoxAtRight) noexcept {
  const int w = std::max<int>(13, Picture.cx);
  const int h = std::max<int>(13, Picture.cy);
  const int x = BoxAtRight ? Client.cx - w - 1 : 0;
  const int y = (Client.cy - h) / 2;
  return RECT{x, y, x + w, y + h};
}

int CheckBoxFrameIndex(const TCheckBoxLook& Look) noexcept {
  int index = 3;
  if (Look.State == cbChecked) index = 1;
  else if (Look.State == cbGrayed) index = 2;
  return Look.Enabled ? index : index + 3;
}

void PaintSmallBox(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TBitmap& Picture) {
  if (Picture.Empty()) return;
  const RECT box = SmallBoxRect(Client, SIZE{Picture.Width(), Picture.Height()}, Look.BoxAtRight);
  FillRectColor(Canvas, box, Look.Color);
  Canvas.Draw(box.left, box.top, Picture);
}

void PaintCheckBox(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TPainterSkin& Skin) {
  const TBitmap frame = Skin.Frame(SKIN2_CHECKBOX, 6, CheckBoxFrameIndex(Look), Skin.Flag(SKIN2_CHECKBOXTRANS));
  PaintSmallBox(Canvas, Client, Look, frame);
}

// ---- The skinners -----------------------------------------------------------------------

void TSmallBoxFontColor::Remember(TControl& Control) { saved_ = Control.Font().Color(); }

void TSmallBoxFontColor::Apply(TControl& Control, bool Skinned, TColor SkinColor) {
  Control.Font().SetColor(Skinned && SkinColor != -1 ? SkinColor : saved_);
}

bool SmallBoxRepaintsAfter(UINT Msg) noexcept {
  return Msg == BM_SETCHECK || Msg == BM_SETSTATE || Msg == WM_LBUTTONDBLCLK || Msg == WM_SETFOCUS ||
         Msg == WM_KILLFOCUS;
}

TCheckBoxLook RawSmallBoxLook(HWND Window, TColor Color) {
  TCheckBoxLook look;
  const LRESULT check = ::SendMessageW(Window, BM_GETCHECK, 0, 0);
  look.State = check == BST_CHECKED ? cbChecked : check == BST_INDETERMINATE ? cbGrayed : cbUnchecked;
  look.Enabled = ::IsWindowEnabled(Window) != FALSE;
  const bool leftText = (::GetWindowLongPtrW(Window, GWL_STYLE) & BS_LEFTTEXT) != 0;
  look.BoxAtRight = SmallBoxAtRight(leftText ? taLeftJustify : taRightJustify, ReadsRightToLeft(Window));
  look.Color = Color;
  return look;
}

// ---- TqelSkinCheckBox

void TqelSkinCheckBox::Setup() {
  if (TControl* c = Control()) fontColor_.Remember(*c);
}

void TqelSkinCheckBox::Refresh() {
  TControl* c = Control();
  if (!c) return;
  fontColor_.Apply(*c, SkinActive() && !Engine().NoChangeButtonsFontColor(),
                   Engine().GetSkinColor(SKIN2_CONTROLFONTCOLOR));
}

void TqelSkinCheckBox::AfterMessage(TMessage& message) {
  TqelSkinControlVCL::AfterMessage(message);
  if (SmallBoxRepaintsAfter(message.Msg)) Repaint();
}

TCheckBoxLook TqelSkinCheckBox::Look() const {
  TCheckBoxLook look;
  auto* box = dynamic_cast<TCustomCheckBox*>(Control());
  if (!box) return look;
  look.State = box->State();
  look.Enabled = IsEnabled();
  look.BoxAtRight = SmallBoxAtRight(box->Alignment(), ReadsRightToLeft(GetHandle()));
  look.Color = box->Color();
  return look;
}

void TqelSkinCheckBox::Paint() {
  const TCheckBoxLook look = Look();
  const TPainterSkin skin = TPainterSkin::Of(Engine());
  PaintOnClientDC(GetHandle(), [&](TCanvas& canvas, SIZE size) { PaintCheckBox(canvas, size, look, skin); });
}

// ---- TqelSkinWndCheckBox

void TqelSkinWndCheckBox::AfterMessage(TMessage& message) {
  TqelSkinControlWnd::AfterMessage(message);
  if (SmallBoxRepaintsAfter(message.Msg)) Repaint();
}

TCheckBoxLook TqelSkinWndCheckBox::Look() const {
  return RawSmallBoxLook(GetHandle(), Engine().Values().FormColor == -1 ? clBtnFace : Engine().Values().FormColor);
}

void TqelSkinWndCheckBox::Paint() {
  const TCheckBoxLook look = Look();
  const TPainterSkin skin = TPainterSkin::Of(Engine());
  PaintOnClientDC(GetHandle(), [&](TCanvas& canvas, SIZE size) { PaintCheckBox(canvas, size, look, skin); });
}

void TqelSkinCheckBox::Teardown() {
  if (TControl* c = Control()) fontColor_.Apply(*c, false, -1);
  TqelSkinControlVCL::Teardown();
}

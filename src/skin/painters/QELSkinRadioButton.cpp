#include "painters/QELSkinRadioButton.h"

#include "engine/QELSkinEngine.h"
#include "framework/stdctrls/RadioButton.h"
#include "painters/PainterSurface.h"

int RadioButtonFrameIndex(const TCheckBoxLook& Look) noexcept {
  const int index = Look.State == cbChecked ? 1 : 2;
  return Look.Enabled ? index : index + 2;
}

void PaintRadioButton(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TPainterSkin& Skin,
                      bool Transparent) {
  const TBitmap frame = Skin.Frame(SKIN2_RADIOBUTTON, 4, RadioButtonFrameIndex(Look), Transparent);
  PaintSmallBox(Canvas, Client, Look, frame);
}

// ---- TqelSkinRadioButton

void TqelSkinRadioButton::Setup() {
  if (TControl* c = Control()) fontColor_.Remember(*c);
}

void TqelSkinRadioButton::Refresh() {
  if (TControl* c = Control())
    fontColor_.Apply(*c, SkinActive() && !Engine().NoChangeButtonsFontColor(),
                     Engine().GetSkinColor(SKIN2_CONTROLFONTCOLOR));
}

void TqelSkinRadioButton::AfterMessage(TMessage& message) {
  TqelSkinControlVCL::AfterMessage(message);
  if (SmallBoxRepaintsAfter(message.Msg)) Repaint();
}

TCheckBoxLook TqelSkinRadioButton::Look() const {
  TCheckBoxLook look;
  auto* radio = dynamic_cast<TRadioButton*>(Control());
  if (!radio) return look;
  look.State = radio->Checked() ? cbChecked : cbUnchecked;
  look.Enabled = IsEnabled();
  look.BoxAtRight = SmallBoxAtRight(radio->Alignment(), ReadsRightToLeft(GetHandle()));
  look.Color = radio->Color();
  return look;
}

void TqelSkinRadioButton::Paint() {
  const TCheckBoxLook look = Look();
  const TPainterSkin skin = TPainterSkin::Of(Engine());
  PaintOnClientDC(GetHandle(), [&](TCanvas& canvas, SIZE size) { PaintRadioButton(canvas, size, look, skin, true); });
}

// ---- TqelSkinWndRadioButton

void TqelSkinWndRadioButton::AfterMessage(TMessage& message) {
  TqelSkinControlWnd::AfterMessage(message);
  if (SmallBoxRepaintsAfter(message.Msg)) Repaint();
}

void TqelSkinWndRadioButton::Paint() {
  const TColor form = Engine().Values().FormColor;
  const TCheckBoxLook look = RawSmallBoxLook(GetHandle(), form == -1 ? clBtnFace : form);
  const TPainterSkin skin = TPainterSkin::Of(Engine());
  const bool transparent = skin.Flag(SKIN2_RADIOBUTTONTRANS);
  PaintOnClientDC(GetHandle(),
                  [&](TCanvas& canvas, SIZE size) { PaintRadioButton(canvas, size, look, skin, transparent); });
}

void TqelSkinRadioButton::Teardown() {
  if (TControl* c = Control()) fontColor_.Apply(*c, false, -1);
  TqelSkinControlVCL::Teardown();
}

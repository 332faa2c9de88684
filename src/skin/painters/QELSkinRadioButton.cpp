#include "painters/QELSkinRadioButton.h"

int RadioButtonFrameIndex(const TCheckBoxLook& Look) noexcept {
  const int index = Look.State == cbChecked ? 1 : 2;
  return Look.Enabled ? index : index + 2;
}

void PaintRadioButton(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TPainterSkin& Skin,
                      bool Transparent) {
  const TBitmap frame = Skin.Frame(SKIN2_RADIOBUTTON, 4, RadioButtonFrameIndex(Look), Transparent);
  PaintSmallBox(Canvas, Client, Look, frame);
}

#pragma once
// The radio-button painter: a small box (see QELSkinCheckBox.h) from the
// skin's four radio-button frames.
#include "painters/QELSkinCheckBox.h"

// The frame of the skin's four: enabled checked 1, enabled unchecked 2,
// disabled checked 3, disabled unchecked 4 (a grayed state counts as
// unchecked).
int RadioButtonFrameIndex(const TCheckBoxLook& Look) noexcept;

// Paints the box; the frame's transparent colour shows the control's
// colour when Transparent.
void PaintRadioButton(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TPainterSkin& Skin,
                      bool Transparent);

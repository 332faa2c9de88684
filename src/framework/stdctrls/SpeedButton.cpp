#include "framework/stdctrls/SpeedButton.h"

#include <algorithm>

#include "framework/WinControl.h"
#include "framework/stdctrls/StdCtrlsCommon.h"

namespace {

// Sent to the siblings of a button of a group that went down:
// WParam = GroupIndex, LParam = the button.
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 0x50;

}  // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  SetParentColor(true);
  controlStyle_ = csCaptureMouse | csDoubleClicks;  // clicks are ours: on release inside
}

TButtonState TSpeedButton::State() const noexcept {
  if (!Enabled()) return bsDisabled;
  if (pressing_ && pressedInside_) return bsDown;
  if (down_) return bsExclusive;
  return bsUp;
}

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(m); break;
    case CM_MOUSELEAVE: CMMouseLeave(m); break;
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    case CM_BUTTONPRESSED: CMButtonPressed(m); break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TGraphicControl::WndProc(m);
      Invalidate();
      break;
    default: TGraphicControl::WndProc(m); break;
  }
}

void TSpeedButton::CMMouseEnter(TMessage& m) {
  TGraphicControl::WndProc(m);
  if (!mouseInControl_ && Enabled()) {
    mouseInControl_ = true;
    if (flat_) Invalidate();
  }
}

void TSpeedButton::CMMouseLeave(TMessage& m) {
  TGraphicControl::WndProc(m);
  if (mouseInControl_) {
    mouseInControl_ = false;
    if (flat_) Invalidate();
  }
}

void TSpeedButton::CMDialogChar(TMessage& m) {
  m.Result = 0;
  if (IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && Enabled() && Visible() && Parent() &&
      Parent()->Showing()) {
    Click();
    m.Result = 1;
  }
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  pressing_ = pressedInside_ = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!pressing_) return;
  const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
  if (inside != pressedInside_) {
    pressedInside_ = inside;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !pressing_) return;
  const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
  pressing_ = pressedInside_ = false;
  Invalidate();
  if (inside) Click();
}

void TSpeedButton::Click() {
  if (groupIndex_ != 0) SetDown(!(down_ && allowAllUp_));
  TGraphicControl::Click();
}

void TSpeedButton::SetDown(bool down) {
  if (groupIndex_ == 0) down = false;
  if (down == down_) return;
  if (down_ && !allowAllUp_) return;  // it goes up when another one goes down
  down_ = down;
  Invalidate();
  if (down_) GroupChanged();
}

void TSpeedButton::GroupChanged() {
  if (!Parent() || groupIndex_ == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    Parent()->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_),
                                   reinterpret_cast<LPARAM>(this));
}

void TSpeedButton::CMButtonPressed(TMessage& m) {
  m.Result = 0;
  auto* sender = reinterpret_cast<TSpeedButton*>(m.LParam);
  if (sender == this || static_cast<int>(m.WParam) != groupIndex_ || !down_) return;
  down_ = false;  // another button of the group went down
  allowAllUp_ = sender->allowAllUp_;
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int index) {
  if (index == groupIndex_) return;
  groupIndex_ = index;
  if (groupIndex_ == 0) SetDown(false);
  else if (down_) GroupChanged();
}

void TSpeedButton::SetAllowAllUp(bool allow) {
  if (allow == allowAllUp_) return;
  allowAllUp_ = allow;
  if (!Parent() || groupIndex_ == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)  // a group shares it
    if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)); b && b->groupIndex_ == groupIndex_)
      b->allowAllUp_ = allow;
}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
  glyph_ = glyph;
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int numGlyphs) {
  numGlyphs = std::clamp(numGlyphs, 1, 4);
  if (numGlyphs == numGlyphs_) return;
  numGlyphs_ = numGlyphs;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
  margin = std::max(-1, margin);
  if (margin == margin_) return;
  margin_ = margin;
  Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
  spacing = std::max(-1, spacing);
  if (spacing == spacing_) return;
  spacing_ = spacing;
  Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  Invalidate();
}

void TSpeedButton::PaintFrame(RECT& face) {
  TCanvas& canvas = Canvas();
  const TButtonState state = State();
  const bool sunken = state == bsDown || state == bsExclusive;
  if (!flat_) {
    // Raised or pushed, the face filled in the button colour.
    ::DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON,
                       DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (sunken ? DFCS_PUSHED : 0));
  } else if (sunken || (mouseInControl_ && state != bsDisabled)) {
    ::DrawEdge(canvas.Handle(), &face, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    if (state == bsDown) {
      canvas.Brush().SetStyle(bsSolid);
      canvas.Brush().SetColor(clBtnFace);
      canvas.FillRect(face);
    }
  }
  if (state != bsExclusive) return;
  // The checkered face of a button held down.
  const std::uint32_t a = ColorToPixel(clBtnFace), b = ColorToPixel(clBtnHighlight);
  TBitmap pattern(std::max(0, static_cast<int>(face.right - face.left)),
                  std::max(0, static_cast<int>(face.bottom - face.top)));
  for (int y = 0; y < pattern.Height(); ++y)
    for (int x = 0; x < pattern.Width(); ++x) pattern.ScanLine(y)[x] = ((x + y) & 1) ? a : b;
  canvas.Draw(face.left, face.top, pattern);
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  RECT face{0, 0, Width(), Height()};
  PaintFrame(face);  // a flat button up shows its parent behind it
  canvas.Font().Assign(Font());
  const TButtonState state = State();
  const int shift = state == bsDown || state == bsExclusive ? 1 : 0;
  RECT client{0, 0, Width(), Height()};
  InflateRect(&client, -1, -1);
  DrawButtonFace(canvas, client, {shift, shift}, Caption(), glyph_, numGlyphs_, layout_, margin_, spacing_, state,
                 false);
}

std::vector<TPropInfo> TSpeedButton::PublishedProperties() {
  return StdPublished::With(
      {
          BoolProp<TSpeedButton>("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp),
          StdPublished::Caption(),
          BoolProp<TSpeedButton>("Down", &TSpeedButton::Down, &TSpeedButton::SetDown),
          BoolProp<TSpeedButton>("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat),
          ObjProp<TSpeedButton>("Glyph", "TBitmap", &TSpeedButton::Glyph),
          OrdProp<TSpeedButton>("GroupIndex", "Integer", TTypeKind::Integer, &TSpeedButton::GroupIndex,
                                &TSpeedButton::SetGroupIndex),
          OrdProp<TSpeedButton>("Layout", "TButtonLayout", TTypeKind::Enumeration, &TSpeedButton::Layout,
                                &TSpeedButton::SetLayout, kButtonLayoutNames),
          OrdProp<TSpeedButton>("Margin", "Integer", TTypeKind::Integer, &TSpeedButton::Margin,
                                &TSpeedButton::SetMargin),
          OrdProp<TSpeedButton>("NumGlyphs", "TNumGlyphs", TTypeKind::Integer, &TSpeedButton::NumGlyphs,
                                &TSpeedButton::SetNumGlyphs),
          OrdProp<TSpeedButton>("Spacing", "Integer", TTypeKind::Integer, &TSpeedButton::Spacing,
                                &TSpeedButton::SetSpacing),
      },
      StdPublished::kParentColor);
}

#include "painters/QELSkinSpeedButton.h"

#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsParts.h"
#include "painters/QELSkinFlatButton.h"
#include "QELSkinUtilsBitmap.h"
#include "engine/QELSkinEngine.h"
#include "framework/WinControl.h"
#include "framework/stdctrls/SpeedButton.h"
#include "graphics/GdiObjects.h"
#include "painters/QELSkinGlyphLayout.h"
#include "painters/PainterSurface.h"

int SpeedButtonFrameIndex(const TSpeedButtonLook& Look) noexcept {
  if ((Look.Pressed && Look.Enabled) || Look.Down) return 3;
  if (Look.Hot && Look.Enabled) return 2;
  return 1;
}

void PaintSpeedButtonFace(TCanvas& Canvas, SIZE Size, const TSpeedButtonLook& Look, const TPainterSkin& Skin) {
  const RECT all{0, 0, Size.cx, Size.cy};
  FillRectColor(Canvas, all, Look.ParentColor);
  const int index = SpeedButtonFrameIndex(Look);
  if (Look.Flat) {
    PaintFlatButtonFace(Canvas, all, index == 3 ? ffDown : index == 2 ? ffHot : ffNormal, Skin);
    return;
  }
  const bool transparent = Skin.Flag(SKIN2_BUTTONTRANS);
  const TBitmap frame = Skin.Frame(SKIN2_BUTTON, 3, index, transparent);
  if (frame.Empty()) return;
  DrawNineGrid(frame, Canvas, all, Skin.Color(SKIN2_TRANSCOLOR, clFuchsia), transparent);
}

void PaintSelfPaintedFrame(TCanvas& Canvas, SIZE Size, const TPainterSkin& Skin) {
  constexpr int kBand = 2;
  FillRectColor(Canvas, RECT{0, 0, Size.cx, kBand}, clBtnFace);
  FillRectColor(Canvas, RECT{0, Size.cy - kBand, Size.cx, Size.cy}, clBtnFace);
  FillRectColor(Canvas, RECT{0, 0, kBand, Size.cy}, clBtnFace);
  FillRectColor(Canvas, RECT{Size.cx - kBand, 0, Size.cx, Size.cy}, clBtnFace);
  FillRectColor(Canvas, RECT{0, 0, 1, Size.cy}, Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow));
}

// ---- TqelSkinSpeedButton

namespace {

TSpeedButton* SpeedButtonOf(TControl* control) { return dynamic_cast<TSpeedButton*>(control); }

bool SelfPainted(const TControl* control) { return control && control->Tag() == kSelfPaintedSpeedButtonTag; }

// Frame `index` (1-based) of a glyph strip of `count`, transparent in the
// strip's own transparent colour; a single disabled frame is greyed.
TBitmap GlyphFrame(const TBitmap& strip, int count, bool enabled) {
  count = count < 1 ? 1 : count;
  const int index = !enabled && count > 1 ? 2 : 1;
  TBitmap frame;
  SliceBitmap(&strip, frame, count, index);
  const TColor key = strip.Pixel(0, strip.Height() - 1);
  if (!enabled && count == 1) {
    const std::uint32_t keyPixel = ColorToPixel(key);
    for (int y = 0; y < frame.Height(); ++y)
      for (int x = 0; x < frame.Width(); ++x)
        if ((frame.ScanLine(y)[x] & 0xFFFFFF) != keyPixel) frame.ScanLine(y)[x] = 0x808080;
  }
  frame.SetTransparentColor(key);
  frame.SetTransparent(true);
  return frame;
}

}  // namespace

TSpeedButtonLook TqelSkinSpeedButton::Look() const {
  TSpeedButtonLook look;
  TSpeedButton* button = SpeedButtonOf(Control());
  if (!button) return look;
  look.Pressed = Pressed();
  look.Down = button->Down();
  look.Hot = Hot();
  look.Enabled = IsEnabled();
  look.Flat = button->Flat();
  look.SelfPainted = SelfPainted(button);
  const TColor form = Engine().Values().FormColor;
  look.ParentColor = button->Parent() ? button->Parent()->Color() : form == -1 ? clBtnFace : form;
  return look;
}

bool TqelSkinSpeedButton::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: SetPressed(true); return true;
    case WM_ERASEBKGND: message.Result = 1; return false;
    case WM_PAINT:
      if (SelfPainted(Control())) return true;
      message.Result = 0;
      return false;
    default: return true;
  }
}

void TqelSkinSpeedButton::AfterMessage(TMessage& message) {
  if (message.Msg == WM_PAINT) paintDC_ = reinterpret_cast<HDC>(message.WParam);
  TqelSkinControlVCL::AfterMessage(message);
  paintDC_ = nullptr;
}

void TqelSkinSpeedButton::Paint() {
  TControl* c = Control();
  if (!c || !c->Visible()) return;
  if (paintDC_) {
    PaintOn(paintDC_);
    return;
  }
  // Outside a WM_PAINT: on the parent's DC, moved to the button and cut to it.
  TWinControl* parent = c->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  UniqueWindowDC dc = UniqueWindowDC::Client(parent->Handle());
  if (!dc) return;
  SavedDC saved(dc.get());
  const RECT b = c->BoundsRect();
  ::IntersectClipRect(dc.get(), b.left, b.top, b.right, b.bottom);
  ::SetViewportOrgEx(dc.get(), b.left, b.top, nullptr);
  PaintOn(dc.get());
}

void TqelSkinSpeedButton::PaintOn(HDC dc) {
  TControl* c = Control();
  const SIZE size{c->Width(), c->Height()};
  const TSpeedButtonLook look = Look();
  const TPainterSkin skin = TPainterSkin::Of(Engine());
  if (look.SelfPainted) {
    TCanvas canvas(dc);
    PaintSelfPaintedFrame(canvas, size, skin);
    return;
  }
  PresentFace(dc, size, face_, [&](TCanvas& canvas, SIZE s) {
    PaintSpeedButtonFace(canvas, s, look, skin);
    DrawGlyphAndCaption(canvas, s);
  });
}

void TqelSkinSpeedButton::DrawGlyphAndCaption(TCanvas& canvas, SIZE size) {
  TSpeedButton* button = SpeedButtonOf(Control());
  if (!button) return;
  const bool enabled = IsEnabled();
  const bool pressed = Pressed() && enabled;
  canvas.Font() = button->Font();
  const std::wstring caption = button->Caption();
  RECT measured{0, 0, size.cx, size.cy};
  if (!caption.empty()) canvas.TextRect(measured, caption, DT_CALCRECT | DT_SINGLELINE);
  const SIZE captionSize = caption.empty() ? SIZE{} : SIZE{measured.right - measured.left, measured.bottom - measured.top};
  TBitmap glyph;
  if (!button->Glyph().Empty()) glyph = GlyphFrame(button->Glyph(), button->NumGlyphs(), enabled);
  const SIZE glyphSize{glyph.Width(), glyph.Height()};
  const RECT area{1, 1, size.cx - 1, size.cy - 1};
  const TqelGlyphPlacement place = PlaceGlyphAndCaption(area, glyphSize, captionSize, static_cast<int>(button->Layout()),
                                                        button->Margin(), button->Spacing(), false);
  const int shift = pressed ? 1 : 0;
  if (!glyph.Empty()) canvas.Draw(place.Glyph.x + shift, place.Glyph.y + shift, glyph);
  if (caption.empty()) return;
  RECT text = place.Caption;
  ::OffsetRect(&text, shift, shift);
  canvas.Font().SetColor(enabled ? Engine().GetSkinColor(SKIN2_BUTTONFONTCOLOR) : 0x808080);
  canvas.Brush().SetStyle(bsClear);
  canvas.TextRect(text, caption, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  canvas.Brush().SetStyle(bsSolid);
}

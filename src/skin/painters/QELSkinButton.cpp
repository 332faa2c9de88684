#include "painters/QELSkinButton.h"

#include <algorithm>

#include "AnsiText.h"
#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsForms.h"
#include "QELSkinUtilsParts.h"
#include "QELSkinUtilsPlatform.h"
#include "engine/QELSkinEngine.h"
#include "framework/ImageList.h"
#include "framework/Properties.h"
#include "framework/stdctrls/Button.h"
#include "painters/QELSkinGlyphLayout.h"

namespace {

constexpr WPARAM kEnter = 13;
constexpr WPARAM kSpace = 32;
constexpr int kFocusInset = 5;

// A published ordinal, or fallback when the control has none.
std::int64_t OrdOr(const TObject& object, std::string_view name, std::int64_t fallback) {
  try {
    return FindProperty(object, name) ? GetOrdProp(object, name) : fallback;
  } catch (...) {
    return fallback;
  }
}

// The published "Glyph" bitmap, when it holds one.
const TBitmap* GlyphOf(const TObject& object) {
  const TPropInfo* p = FindProperty(object, "Glyph");
  if (!p || p->Kind != TTypeKind::Class || p->TypeName != "TBitmap") return nullptr;
  try {
    const auto* glyph = GetObjectProp<TBitmap>(object, "Glyph", "TBitmap");
    return glyph && !glyph->Empty() ? glyph : nullptr;
  } catch (...) {
    return nullptr;
  }
}

}  // namespace

// ---- The skin's pieces -----------------------------------------------------------------------

TqelButtonSkin TqelButtonSkin::Read(const TqelSkinEngine& engine) {
  TqelButtonSkin skin;
  for (int i = 0; i < 3; ++i) engine.GetSkinBitmap(SKIN2_BUTTON, skin.Frames[static_cast<size_t>(i)], i + 1, 3);
  skin.Transparent = engine.GetSkinFlag(SKIN2_BUTTONTRANS);
  skin.TransparentColor = engine.GetSkinColor(SKIN2_TRANSCOLOR);
  skin.FontColor = engine.GetSkinColor(SKIN2_BUTTONFONTCOLOR);
  skin.FormColor = engine.GetSkinColor(SKIN2_FORMCOLOR);
  return skin;
}

// ---- The paint -------------------------------------------------------------------------------

void PaintButtonFace(TCanvas& canvas, const RECT& client, const TqelButtonLook& look, const TqelButtonSkin& skin) {
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(look.Background);
  canvas.FillRect(client);
  const TBitmap& frame = skin.Frames[static_cast<size_t>(look.FrameIndex() - 1)];
  if (!frame.Empty()) DrawNineGrid(frame, canvas, client, skin.TransparentColor, skin.Transparent);
  if (look.Focused) {
    RECT focus = client;
    ::InflateRect(&focus, -kFocusInset, -kFocusInset);
    if (look.Pressed) ::OffsetRect(&focus, 1, 1);
    canvas.Brush().SetStyle(bsSolid);
    canvas.DrawFocusRect(focus);
  }
}

void PaintButtonGlyph(TCanvas& canvas, const TBitmap& strip, int numGlyphs, bool enabled, bool pressed, POINT at) {
  numGlyphs = std::max(1, numGlyphs);
  if (pressed) {
    at.x += 1;
    at.y += 1;
  }
  if (numGlyphs > 1 || enabled) {
    TBitmap frame;
    SliceBitmap(&strip, frame, numGlyphs, enabled ? 1 : std::min(2, numGlyphs));
    frame.SetTransparentMode(tmAuto);
    frame.SetTransparent(true);
    canvas.Draw(at.x, at.y, frame);
    return;
  }
  // One frame and disabled: greyed, masked by its top-left pixel.
  TOwned<TImageList> images = MakeComponent<TImageList>();
  images->SetSize(strip.Width(), strip.Height());
  images->AddMasked(strip, strip.Pixel(0, 0));
  images->Draw(canvas, at.x, at.y, 0, false);
}

// ---- The skinner -----------------------------------------------------------------------------

TqelButtonLook TqelSkinButton::Look() const {
  TqelButtonLook look;
  auto* button = dynamic_cast<TWinControl*>(Control());
  if (!button) return look;
  look.Pressed = Pressed();
  look.Hot = Hot();
  look.Focused = button->HandleAllocated() && button->Focused();
  look.Enabled = button->Enabled();
  const TWinControl* parent = button->Parent();
  if (parent && HasPublishedProperty(parent, "Color")) look.Background = parent->Color();
  else look.Background = Engine().Values().FormColor;
  return look;
}

void TqelSkinButton::Setup() {
  TqelSkinControlVCL::Setup();
  clickArmed_ = spaceArmed_ = pushed_ = false;
}

bool TqelSkinButton::BeforeMessage(TMessage& m) {
  // WM_KILLFOCUS reaches the button: it keeps its own focus state (what
  // BM_GETSTATE reports) and its form learns which button is the default.
  switch (m.Msg) {
    case WM_KEYDOWN: return BeforeKeyDown(m);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return BeforePress(m);
    case CM_GOTFOCUS:
    case CM_LOSTFOCUS: return BeforeFocusNote(m);
    case WM_PAINT: return BeforePaint(m);
    case WM_ERASEBKGND: return BeforeEraseBkgnd(m);
    default: return true;
  }
}

bool TqelSkinButton::BeforeKeyDown(TMessage& m) {
  if (m.WParam != kEnter && m.WParam != kSpace) return true;
  if (m.WParam == kSpace) pushed_ = true;
  return false;
}

bool TqelSkinButton::BeforePress(TMessage&) {
  SetPressed(true);
  pushed_ = true;
  Repaint();
  return false;
}

bool TqelSkinButton::BeforeFocusNote(TMessage&) {
  Repaint();
  return false;
}

bool TqelSkinButton::BeforePaint(TMessage& m) {
  if (HWND h = GetHandle()) {
    PaintDC dc(h);
    Paint();
  }
  m.Result = 0;
  return false;
}

bool TqelSkinButton::BeforeEraseBkgnd(TMessage& m) {
  m.Result = 1;
  return false;
}

void TqelSkinButton::AfterMessage(TMessage& m) {
  TqelSkinControlVCL::AfterMessage(m);
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Repaint(); break;  // the focus rectangle (the button keeps its own focus state)
    case WM_CHAR: AfterChar(m); break;
    case WM_UPDATEUISTATE:
      if (PlatformFlags().IsWinXP || PlatformFlags().IsWinVista) Repaint();
      break;
    case WM_LBUTTONDBLCLK: AfterDblClick(m); break;
    case BM_GETSTATE: AfterGetState(m); break;
    default: break;
  }
}

void TqelSkinButton::AfterChar(TMessage& m) {
  if (m.WParam != 0 && m.WParam != kEnter) return;
  SetPressed(false);
  Repaint();
  ClickButton();
}

void TqelSkinButton::AfterDblClick(TMessage&) {
  clickArmed_ = false;
  ClickButton();
}

void TqelSkinButton::AfterGetState(TMessage& m) {
  if (pushed_) m.Result |= BST_PUSHED;
}

void TqelSkinButton::ClickButton() {
  if (auto* button = dynamic_cast<TCustomButton*>(Control())) button->Click();
}

void TqelSkinButton::MouseLeft() {
  // A press that left the button is no click any more (the button holds no
  // capture, so the release may never come here).
  clickArmed_ = false;
  pushed_ = false;
}

void TqelSkinButton::LeftButtonDown() {
  auto* button = dynamic_cast<TWinControl*>(Control());
  if (!button) return;
  TCustomForm* form = GetParentForm(button);
  if (form && IsFormActive(form) && button->CanFocus() && button->Enabled() && button->Visible()) {
    try {
      button->SetFocus();
    } catch (...) {
      // The press still arms the click.
    }
  }
  clickArmed_ = true;
}

void TqelSkinButton::LeftButtonUp() {
  pushed_ = false;
  const bool armed = std::exchange(clickArmed_, false);
  if (armed) ClickButton();
}

void TqelSkinButton::KeyDown(WORD) { spaceArmed_ = true; }

void TqelSkinButton::KeyUp(WORD key) {
  auto* button = dynamic_cast<TWinControl*>(Control());
  const bool armed = std::exchange(spaceArmed_, false);
  if (key != kSpace) return;
  pushed_ = false;
  if (armed && button && button->Focused() && button->Enabled() && SkinActive()) {
    SetPressed(false);
    Repaint();
    ClickButton();
  }
}

// ---- Painting --------------------------------------------------------------------------------

void TqelSkinButton::Paint() {
  auto* button = dynamic_cast<TWinControl*>(Control());
  if (!button || !GetHandle()) return;
  const RECT client = button->ClientRect();
  if (client.right <= 0 || client.bottom <= 0) return;
  TBitmap face(client.right, client.bottom);
  const TqelButtonLook look = Look();
  const TqelButtonSkin skin = TqelButtonSkin::Read(Engine());
  PaintButtonFace(face.Canvas(), client, look, skin);
  const RECT captionRect = PaintGlyph(face, client, look);
  // The skin's button font colour becomes the button's own.
  if (!Engine().NoChangeButtonsFontColor() && skin.FontColor != -1 && button->Font().Color() != skin.FontColor)
    button->Font().SetColor(skin.FontColor);
  PaintCaption(face, captionRect);
}

RECT TqelSkinButton::PaintGlyph(TBitmap& face, const RECT& client, const TqelButtonLook& look) {
  TControl& button = *Control();
  const TBitmap* glyph = GlyphOf(button);
  if (!glyph) return client;
  RECT area = client;
  ::InflateRect(&area, -1, -1);
  const int numGlyphs = static_cast<int>(std::max<std::int64_t>(1, OrdOr(button, "NumGlyphs", 1)));
  const SIZE glyphSize{glyph->Width() / numGlyphs, glyph->Height()};
  const std::wstring& caption = button.Caption();
  SIZE captionSize{0, 0};
  if (!caption.empty()) {
    TCanvas& canvas = face.Canvas();
    canvas.Font().Assign(button.Font());
    RECT measured{0, 0, area.right - area.left, 0};
    const bool wrap = OrdOr(button, "WordWrap", 0) != 0;
    canvas.TextRect(measured, caption, DT_CALCRECT | (wrap ? DT_WORDBREAK : 0));
    captionSize = {measured.right - measured.left, measured.bottom - measured.top};
  }
  const int spacing = caption.empty() ? 0 : static_cast<int>(OrdOr(button, "Spacing", 4));
  const TqelGlyphPlacement place =
      PlaceGlyphAndCaption(area, glyphSize, captionSize, static_cast<int>(OrdOr(button, "Layout", glGlyphLeft)),
                           static_cast<int>(OrdOr(button, "Margin", -1)), spacing, false);
  PaintButtonGlyph(face.Canvas(), *glyph, numGlyphs, look.Enabled, look.Pressed, place.Glyph);
  return caption.empty() ? client : place.Caption;
}

void TqelSkinButton::PaintCaption(TBitmap& face, const RECT& rect) {
  TControl& button = *Control();
  const bool wrap = OrdOr(button, "WordWrap", 0) != 0;
  const TPropInfo* caption = FindProperty(button, "Caption");
  // The platform here is always NT; the ANSI form serves narrow captions.
  if (!caption || caption->Kind == TTypeKind::WString) DrawTextWide(face, wrap, rect, &button.Font());
  else DrawTextAnsi(face, ToAnsi(button.Caption()), wrap, rect, &button.Font());
}

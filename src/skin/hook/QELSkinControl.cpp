#include "hook/QELSkinControl.h"

#include <algorithm>
#include <string>

#include "engine/QELSkinEngine.h"
#include "engine/QELSkinMessages.h"
#include "frame/QELSkinWindow.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Font.h"
#include "graphics/GdiObjects.h"

namespace {

constexpr WORD kEnter = 13;
constexpr WORD kSpace = 32;
constexpr TColor kDisabledText = 0x808080;

bool IsPressKey(WPARAM key) noexcept { return key == kEnter || key == kSpace; }

// Where a caption goes: the measured text centred in rect (the halves of
// the free room rounded toward zero, as integer division does).
RECT CentredIn(const RECT& rect, const RECT& measured) noexcept {
  const int w = measured.right - measured.left;
  const int h = measured.bottom - measured.top;
  const int dx = ((rect.right - rect.left) - w) / 2;
  const int dy = ((rect.bottom - rect.top) - h) / 2;
  return RECT{rect.left + dx, rect.top + dy, rect.left + dx + w, rect.top + dy + h};
}

}  // namespace

TqelSkinControl::TqelSkinControl(TqelSkinWindow& window) : window_(window), engine_(window.Engine()) {}

TqelSkinControl::~TqelSkinControl() = default;

// ---- Life ------------------------------------------------------------------------------

void TqelSkinControl::Start() {
  if (started_) return;
  started_ = true;
  state_ = 0;
  detached_ = false;
  Hook();
  hooked_ = true;
  Setup();
}

void TqelSkinControl::Remove() {
  if (!detached_) Teardown();
  detached_ = true;
  if (hooked_) Unhook();
  hooked_ = false;
}

bool TqelSkinControl::SkinActive() const noexcept { return !engine_.IsDestroying() && engine_.SkinIsActive(); }

void TqelSkinControl::Repaint() {
  if (SkinActive()) Paint();
}

// ---- The state observer ----------------------------------------------------------------

bool TqelSkinControl::BeforeMessage(TMessage&) { return true; }

void TqelSkinControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case QM_REPAINT:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED: Repaint(); break;
    case WM_KEYDOWN: ObserveKeyDown(m); break;
    case WM_KEYUP: ObserveKeyUp(m); break;
    case WM_LBUTTONDOWN: ObserveButtonDown(m); break;
    case WM_LBUTTONUP: ObserveButtonUp(m); break;
    case QM_SKINNEDQUERY: m.Result = 1; break;
    case CM_MOUSEENTER: ObserveMouseEnter(m); break;
    case CM_MOUSELEAVE: ObserveMouseLeave(m); break;
    default: break;
  }
}

void TqelSkinControl::ObserveKeyDown(TMessage& m) {
  if (IsPressKey(m.WParam)) SetPressed(true);
  Repaint();
  KeyDown(static_cast<WORD>(m.WParam));
}

void TqelSkinControl::ObserveKeyUp(TMessage& m) {
  if (IsPressKey(m.WParam)) SetPressed(false);
  Repaint();
  KeyUp(static_cast<WORD>(m.WParam));
}

void TqelSkinControl::ObserveButtonDown(TMessage&) {
  SetPressed(true);
  Repaint();
  LeftButtonDown();
}

void TqelSkinControl::ObserveButtonUp(TMessage&) {
  SetPressed(false);
  Repaint();
  LeftButtonUp();
}

void TqelSkinControl::ObserveMouseEnter(TMessage&) {
  SetHot(true);
  Repaint();
  MouseEntered();
}

void TqelSkinControl::ObserveMouseLeave(TMessage&) {
  SetHot(false);
  SetPressed(false);
  Repaint();
  MouseLeft();
}

// ---- Caption drawing -------------------------------------------------------------------

namespace {

// The common part of both caption operations: the face over the bounds,
// then the text state of the DC. Returns the rectangle the text is laid in.
RECT PrepareCaption(HDC dc, const TBitmap& face, const RECT& bounds, bool enabled, bool pressed, bool wordWrap,
                    RECT rect, TFont* font) {
  {
    TCanvas canvas(dc);
    TBitmap opaque;  // the face is copied as it is, whatever its own transparency
    const TBitmap* source = &face;
    if (face.Transparent()) {
      opaque = face;
      opaque.SetTransparent(false);
      source = &opaque;
    }
    canvas.Draw(bounds.left, bounds.top, *source);
  }
  ::SetBkMode(dc, TRANSPARENT);
  TColor color = font ? font->Color() : clWindowText;
  if (!enabled) color = kDisabledText;
  ::SetTextColor(dc, ColorToRGB(color));
  if (pressed) ::OffsetRect(&rect, 1, 1);
  if (wordWrap) {
    rect.left += 2;
    rect.right -= 2;
  }
  return rect;
}

}  // namespace

void TqelSkinControl::DrawTextAnsi(const TBitmap& face, std::string_view text, bool wordWrap, RECT rect, TFont* font) {
  HWND h = GetHandle();
  if (!h) return;
  UniqueWindowDC dc = UniqueWindowDC::Client(h);
  if (!dc) return;
  rect = PrepareCaption(dc.get(), face, GetBoundsRect(), IsEnabled(), Pressed(), wordWrap, rect, font);
  if (text.empty()) return;
  SelectScope selectFont(dc.get(), font ? font->Handle() : nullptr);
  const std::string s(text);
  // Measured with the flags it is drawn with, so that a caption wider than
  // its rectangle is centred as it is drawn (on one line unless wrapped).
  const UINT wrap = wordWrap ? DT_WORDBREAK : 0;
  RECT measured = rect;
  ::DrawTextA(dc.get(), s.c_str(), static_cast<int>(s.size()), &measured, DT_CALCRECT | DT_EXPANDTABS | DT_CENTER | wrap);
  RECT at = CentredIn(rect, measured);
  ::DrawTextA(dc.get(), s.c_str(), static_cast<int>(s.size()), &at, DT_EXPANDTABS | DT_CENTER | wrap);
}

void TqelSkinControl::DrawTextWide(const TBitmap& face, bool wordWrap, RECT rect, TFont* font) {
  HWND h = GetHandle();
  if (!h) return;
  UniqueWindowDC dc = UniqueWindowDC::Client(h);
  if (!dc) return;
  rect = PrepareCaption(dc.get(), face, GetBoundsRect(), IsEnabled(), Pressed(), wordWrap, rect, font);
  const int length = ::GetWindowTextLengthW(h);
  if (length <= 0) return;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(std::max(0, ::GetWindowTextW(h, text.data(), length + 1))));
  if (text.empty()) return;
  SelectScope selectFont(dc.get(), font ? font->Handle() : nullptr);
  const UINT wrap = wordWrap ? DT_WORDBREAK : 0;
  RECT measured = rect;
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_CENTER | wrap);
  RECT at = CentredIn(rect, measured);
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &at, DT_CENTER | wrap);
}

void TqelSkinControl::DrawBitmapAt(const TBitmap& bitmap, POINT point) {
  HWND h = GetHandle();
  if (!h) return;
  UniqueWindowDC dc = UniqueWindowDC::WholeWindow(h);
  if (!dc) return;
  TCanvas canvas(dc.get());
  canvas.Draw(point.x, point.y, bitmap);
}

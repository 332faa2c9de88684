#include "painters/QELSkinComboBox.h"

#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsPlatform.h"
#include "engine/QELSkinEngine.h"
#include "framework/Control.h"
#include "framework/WinControl.h"
#include "graphics/GdiObjects.h"
#include "painters/PainterSurface.h"

#include <commctrl.h>

#include <algorithm>

POINT ComboArrowOrigin(const RECT& Button) noexcept {
  return POINT{Button.left + (Button.right - Button.left) / 2 - 3, Button.top + (Button.bottom - Button.top) / 2 - 2};
}

void PaintComboBoxFrame(TCanvas& Canvas, const TComboBoxLook& Look, const TPainterSkin& Skin) {
  const TColor border = Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow);
  const RECT outer{0, 0, Look.Size.cx, Look.Size.cy};
  FrameRectColor(Canvas, outer, border);
  FrameRectColor(Canvas, RECT{1, 1, outer.right - 1, outer.bottom - 1}, Look.Color);
  const RECT& b = Look.Button;
  if (b.right <= b.left || b.bottom <= b.top) return;
  FillRectColor(Canvas, b, Skin.Color(SKIN2_CONTROLCOLOR, clWindow));
  const int lineX = Look.RightToLeft ? b.right - 1 : b.left;
  FillRectColor(Canvas, RECT{lineX, b.top, lineX + 1, b.bottom}, border);
  const POINT arrow = ComboArrowOrigin(b);
  DrawArrowDown(Canvas, arrow.x, arrow.y, Look.Enabled);
}

// ---- On a window

namespace {

// A client rectangle of window in its whole-window coordinates.
RECT ClientToWindowRect(HWND window, RECT r) {
  RECT outer{};
  ::GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ::ClientToScreen(window, &origin);
  ::OffsetRect(&r, origin.x - outer.left, origin.y - outer.top);
  return r;
}

void FrameList(HWND list, TColor color) {
  if (!list || !::IsWindowVisible(list)) return;
  UniqueWindowDC dc = UniqueWindowDC::WholeWindow(list);
  if (!dc) return;
  RECT r{};
  ::GetWindowRect(list, &r);
  TCanvas canvas(dc.get());
  FrameRectColor(canvas, RECT{0, 0, r.right - r.left, r.bottom - r.top}, color);
}

// Two frames, border colour outside and the control's inside, on a window
// DC over the platform's two-pixel sunken edge of r.
void FrameSunkenPart(HDC dc, const RECT& r, TColor Color, const TPainterSkin& Skin) {
  TCanvas canvas(dc);
  FrameRectColor(canvas, r, Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow));
  FrameRectColor(canvas, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, Color);
}

// A simple combo box: the edit part is what lies above the list.
bool PaintSimpleComboBox(HWND Combo, const COMBOBOXINFO& info, TColor Color, const TPainterSkin& Skin,
                         TColor Backdrop) {
  RECT outer{}, list{};
  ::GetWindowRect(Combo, &outer);
  if (!info.hwndList || !::GetWindowRect(info.hwndList, &list)) return false;
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  const int editBottom = std::min(list.top, outer.bottom) - outer.top;
  const int listBottom = std::min(list.bottom, outer.bottom) - outer.top;
  if (editBottom > 2 || (Backdrop != clNone && listBottom < height)) {
    UniqueWindowDC dc = UniqueWindowDC::WholeWindow(Combo);
    if (!dc) return false;
    if (editBottom > 2) FrameSunkenPart(dc.get(), RECT{0, 0, width, editBottom}, Color, Skin);
    // The list keeps whole lines: the rest of the window below it is the
    // parent's, not a white strip of the platform's.
    if (Backdrop != clNone && listBottom < height) {
      TCanvas canvas(dc.get());
      FillRectColor(canvas, RECT{0, listBottom, width, height}, Backdrop);
    }
  }
  PaintSimpleComboList(info.hwndList, Color, Skin);
  return true;
}

}  // namespace

void PaintSimpleComboList(HWND List, TColor Color, const TPainterSkin& Skin) {
  if (!List || !::IsWindowVisible(List)) return;
  UniqueWindowDC dc = UniqueWindowDC::WholeWindow(List);
  RECT r{};
  if (!dc || !::GetWindowRect(List, &r)) return;
  FrameSunkenPart(dc.get(), RECT{0, 0, r.right - r.left, r.bottom - r.top}, Color, Skin);
}

bool PaintComboBoxWindow(HWND Combo, TColor Color, const TPainterSkin& Skin, TColor Backdrop) {
  if (!Combo) return false;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!TqelUser32::GetComboBoxInfo(Combo, &info)) return false;
  if ((::GetWindowLongPtrW(Combo, GWL_STYLE) & 3) == CBS_SIMPLE) return PaintSimpleComboBox(Combo, info, Color, Skin, Backdrop);
  RECT outer{};
  ::GetWindowRect(Combo, &outer);
  TComboBoxLook look;
  look.Size = SIZE{outer.right - outer.left, outer.bottom - outer.top};
  look.Button = ClientToWindowRect(Combo, info.rcButton);
  look.Enabled = ::IsWindowEnabled(Combo) != FALSE;
  look.RightToLeft = ReadsRightToLeft(Combo);
  look.Color = Color;
  {
    UniqueWindowDC dc = UniqueWindowDC::WholeWindow(Combo);
    if (!dc) return false;
    TCanvas canvas(dc.get());
    PaintComboBoxFrame(canvas, look, Skin);
  }
  if (::SendMessageW(Combo, CB_GETDROPPEDSTATE, 0, 0)) FrameList(info.hwndList, Skin.Color(SKIN2_CONTROLBORDERCOLOR));
  return true;
}

// ---- TqelSkinComboBox

void TqelSkinComboBox::AfterMessage(TMessage& message) {
  TqelSkinControlVCL::AfterMessage(message);
  Repaint();
}

TColor TqelSkinComboBox::ControlColor() const {
  const TControl* c = Control();
  return c ? c->Color() : clWindow;
}

void TqelSkinComboBox::Paint() {
  // Painting asks the combo box about itself, which comes back here.
  if (painting_) return;
  painting_ = true;
  const HWND combo = ComboWindow();
  FollowSimpleList(combo);
  const TControl* c = Control();
  const TColor backdrop = c && c->Parent() ? c->Parent()->Color() : clNone;
  PaintComboBoxWindow(combo, ControlColor(), TPainterSkin::Of(Engine()), backdrop);
  painting_ = false;
}

void TqelSkinComboBox::Teardown() {
  list_.Detach();
  TqelSkinControlVCL::Teardown();
}

void TqelSkinComboBox::FollowSimpleList(HWND combo) {
  HWND list = nullptr;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (combo && (::GetWindowLongPtrW(combo, GWL_STYLE) & 3) == CBS_SIMPLE && TqelUser32::GetComboBoxInfo(combo, &info))
    list = info.hwndList;
  if (list == list_.Window()) return;
  list_.Detach();
  if (list) list_.Attach(list, TWndMethod::Bind<&TqelSkinComboBox::SimpleListProc>(this));
}

void TqelSkinComboBox::SimpleListProc(TMessage& message) {
  list_.CallNext(message);
  if (message.Msg != WM_NCPAINT || Detached() || !SkinActive()) return;
  PaintSimpleComboList(list_.Window(), ControlColor(), TPainterSkin::Of(Engine()));
}

HWND TqelSkinComboBoxEx::ComboWindow() const {
  HWND h = GetHandle();
  return h ? reinterpret_cast<HWND>(::SendMessageW(h, CBEM_GETCOMBOCONTROL, 0, 0)) : nullptr;
}

// ---- TqelSkinWndComboBox

void TqelSkinWndComboBox::AfterMessage(TMessage& message) {
  TqelSkinControlWnd::AfterMessage(message);
  Repaint();
}

void TqelSkinWndComboBox::Paint() {
  if (painting_) return;
  painting_ = true;
  PaintComboBoxWindow(GetHandle(), clWindow, TPainterSkin::Of(Engine()));
  painting_ = false;
}

// The frame's window procedure: what happens to each message of a skinned
// window, before and after the window's previous procedure.
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindow.h"
#include "framework/Screen.h"

namespace {

// The undocumented messages some platforms send to paint caption and
// frame themselves; a skinned frame must not let them through.
constexpr UINT kUahDrawCaption = 0xAE;
constexpr UINT kUahDrawFrame = 0xAF;

POINT PointOf(LPARAM lParam) noexcept { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

void TqelSkinWindow::WindowProcedure(TMessage& m) {
  if (!initialized_ && !InitWhenHidden() && m.Msg == WM_PAINT && WindowAlive()) Initialize();
  switch (m.Msg) {
    case WM_NULL: m.Result = 0; return;
    // A skinned window is never skinned again, whatever its state.
    case QM_SKINNEDQUERY: m.Result = 1; return;
    default: break;
  }
  // High contrast switched on or off: every frame follows, this one too.
  if ((m.Msg == WM_SETTINGCHANGE || m.Msg == WM_SYSCOLORCHANGE) && skinEnabled_ && initialized_ &&
      skinApplied_ != engine_.SkinIsActive()) {
    CallPrevious(m);
    engine_.SystemSettingsChanged();
    return;
  }
  if (!engine_.SkinIsActive() || !skinEnabled_ || !skinApplied_ || !initialized_) {
    if (m.Msg == WM_SIZE) ClientSizeChanged();
    CallPrevious(m);
    return;
  }

  bool stop = false;
  switch (m.Msg) {
    case WM_NCPAINT: stop = NCPaint(m); break;
    case kUahDrawCaption:
    case kUahDrawFrame: m.Result = 0; stop = true; break;
    case WM_NCACTIVATE: stop = NCActivate(m); break;
    case WM_NCLBUTTONDOWN: stop = NCLButtonDown(m); break;
    case WM_NCLBUTTONDBLCLK: stop = NCLButtonDblClk(m); break;
    case WM_NCRBUTTONDOWN: stop = NCRButtonDown(m); break;
    case WM_NCRBUTTONUP: stop = RightClickUp(m); break;
    case WM_CONTEXTMENU: stop = ContextMenu(m); break;
    case WM_CTLCOLORDLG: stop = CtlColorDlg(m); break;
    case WM_SYSCOMMAND: stop = SysCommand(m); break;
    case WM_SETTEXT:
    case WM_SETICON: stop = SetTextOrIcon(m); break;
    case WM_NCMOUSELEAVE: NCMouseLeave(m); break;
    case WM_NCCALCSIZE:
      proposed_ = m.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0] : *reinterpret_cast<RECT*>(m.LParam);
      break;
    default: break;
  }
  if (stop || !BeforePrevious(m)) return;

  const std::weak_ptr<int> alive = alive_;
  CallPrevious(m);
  if (alive.expired()) return;
  switch (m.Msg) {
    // The frame may be gone when these come back.
    case WM_DESTROY:
    case WM_ACTIVATEAPP:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case CM_RELEASE: return;
    default: break;
  }
  AfterPrevious(m);
  if (alive.expired()) return;

  switch (m.Msg) {
    case WM_ACTIVATE: AfterActivate(m); break;
    case WM_NCACTIVATE: PaintFrame(); break;
    case WM_NCCALCSIZE: AfterNCCalcSize(m); break;
    case WM_NCMOUSEMOVE: AfterNCMouseMove(m); break;
    case WM_NCLBUTTONDOWN:
      // A drag of the caption has ended inside the previous procedure.
      if (pressed_ == tbNone) buttonDown_ = false;
      break;
    case WM_NCLBUTTONUP: AfterNCLButtonUp(m); break;
    case CM_TEXTCHANGED: AfterTextChanged(m); break;
    case WM_NCHITTEST: AfterNCHitTest(m); break;
    case WM_GETMINMAXINFO: AfterGetMinMaxInfo(m); break;
    case WM_PRINT: AfterPrint(m); break;
    case WM_SIZE: AfterSize(m); break;
    case WM_SETTINGCHANGE:
      // The caption font may have changed.
      painter_.RefreshFont();
      PaintFrame();
      break;
    case QM_ISACTIVE: m.Result = windowActive_ ? 1 : 2; break;
    case QM_MDIFRAMEREPAINT:
      if (IsMdiForm()) PaintFrame();
      break;
    case QM_GETMENUBARHEIGHT: m.Result = MenuBarHeight(); break;
    default: break;
  }
}

void TqelSkinWindow::CallPreviousUnpainted(TMessage& m) {
  // The platform repaints a caption when its text or icon changes, without
  // asking WM_NCPAINT first: for this one call the window has no caption
  // style.
  HWND h = Handle();
  const LONG_PTR style = ::GetWindowLongPtrW(h, GWL_STYLE);
  const bool strip = (style & WS_CAPTION) == WS_CAPTION;
  if (strip) ::SetWindowLongPtrW(h, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_DLGFRAME));
  CallPrevious(m);
  if (strip && ::IsWindow(h)) ::SetWindowLongPtrW(h, GWL_STYLE, ::GetWindowLongPtrW(h, GWL_STYLE) | WS_DLGFRAME);
}

// ---- Before the previous procedure --------------------------------------------

bool TqelSkinWindow::NCPaint(TMessage& m) {
  PaintFrame();
  m.Result = 0;
  return true;
}

bool TqelSkinWindow::NCActivate(TMessage& m) {
  windowActive_ = m.WParam != 0;
  // The platform records the state but draws nothing (lParam -1); the
  // frame paints after it.
  m.LParam = -1;
  return false;
}

bool TqelSkinWindow::NCLButtonDown(TMessage& m) {
  buttonDown_ = true;
  pressed_ = Geometry().ButtonAt(CursorInWindow());
  PaintFrame();
  // No drag and no platform action on a button or the icon, nor on the
  // caption of a window that fills its work area.
  if (pressed_ != tbNone || (m.WParam == HTCAPTION && ::IsZoomed(Handle()) && FillsWorkArea())) m.WParam = HTNOWHERE;
  ::SetActiveWindow(Handle());
  return false;
}

bool TqelSkinWindow::NCLButtonDblClk(TMessage& m) {
  PaintFrame();
  if (hot_ == tbNone && m.WParam == HTCAPTION) {
    MaximizeOrRestore();
    buttonDown_ = false;
    PaintFrame();
    m.Result = 0;
    return true;
  }
  if (hot_ == tbIcon) {
    Close();
    buttonDown_ = false;
    pressed_ = tbNone;
    m.Result = 0;
    return true;
  }
  // A second press on a button counts as a press.
  if (hot_ != tbNone) {
    buttonDown_ = true;
    pressed_ = hot_;
  }
  m.WParam = HTNOWHERE;
  return false;
}

bool TqelSkinWindow::RightClickUp(TMessage& m) {
  // The system menu opened on the press; the platform's must not follow.
  if (m.WParam != HTCAPTION) return false;
  m.Result = 0;
  return true;
}

bool TqelSkinWindow::ContextMenu(TMessage& m) {
  if (m.LParam == -1 || reinterpret_cast<HWND>(m.WParam) != Handle()) return false;
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  const POINT p = PointOf(m.LParam);
  if (Geometry().HitTest(POINT{p.x - r.left, p.y - r.top}) != HTCAPTION) return false;
  m.Result = 0;
  return true;
}

bool TqelSkinWindow::CtlColorDlg(TMessage& m) {
  m.Result = reinterpret_cast<LRESULT>(engine_.FormBrush());
  return true;
}

bool TqelSkinWindow::SysCommand(TMessage& m) {
  // Alt+Space: the skinned system menu instead of the platform's.
  if ((m.WParam & 0xFFF0) != SC_KEYMENU || m.LParam != VK_SPACE) return false;
  ShowSystemMenu();
  m.Result = 0;
  return true;
}

bool TqelSkinWindow::SetTextOrIcon(TMessage& m) {
  const std::weak_ptr<int> alive = alive_;
  CallPreviousUnpainted(m);
  if (alive.expired()) return true;
  PaintFrame();
  UpdateRegion();
  return true;
}

void TqelSkinWindow::NCMouseLeave(TMessage&) {
  trackingLeave_ = false;
  if (hot_ == tbNone && !buttonDown_) return;
  buttonDown_ = false;
  pressed_ = tbNone;
  PaintFrame();
}

// ---- After the previous procedure ---------------------------------------------

void TqelSkinWindow::AfterActivate(TMessage& m) {
  windowActive_ = LOWORD(m.WParam) != WA_INACTIVE;
  PaintFrame();
  UpdateRegion();
}

void TqelSkinWindow::AfterNCCalcSize(TMessage& m) {
  const RECT& p = proposed_;
  const RECT in = GeometryOfSize(p.right - p.left, p.bottom - p.top).Insets();
  RECT client{p.left + in.left, p.top + in.top, p.right - in.right, p.bottom - in.bottom};
  // The platform hangs a zoomed MDI child's caption above the MDI client;
  // the skinned child shows none, so its client starts at the MDI client's
  // top edge (its parent's y = 0), not at the hidden window top.
  if (IsMdiChild() && ::IsZoomed(Handle()) && !::IsIconic(Handle())) client.top = std::max(p.top, 0L);
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  if (m.WParam) {
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    params->rgrc[0] = client;
    params->rgrc[1] = client;
    m.Result = WVR_VALIDRECTS;
  } else {
    *reinterpret_cast<RECT*>(m.LParam) = client;
    m.Result = 0;
  }
}

void TqelSkinWindow::AfterNCMouseMove(TMessage& m) {
  if (m.WParam != HTCAPTION) return;
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, Handle(), 0};
    trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
  }
  const TqelTitleButton over = Geometry().ButtonAt(CursorInWindow());
  if (buttonDown_ && over == tbNone) {
    buttonDown_ = false;
    pressed_ = tbNone;
  }
  // Only a change of the hover repaints.
  if (over != hot_) PaintFrame();
}

void TqelSkinWindow::AfterNCLButtonUp(TMessage& m) {
  const TqelTitleButton pressed = std::exchange(pressed_, tbNone);
  buttonDown_ = false;
  PaintFrame();
  m.Result = 0;
  // A button acts only when the press began on it.
  if (pressed == tbNone || pressed != hot_) return;
  switch (hot_) {
    case tbIcon: ShowSystemMenu(); break;
    case tbClose: Close(); break;
    case tbMaximize: MaximizeOrRestore(); break;
    case tbMinimize: Minimize(); break;
    case tbHelp: Help(); break;
    default: break;
  }
}

bool TqelSkinWindow::NCRButtonDown(TMessage& m) {
  // On the caption the platform would track the button itself and open its
  // own system menu: the skinned one opens instead.
  if (m.WParam != HTCAPTION) return false;
  PaintFrame();
  m.Result = 0;
  if (hot_ == tbNone || hot_ == tbIcon) ShowSystemMenuAt(PointOf(m.LParam));
  return true;
}

void TqelSkinWindow::AfterTextChanged(TMessage&) {
  PaintFrame();
  UpdateRegion();
}

void TqelSkinWindow::AfterNCHitTest(TMessage& m) {
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  const POINT p = PointOf(m.LParam);
  m.Result = Geometry().HitTest(POINT{p.x - r.left, p.y - r.top});
}

void TqelSkinWindow::AfterGetMinMaxInfo(TMessage& m) {
  // Maximized, the window fills its monitor's work area: the skin's borders
  // stay on the screen.
  if (IsMdiChild()) return;
  const TMonitor monitor = Screen.MonitorFromWindow(Handle());
  if (!monitor.Handle) return;
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  const RECT& work = monitor.WorkareaRect;
  info->ptMaxPosition = POINT{work.left - monitor.BoundsRect.left, work.top - monitor.BoundsRect.top};
  info->ptMaxSize = POINT{work.right - work.left, work.bottom - work.top};
}

void TqelSkinWindow::AfterPrint(TMessage& m) {
  if (m.LParam & PRF_NONCLIENT) PaintFrame(reinterpret_cast<HDC>(m.WParam));
}

void TqelSkinWindow::AfterSize(TMessage&) {
  PaintFrame();
  UpdateRegion();
}

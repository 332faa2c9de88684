// TWinControl's message table and its handlers.
#include "framework/Screen.h"
#include "framework/WinControl.h"

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: WMPaint(m); break;
    case WM_ERASEBKGND: WMEraseBkgnd(m); break;
    case WM_SIZE: WMSize(m); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); break;
    case WM_SETCURSOR: WMSetCursor(m); break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      if (!RouteMouse(m)) TControl::WndProc(m);
      break;
    case WM_MOUSELEAVE: WMMouseLeave(m); break;
    case WM_CAPTURECHANGED: WMCaptureChanged(m); break;
    case WM_SETFOCUS: WMSetFocus(m); break;
    case WM_KILLFOCUS: WMKillFocus(m); break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: WMKeyDown(m); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: WMKeyUp(m); break;
    case WM_CHAR:
      if (!DroppedDialogChar(m)) WMChar(m);
      break;
    case WM_SYSCHAR: WMSysChar(m); break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR: CMDialogKey(m); break;
    case WM_NCDESTROY: WMNCDestroy(m); break;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: WMReflect(m, reinterpret_cast<HWND>(m.LParam)); break;
    case WM_NOTIFY: WMReflect(m, reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom); break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
      WMReflect(m, item->CtlType == ODT_MENU ? nullptr : item->hwndItem);
      break;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      WMReflect(m, item->CtlType == ODT_MENU || !handle_ ? nullptr : ::GetDlgItem(handle_, item->CtlID));
      break;
    }
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: CNCtlColor(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_RECREATEWND: CMRecreateWnd(m); break;
    default: TControl::WndProc(m); break;
  }
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_ || IsFrameworkMessage(m.Msg)) {
    m.Result = 0;
    return;
  }
  m.Result = ::CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
}

// ---- Painting ----------------------------------------------------------------

void TWinControl::WMPaint(TMessage& m) {
  if (HDC dc = reinterpret_cast<HDC>(m.WParam)) {
    PaintWindow(dc);
    PaintControls(dc);
    m.Result = 0;
    return;
  }
  if (defWndProc_ != ::DefWindowProcW && !HasGraphicChildren()) {
    DefaultHandler(m);  // a standard control paints itself
    return;
  }
  PaintDC paint(handle_);
  PaintWindow(paint.get());
  PaintControls(paint.get(), &paint.rect());
  m.Result = 0;
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  RECT r{};
  ::GetClientRect(handle_, &r);
  ::FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush_.Handle());
  m.Result = 1;
}

// ---- Bounds ------------------------------------------------------------------

void TWinControl::WMWindowPosChanged(TMessage& m) {
  UpdateBounds();
  DefaultHandler(m);
}

void TWinControl::WMSize(TMessage& m) {
  DefaultHandler(m);
  UpdateBounds();
  Realign();  // the client area may change without the window's size
}

// ---- Mouse -------------------------------------------------------------------

void TWinControl::WMSetCursor(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) == handle_ && LOWORD(m.LParam) == HTCLIENT) {
    TCursor cursor = Screen.Cursor();
    if (cursor == crDefault) {
      POINT p{};
      ::GetCursorPos(&p);
      ::ScreenToClient(handle_, &p);
      TControl* child = ControlAtPos(p, false);
      cursor = child && child->Cursor() != crDefault ? child->Cursor() : Cursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(CursorHandle(cursor));
      m.Result = TRUE;
      return;
    }
  }
  DefaultHandler(m);
}

bool TWinControl::RouteMouse(TMessage& m) {
  const POINT p{m.XPos(), m.YPos()};
  TControl* capture = CaptureControl();
  const bool childHasCapture = capture && capture != this && capture->Parent() == this &&
                               !dynamic_cast<TWinControl*>(capture);
  if (m.Msg == WM_MOUSEMOVE && handle_) {
    if (!mouseTracking_) {
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
      mouseTracking_ = ::TrackMouseEvent(&track) != FALSE;
    }
    const RECT client = ClientRect();
    if (PtInRect(&client, p)) {
      TControl* hover = ControlAtPos(p, false);
      SetMouseControl(hover ? hover : this);
    } else if (TControl* mouse = MouseControl(); mouse && (mouse == this || mouse->Parent() == this)) {
      SetMouseControl(nullptr);
    }
  }
  TControl* target = childHasCapture ? capture : (capture == this ? nullptr : ControlAtPos(p, false));
  if (!target) return false;
  TMessage forwarded = m;
  forwarded.LParam = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
  const TWndMethod proc = target->WindowProc;
  proc(forwarded);
  m.Result = forwarded.Result;
  return true;
}

void TWinControl::WMMouseLeave(TMessage& m) {
  mouseTracking_ = false;
  TControl* mouse = MouseControl();
  if (mouse && (mouse == this || (mouse->Parent() == this && !dynamic_cast<TWinControl*>(mouse))))
    SetMouseControl(nullptr);
  DefaultHandler(m);
}

void TWinControl::WMCaptureChanged(TMessage& m) {
  TControl* capture = CaptureControl();
  if (capture && (capture == this || capture->Parent() == this) &&
      reinterpret_cast<HWND>(m.LParam) != handle_)
    ForgetCaptureControl();
  DefaultHandler(m);
}

// ---- Focus and keyboard --------------------------------------------------------

void TWinControl::WMSetFocus(TMessage& m) {
  DefaultHandler(m);
  if (OnEnter) OnEnter(*this);
}

void TWinControl::WMKillFocus(TMessage& m) {
  DefaultHandler(m);
  if (OnExit) OnExit(*this);
}

bool TWinControl::KeyPreviewed(TMessage& m) {
  TWinControl* top = this;
  while (top->Parent()) top = top->Parent();
  if (top == this || !top->PreviewKey(m.Msg, m.WParam)) return false;
  m.Result = 0;
  return true;
}

void TWinControl::WMKeyDown(TMessage& m) {
  if (KeyPreviewed(m)) return;
  WORD key = static_cast<WORD>(m.WParam);
  KeyDown(key, ShiftStateFromKeyboard());
  if (key == 0) {
    m.Result = 0;
    return;
  }
  if (m.Msg == WM_KEYDOWN && DialogKey(key)) {
    m.Result = 0;
    return;
  }
  m.WParam = key;
  DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
  if (KeyPreviewed(m)) return;
  WORD key = static_cast<WORD>(m.WParam);
  KeyUp(key, ShiftStateFromKeyboard());
  if (key == 0) {
    m.Result = 0;
    return;
  }
  m.WParam = key;
  DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m) {
  if (KeyPreviewed(m)) return;
  wchar_t ch = static_cast<wchar_t>(m.WParam);
  KeyPress(ch);
  if (ch == 0) {
    m.Result = 0;
    return;
  }
  if (DialogChar(ch, false)) {
    m.Result = 0;
    return;
  }
  m.WParam = ch;
  DefaultHandler(m);
}

// ---- Window life ----------------------------------------------------------------

void TWinControl::WMNCDestroy(TMessage& m) {
  DefaultHandler(m);
  DetachHandle();
}

void TWinControl::CMRecreateWnd(TMessage& m) {
  const bool focused = Focused();
  DestroyHandle();
  CreateHandle();
  if (focused && handle_) ::SetFocus(handle_);
  m.Result = 0;
}

// ---- Children's notifications ---------------------------------------------------

void TWinControl::WMReflect(TMessage& m, HWND child) {
  TWinControl* control = FindControl(child);
  if (control && control != this) {
    m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return;
  }
  DefaultHandler(m);
}

void TWinControl::CNCtlColor(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  ::SetTextColor(dc, ColorToRGB(Font().Color()));
  ::SetBkColor(dc, ColorToRGB(Color()));
  m.Result = reinterpret_cast<LRESULT>(brush_.Handle());
}

// ---- Property changes -----------------------------------------------------------

void TWinControl::CMColorChanged(TMessage& m) {
  brush_.SetColor(Color());
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) c->Perform(CM_PARENTCOLORCHANGED);
  TControl::WndProc(m);
}

void TWinControl::CMFontChanged(TMessage& m) {
  if (handle_) ::SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) c->Perform(CM_PARENTFONTCHANGED);
  TControl::WndProc(m);
}

void TWinControl::CMEnabledChanged(TMessage& m) {
  if (handle_) ::EnableWindow(handle_, Enabled());
  TControl::WndProc(m);
}

void TWinControl::CMVisibleChanged(TMessage& m) {
  if (handle_) ::ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
  TControl::WndProc(m);
}

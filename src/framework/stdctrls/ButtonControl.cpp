#include "framework/stdctrls/ButtonControl.h"

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  // The platform's button captures the mouse and reports clicks itself.
  controlStyle_ = csDoubleClicks;
  SetTabStop(true);
}

void TButtonControl::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  RecreateWnd();
}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"BUTTON";
  if (wordWrap_) params.Style |= BS_MULTILINE;
}

void TButtonControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: WMLButtonDown(m); break;
    case CN_COMMAND: CNCommand(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TButtonControl::WMLButtonDown(TMessage& m) {
  if (!Designing() && HandleAllocated() && !Focused()) {
    clicksDisabled_ = true;
    ::SetFocus(Handle());
    clicksDisabled_ = false;
    if (!Focused()) return;  // the focus was refused (a form that validates)
  }
  TWinControl::WndProc(m);
}

void TButtonControl::CNCommand(TMessage& m) {
  m.Result = 0;
  if (clicksDisabled_) return;
  switch (HIWORD(m.WParam)) {
    case BN_CLICKED: ButtonClicked(); break;
    case BN_DOUBLECLICKED: ButtonDoubleClicked(); break;
    default: break;
  }
}

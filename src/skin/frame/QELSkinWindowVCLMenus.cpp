// TqelSkinWindowVCL: the seams of the menu bar and of MDI support. The
// form's messages that concern them go to the form's TqelSkinFormMenus.
#include "QELSkinUtilsForms.h"
#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Form.h"
#include "menu/QELSkinFormMenus.h"
#include "menu/QELSkinMenuBar.h"

HWND TqelSkinWindowVCL::MdiMainWindow() const noexcept {
  HWND h = Handle();
  HWND client = h ? ::GetParent(h) : nullptr;
  return client ? ::GetParent(client) : nullptr;
}

void TqelSkinWindowVCL::MeasureMenuMetrics() {
  HWND h = Handle();
  // The caption without the platform's menu bar, which goes while skinned.
  if (!IsMdiChild() && ::GetMenu(h)) {
    RECT r{0, 0, 0, 0};
    ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongPtrW(h, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(h, GWL_EXSTYLE)));
    platformCaptionHeight_ = -r.top;
  }
  if (menus_ && platformLeftFrame_ >= 5) menus_->MenuBar().SetIndent(platformLeftFrame_ - 4);
  // A new child's menu joins its main form's bar (while all forms are
  // being skinned, only the only child's: the active one tells when it is
  // activated - unless it was active before it had a frame, then now).
  if (!IsMdiChild()) return;
  HWND main = MdiMainWindow();
  TCustomForm* mainForm = main ? FindFormByHandle(main) : nullptr;
  if (mainForm &&
      (!Engine().SkinAllForms() || mainForm->MDIChildCount() <= 1 || mainForm->ActiveMDIChild() == form_))
    ::PostMessageW(main, QM_MDIMENUCHANGED, reinterpret_cast<WPARAM>(h), 0);
}

bool TqelSkinWindowVCL::AfterMenuMessage(TMessage& m) {
  if (!menus_) return false;
  switch (m.Msg) {
    case WM_MDIACTIVATE: AfterMdiActivate(m); return true;
    case WM_MDIREFRESHMENU: RedrawFrame(); return true;
    case WM_MDIRESTORE: menus_->HideMdiButtons(); return true;
    case WM_MDIMAXIMIZE: {
      TCustomForm* child = FindFormByHandle(reinterpret_cast<HWND>(m.WParam));
      menus_->ShowMdiButtons(child ? child : form_->ActiveMDIChild());
      return true;
    }
    case QM_MDIMENUCHANGED: menus_->ChildMenuChanged(reinterpret_cast<HWND>(m.WParam)); return true;
    case QM_MDICHILDRENCHANGED: menus_->RebuildWindowMenu(); return true;
    case QM_ISMDICHILDHIDDEN: m.Result = mdiChildHidden_ ? 1 : 0; return true;
    case WM_WINDOWPOSCHANGED: AfterMdiChildPosChanged(m); return false;
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) == WA_INACTIVE) menus_->MenuBar().LeaveKeyboardMode();
      return false;
    default: return false;
  }
}

void TqelSkinWindowVCL::AfterMdiActivate(TMessage& m) {
  // Sent to the child going away and to the one coming.
  if (!IsMdiChild()) return;
  HWND h = Handle();
  const bool coming = reinterpret_cast<HWND>(m.LParam) == h;
  if (coming)
    if (HWND main = MdiMainWindow()) ::SendMessageW(main, QM_MDIMENUCHANGED, reinterpret_cast<WPARAM>(h), 0);
  SetWindowActive(coming);
  RedrawFrame();
}

void TqelSkinWindowVCL::AfterMdiChildPosChanged(TMessage& m) {
  if (!IsMdiChild()) return;
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
  if (pos && (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)))
    if (HWND main = MdiMainWindow()) ::PostMessageW(main, QM_MDICHILDRENCHANGED, 0, 0);
}

void TqelSkinWindowVCL::ReportMdiChildState(bool maximized) {
  HWND main = MdiMainWindow();
  if (!main) return;
  HWND h = Handle();
  // Maximized, the child keeps the bits of its old place (its client rect
  // is taken as valid): it is drawn afresh, caption remains and all.
  if (maximized) ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  if (maximized && !mdiMaximizeSent_) {
    mdiMaximizeSent_ = true;
    ::SendMessageW(main, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(h), 0);
  } else if (!maximized && mdiMaximizeSent_) {
    mdiMaximizeSent_ = false;
    RedrawFrame();
    ::SendMessageW(main, WM_MDIRESTORE, reinterpret_cast<WPARAM>(h), 0);
  }
}

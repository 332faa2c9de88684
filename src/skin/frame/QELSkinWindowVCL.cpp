#include "frame/QELSkinWindowVCL.h"

#include <algorithm>

#include "QELSkinUtilsForms.h"
#include "QELSkinUtilsPlatform.h"
#include "engine/QELSkinEngine.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/HookLink.h"
#include "hook/QELSkinControl.h"
#include "menu/QELSkinFormMenus.h"

namespace {

// Dialogs and tool windows have neither a maximize nor a minimize button.
bool BoxesAllowed(TFormBorderStyle style) noexcept {
  return style != bsDialog && style != bsToolWindow && style != bsSizeToolWin;
}

}  // namespace

TqelSkinWindowVCL::TqelSkinWindowVCL(TComponent* owner, HWND handle, bool createdByHook, TqelSkinEngine& engine)
    : TqelSkinWindow(owner, createdByHook, engine), form_(FindFormByHandle(handle)) {
  if (!form_) throw Exception("QELSkin: Skinning form failed!");
  SetSkinEnabled(engine.IsTagSkinned(form_->Tag()));
}

TqelSkinWindowVCL::~TqelSkinWindowVCL() = default;

HWND TqelSkinWindowVCL::Handle() const { return form_->HandleAllocated() ? form_->Handle() : nullptr; }

// ---- Attaching -----------------------------------------------------------------------

void TqelSkinWindowVCL::Attach() {
  menus_ = MakeComponent<TqelSkinFormMenus>(*this);
  link_ = std::make_unique<THookLink>(*form_, TWndMethod::Bind<&TqelSkinWindowVCL::WindowProcedure>(this));
  UpdateFrameVisibility();
  if (IsMdiChild())
    if (HWND main = MdiMainWindow()) ::PostMessageW(main, QM_MDICHILDRENCHANGED, 0, 0);
}

void TqelSkinWindowVCL::Detach() {
  link_.reset();
  menus_.reset();
}

void TqelSkinWindowVCL::CallPrevious(TMessage& message) { link_->CallNext(message); }

void TqelSkinWindowVCL::UpdateFrameVisibility() {
  captionVisible_ = !form_->Parent() && form_->BorderStyle() != bsNone;
  borderVisible_ = form_->BorderStyle() != bsNone;
}

// ---- What the form is like -------------------------------------------------------------

std::wstring TqelSkinWindowVCL::GetWideCaption() const {
  // An MDI form's title is the platform's: it names a maximized child
  // ("Caption - [Child]") without the form's Caption knowing.
  if (IsMdiForm() && form_->HandleAllocated()) return GetWindowTextWide(form_->Handle());
  return form_->Caption();
}

bool TqelSkinWindowVCL::CanSetRegion() const { return !form_->Parent() && form_->BorderStyle() != bsNone; }

int TqelSkinWindowVCL::MenuBarHeight() const { return menus_ ? menus_->MenuBarHeight() : 0; }

HICON TqelSkinWindowVCL::IconHandle() const {
  HWND h = Handle();
  if (!h) return nullptr;
  for (WPARAM kind : {ICON_SMALL, ICON_BIG})
    if (auto icon = reinterpret_cast<HICON>(::SendMessageW(h, WM_GETICON, kind, 0))) return icon;
  return reinterpret_cast<HICON>(::GetClassLongPtrW(h, GCLP_HICONSM));
}

bool TqelSkinWindowVCL::HasHelpButton() const { return (form_->BorderIcons() & biHelp) != 0; }
bool TqelSkinWindowVCL::IsMdiForm() const { return form_->FormStyle() == fsMDIForm; }
bool TqelSkinWindowVCL::IsMdiChild() const { return form_->FormStyle() == fsMDIChild; }
bool TqelSkinWindowVCL::IsDialogStyle() const { return form_->BorderStyle() == bsDialog; }

bool TqelSkinWindowVCL::HasIcon() const {
  const TFormBorderStyle bs = form_->BorderStyle();
  return (bs == bsSingle || bs == bsSizeable) && (form_->BorderIcons() & biSystemMenu);
}

bool TqelSkinWindowVCL::HasCloseButton() const { return (form_->BorderIcons() & biSystemMenu) != 0; }

bool TqelSkinWindowVCL::HasMaxButton() const {
  const TBorderIcons icons = form_->BorderIcons();
  return (icons & biMaximize) && (icons & biSystemMenu) && BoxesAllowed(form_->BorderStyle());
}

bool TqelSkinWindowVCL::HasMinButton() const {
  const TBorderIcons icons = form_->BorderIcons();
  return (icons & biMinimize) && (icons & biSystemMenu) && BoxesAllowed(form_->BorderStyle());
}

bool TqelSkinWindowVCL::IsSizeable() const {
  return form_->BorderStyle() == bsSizeable || form_->BorderStyle() == bsSizeToolWin;
}

// ---- Measuring, applying and removing ---------------------------------------------------

void TqelSkinWindowVCL::SavePlatformMetrics() {
  TqelSkinWindow::SavePlatformMetrics();
  HWND h = Handle();
  if (IsMdiChild()) {
    // The MDI client knows the main form's skinned frame.
    HWND client = ::GetParent(h);
    platformCaptionHeight_ = static_cast<int>(::SendMessageW(client, QM_GETMDICAPTION, 0, 0));
    platformBottomFrame_ = std::max(4, static_cast<int>(::SendMessageW(client, QM_GETMDIBOTTOM, 0, 0)));
    platformSideFrame_ = std::max(4, static_cast<int>(::SendMessageW(client, QM_GETMDISIDE, 0, 0)));
    platformLeftFrame_ = 4;
  } else if (IsMdiForm()) {
    platformSideFrame_ = platformLeftFrame_;
    platformBottomFrame_ = platformBottomEdge_;
  }
  MeasureMenuMetrics();
  SkinChildren();
}

void TqelSkinWindowVCL::ClientSizeChanged() {
  if (applying_ || !form_->HandleAllocated() || ::IsIconic(Handle()) || ::IsZoomed(Handle())) return;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  unskinnedClientWidth_ = client.right;
  unskinnedClientHeight_ = client.bottom - (SkinApplied() ? MenuBarHeight() : 0);
}

void TqelSkinWindowVCL::ClearSysMenuStyle() {
  HWND h = Handle();
  if (!h) return;
  const LONG_PTR style = ::GetWindowLongPtrW(h, GWL_STYLE);
  if (style & WS_SYSMENU) ::SetWindowLongPtrW(h, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
}

void TqelSkinWindowVCL::ApplySkinState(bool applied) {
  if (!Destroying()) {
    for (int i = 0; i < ChildWrapperCount(); ++i) {
      try {
        if (TControl* control = ChildWrappers(i)->Control()) control->Invalidate();
        else if (HWND raw = ChildWrappers(i)->RawHandle()) ::InvalidateRect(raw, nullptr, TRUE);
      } catch (...) {
        // One wrapper's trouble does not keep the others from following.
      }
    }
  }
  if (!Handle()) return;
  applying_ = true;
  try {
    if (applied) ApplySkin();
    else if (!form_->IsDestroying()) RemoveSkin();
  } catch (...) {
    applying_ = false;
    throw;
  }
  applying_ = false;
}

void TqelSkinWindowVCL::MoveControls(int dy) {
  // Controls anchored to the bottom stay; those anchored top and bottom
  // give the menu bar their top rows.
  for (int i = 0; i < form_->ControlCount(); ++i) {
    TControl* c = form_->Controls(i);
    const TAnchors a = c->Anchors();
    if (c->Align() != alNone || (menus_ && menus_->OwnsControl(c))) continue;
    if ((a & akBottom) && (a & akTop)) c->SetBounds(c->Left(), c->Top() + dy, c->Width(), c->Height() - dy);
    else if (!(a & akBottom)) c->SetTop(c->Top() + dy);
  }
}

void TqelSkinWindowVCL::ApplySkin() {
  const TqelSkinValues& values = Engine().Values();
  HWND h = Handle();
  hadSysMenu_ = (::GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU) != 0;
  ClearSysMenuStyle();
  if (!colorSaved_) {
    colorBefore_ = form_->Color();
    colorSaved_ = true;
  }
  if (values.FormColor != -1) form_->SetColor(values.FormColor);
  if (menus_) menus_->Apply();

  TSizeConstraints c = form_->Constraints();
  if (c.MinHeight == 0) {
    c.MinHeight = MenuBarHeight() + values.TitleHeight + 6;
    minHeightSet_ = true;
  }
  if (c.MinWidth == 0 && !CreatedByHook()) {
    c.MinWidth = values.MinFormWidth;
    minWidthSet_ = true;
  }
  const int menu = MenuBarHeight();
  if (!controlsMoved_ && menu > 0) {
    MoveControls(menu);
    controlsMoved_ = menu;
  }
  RecalcFrame();
  if (!::IsZoomed(h) && !::IsIconic(h)) {
    ownSizeChange_ = true;
    form_->SetClientSize(unskinnedClientWidth_, unskinnedClientHeight_ + menu);
    ownSizeChange_ = false;
  }
  form_->SetConstraints(c);
  // A child maximized before the skin came tells its main form now.
  if (IsMdiChild()) ReportMdiChildState(::IsZoomed(h) != FALSE);
}

void TqelSkinWindowVCL::RemoveSkin() {
  HWND h = Handle();
  if (menus_) menus_->Remove();
  if (IsMdiChild()) ReportMdiChildState(false);
  if (hadSysMenu_) ::SetWindowLongPtrW(h, GWL_STYLE, ::GetWindowLongPtrW(h, GWL_STYLE) | WS_SYSMENU);
  if (colorSaved_) form_->SetColor(colorBefore_);
  colorSaved_ = false;
  TSizeConstraints c = form_->Constraints();
  if (minHeightSet_) c.MinHeight = 0;
  if (minWidthSet_) c.MinWidth = 0;
  minHeightSet_ = minWidthSet_ = false;
  form_->SetConstraints(c);
  if (controlsMoved_) {
    MoveControls(-controlsMoved_);
    controlsMoved_ = 0;
  }
  ClearRegion();
  RecalcFrame();
  if (!::IsZoomed(h) && !::IsIconic(h)) {
    ownSizeChange_ = true;
    form_->SetClientSize(unskinnedClientWidth_, unskinnedClientHeight_);
    ownSizeChange_ = false;
  }
}

// ---- After the form's procedure ---------------------------------------------------------------

void TqelSkinWindowVCL::AfterPrevious(TMessage& m) {
  if (AfterMenuMessage(m)) return;
  switch (m.Msg) {
    case WM_SHOWWINDOW:
    case CM_VISIBLECHANGED: AfterShow(m); break;
    case WM_SIZE: AfterSize(m); break;
    case WM_PARENTNOTIFY: AfterParentNotify(m); break;
    case CM_RECREATEWND:
    case CM_FLOAT: AfterRecreated(m); break;
    default: break;
  }
}

void TqelSkinWindowVCL::AfterShow(TMessage& m) {
  const bool shown = m.Msg == WM_SHOWWINDOW ? m.WParam != 0 : form_->Visible();
  if (m.Msg == WM_SHOWWINDOW && IsMdiChild()) mdiChildHidden_ = !shown;
  if (!shown || skinnedAllOnShow_ || Application.MainForm() != form_ || !Engine().SkinAllForms()) return;
  skinnedAllOnShow_ = true;
  Engine().RunSkinAllForms();
}

void TqelSkinWindowVCL::AfterSize(TMessage& m) {
  if (!IsMdiChild()) FitZoomedToWorkArea();
  else ReportMdiChildState(m.WParam == SIZE_MAXIMIZED);
  if (Initialized() && !ownSizeChange_ && m.WParam == SIZE_RESTORED) ClientSizeChanged();
}

void TqelSkinWindowVCL::AfterParentNotify(TMessage& m) {
  if (LOWORD(m.WParam) != WM_CREATE) return;
  ClearSysMenuStyle();
  const bool caption = !form_->Parent() && form_->BorderStyle() != bsNone;
  if (caption == CaptionVisible()) return;
  UpdateFrameVisibility();
  RecalcFrame();
}

void TqelSkinWindowVCL::AfterRecreated(TMessage&) {
  // A new window: its own style, no region yet.
  ClearSysMenuStyle();
  UpdateFrameVisibility();
  ForgetRegion();
  RecalcFrame();
  UpdateRegion();
}

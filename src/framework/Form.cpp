#include "framework/Form.h"

#include <algorithm>
#include <vector>

#include "framework/Application.h"
#include "framework/Screen.h"

TCustomForm* GetParentForm(TControl* control) noexcept {
  TControl* c = control;
  while (c && c->Parent()) c = c->Parent();
  return dynamic_cast<TCustomForm*>(c);
}

// ---- Construction and destruction --------------------------------------------

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  application_ = dynamic_cast<TApplication*>(owner);
  if (!application_) application_ = &Application;
  BeginLoading();
  controlStyle_ |= csAcceptsControls;
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  icon_.OnChange = [this] { UpdateWindowIcon(); };
  Screen.AddForm(this);
}

TCustomForm::~TCustomForm() {
  // Also reached when a derived constructor failed and BeforeDestruction
  // never ran: the screen and the application must not keep this form.
  Screen.RemoveForm(this);
  application_->FormDestroyed(this);
}

void TCustomForm::AfterConstruction() {
  TWinControl::AfterConstruction();
  if (scaled_) {
    const int screenPpi = Screen.PixelsPerInch();
    if (screenPpi != pixelsPerInch_) ScaleBy(screenPpi, pixelsPerInch_);
  }
  EndLoading();
  DoCreate();
  // A form whose constructor made it visible is shown now that it is built.
  if (Visible()) {
    DoShow();
    Perform(CM_VISIBLECHANGED, 1);
  }
}

void TCustomForm::BeforeDestruction() {
  if (!IsDestroying()) DoDestroy();
  Screen.RemoveForm(this);
  OwningApplication().FormDestroyed(this);
  TWinControl::BeforeDestruction();
}

TApplication& TCustomForm::OwningApplication() const noexcept { return *application_; }

bool TCustomForm::IsMainForm() const noexcept { return OwningApplication().MainForm() == this; }

// ---- Window --------------------------------------------------------------------

void TCustomForm::FrameStyles(DWORD& style, DWORD& exStyle) const noexcept {
  style = WS_CLIPCHILDREN;
  exStyle = WS_EX_CONTROLPARENT;
  switch (borderStyle_) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      style |= WS_POPUP | WS_CAPTION;
      exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      style |= WS_CAPTION;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != bsNone) {
    if (borderIcons_ & biSystemMenu) style |= WS_SYSMENU;
    const bool boxes = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
    if (boxes && (borderIcons_ & biMinimize)) style |= WS_MINIMIZEBOX;
    if (boxes && (borderIcons_ & biMaximize)) style |= WS_MAXIMIZEBOX;
    if ((borderIcons_ & biHelp) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      exStyle |= WS_EX_CONTEXTHELP;
  }
  if (formStyle_ == fsStayOnTop) exStyle |= WS_EX_TOPMOST;
}

SIZE TCustomForm::FrameSize() const noexcept {
  DWORD style = 0, exStyle = 0;
  FrameStyles(style, exStyle);
  RECT r{0, 0, 0, 0};
  ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  if (Parent()) return;  // a form inside another control is a child window
  FrameStyles(params.Style, params.ExStyle);
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (borderStyle_ == bsDialog) params.ClassStyle |= CS_SAVEBITS;
  if (IsMDIChild()) {
    // Created by the MDI client (WM_MDICREATE) as one of its children.
    params.Style = (params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) params.Style |= WS_VISIBLE;
    params.ExStyle |= WS_EX_MDICHILD;
    params.WndParent = MDIParentForm().ClientHandle();
    return;
  }
  // Secondary forms stay above the main form.
  params.WndParent = ParentWindow();
  TCustomForm* main = OwningApplication().MainForm();
  if (!params.WndParent && main && main != this && main->HandleAllocated())
    params.WndParent = main->Handle();
  if ((position_ == poDefault || position_ == poDefaultPosOnly) && !(params.Style & WS_POPUP)) {
    params.X = CW_USEDEFAULT;
    params.Y = CW_USEDEFAULT;
  }
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  Screen.FormsReordered();
  UpdateWindowIcon();
  if (formStyle_ == fsMDIForm && !Parent()) CreateMDIClient();
  if (Parent() || clientWidth_ < 0) return;
  // The platform's frame may differ from the computed one: correct the
  // outer size until the client area is exactly what was asked for.
  RECT client{};
  ::GetClientRect(Handle(), &client);
  RECT window{};
  ::GetWindowRect(Handle(), &window);
  const int dx = clientWidth_ - client.right;
  const int dy = clientHeight_ - client.bottom;
  if (dx || dy)
    ::SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left + dx, window.bottom - window.top + dy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated() || Parent()) return TWinControl::ClientRect();
  if (clientWidth_ >= 0) return {0, 0, clientWidth_, clientHeight_};
  const SIZE frame = FrameSize();
  return {0, 0, std::max(0L, Width() - frame.cx), std::max(0L, Height() - frame.cy)};
}

void TCustomForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  settingClientSize_ = true;
  try {
    if (HandleAllocated() || Parent()) {
      TWinControl::SetClientSize(width, height);
    } else {
      const SIZE frame = FrameSize();
      SetBounds(Left(), Top(), width + frame.cx, height + frame.cy);
    }
  } catch (...) {
    settingClientSize_ = false;
    throw;
  }
  settingClientSize_ = false;
}

void TCustomForm::SetBounds(int left, int top, int width, int height) {
  if (!settingClientSize_ && !(controlState_ & csAligning) && (width != Width() || height != Height()))
    clientWidth_ = clientHeight_ = -1;
  TWinControl::SetBounds(left, top, width, height);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  if (HandleAllocated() && clientWidth_ < 0) {
    const RECT client = ClientRect();
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
  }
  borderStyle_ = style;
  if (HandleAllocated()) RecreateWnd();
  else if (clientWidth_ >= 0) SetClientSize(clientWidth_, clientHeight_);
  Perform(CM_BORDERCHANGED);
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  if (HandleAllocated() && clientWidth_ < 0) {
    const RECT client = ClientRect();
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
  }
  borderIcons_ = icons;
  if (HandleAllocated()) RecreateWnd();
  else if (clientWidth_ >= 0) SetClientSize(clientWidth_, clientHeight_);
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  formStyle_ = style;
  if (style == fsMDIChild) SetVisible(true);  // children show once built
  if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (!HandleAllocated() || !Visible()) return;
  HWND window = Handle();
  if (state == wsNormal && ::IsIconic(window)) {
    // A minimised window that was maximised would go back to maximised.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(window, &placement);
    placement.flags &= ~WPF_RESTORETOMAXIMIZED;
    placement.showCmd = SW_SHOWNORMAL;
    ::SetWindowPlacement(window, &placement);
    // Not every platform honours the placement flag: restore once more.
    if (::IsZoomed(window)) ::ShowWindow(window, SW_RESTORE);
    return;
  }
  static constexpr int kCommand[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_MAXIMIZE};
  ::ShowWindow(window, kCommand[state]);
}

void TCustomForm::UpdateWindowIcon() {
  if (!HandleAllocated()) return;
  TIcon& shown = icon_.Empty() ? OwningApplication().Icon() : icon_;
  // The new icons go to the window before the old small one is destroyed.
  TIcon small = shown.CopyAt(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
  HWND window = Handle();
  ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(shown.Handle()));
  ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Handle()));
  smallIcon_ = std::move(small);
}

bool TCustomForm::Active() const noexcept {
  return HandleAllocated() && ::GetActiveWindow() == const_cast<TCustomForm*>(this)->Handle();
}

void TCustomForm::ChangeScale(int multiplier, int divider) {
  if (multiplier == divider || divider == 0) return;
  if (Parent()) {
    TWinControl::ChangeScale(multiplier, divider);
    return;
  }
  // A top-level form keeps its place; its client area, children and font
  // are scaled.
  const RECT client = ClientRect();
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->ScaleBy(multiplier, divider);
  Font().SetHeight(MulDiv(Font().Height(), multiplier, divider));
  SetClientSize(MulDiv(client.right, multiplier, divider), MulDiv(client.bottom, multiplier, divider));
  EnableAlign();
}

// ---- Showing and closing ----------------------------------------------------------

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::VisibleChanging(bool visible) {
  if (visible && !Loading()) DoShow();
}

void TCustomForm::ApplyPosition() {
  const int w = Width();
  const int h = Height();
  RECT area{};
  switch (position_) {
    case poScreenCenter:
      area = {0, 0, Screen.Width(), Screen.Height()};
      break;
    case poDesktopCenter:
      area = Screen.DesktopRect();
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* over = position_ == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
      if (!over) over = OwningApplication().MainForm();
      if (over && over != this && over->Visible()) area = over->BoundsRect();
      else area = {0, 0, Screen.Width(), Screen.Height()};
      break;
    }
    default:
      return;
  }
  int x = area.left + (area.right - area.left - w) / 2;
  int y = area.top + (area.bottom - area.top - h) / 2;
  // Never put the caption out of reach.
  const RECT work = Screen.MonitorFromPoint({x + w / 2, y + h / 2}).WorkareaRect;
  x = std::max<int>(x, work.left);
  y = std::max<int>(y, work.top);
  SetBounds(x, y, w, h);
}

void TCustomForm::Close() {
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  // An MDI child is minimised unless it cannot be.
  TCloseAction action = caHide;
  if (IsMDIChild()) action = (borderIcons_ & biMinimize) ? caMinimize : caNone;
  DoClose(action);
  if (action == caNone) return;
  if (IsMainForm()) {
    OwningApplication().Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
  return canClose;
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_)
    throw EInvalidOperation("Cannot make a visible window modal");
  SetCaptureControl(nullptr);
  ::ReleaseCapture();
  HWND self = Handle();
  HWND previousActive = ::GetActiveWindow();
  struct Disabled {
    HWND self;
    std::vector<HWND> windows;
  } disabled{self, {}};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* d = reinterpret_cast<Disabled*>(data);
        if (window != d->self && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
          ::EnableWindow(window, FALSE);
          d->windows.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  auto restore = [&] {
    for (HWND w : disabled.windows)
      if (::IsWindow(w)) ::EnableWindow(w, TRUE);
    if (previousActive && ::IsWindow(previousActive)) ::SetActiveWindow(previousActive);
    modal_ = false;
  };
  modal_ = true;
  modalResult_ = mrNone;
  TApplication& app = OwningApplication();
  try {
    Show();
    do {
      app.HandleMessage();
      if (app.Terminated()) {
        modalResult_ = mrCancel;
      } else if (modalResult_ != mrNone) {
        // Closing may still be refused.
        TCloseAction action = caHide;
        if (!CloseQuery()) {
          modalResult_ = mrNone;
        } else {
          DoClose(action);
          if (action == caNone) modalResult_ = mrNone;
        }
      }
    } while (modalResult_ == mrNone);
    Hide();
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return modalResult_;
}

void TCustomForm::Release() {
  if (!Owner()) throw EInvalidOperation("Release needs a form with an owner");
  ::PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

// ---- Events ------------------------------------------------------------------------

void TCustomForm::DoCreate() {
  if (!OnCreate) return;
  try {
    OnCreate(*this);
  } catch (...) {
    OwningApplication().HandleException(*this);
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(*this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(*this);
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(*this, action);
}

void TCustomForm::DoDestroy() {
  if (!OnDestroy) return;
  try {
    OnDestroy(*this);
  } catch (...) {
    OwningApplication().HandleException(*this);
  }
}

// ---- Messages ------------------------------------------------------------------------

void TCustomForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE: WMClose(m); break;
    case WM_ACTIVATE: WMActivate(m); break;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(m); break;
    case WM_SIZE: WMSize(m); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); break;
    case CM_ICONCHANGED: CMIconChanged(m); break;
    case CM_MENUCHANGED: CMMenuChanged(m); break;
    case WM_MDIACTIVATE: WMMDIActivate(m); break;
    case WM_COMMAND: WMCommand(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case WM_EXITSIZEMOVE: WMExitSizeMove(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_RECREATEWND: CMRecreateWnd(m); break;
    case CM_RELEASE: CMRelease(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TCustomForm::WMClose(TMessage& m) {
  Close();
  m.Result = 0;
}

void TCustomForm::WMActivate(TMessage& m) {
  DefaultHandler(m);
  if (LOWORD(m.WParam) != WA_INACTIVE) {
    Screen.FormActivated(this);
    Perform(CM_ACTIVATE);
    if (OnActivate) OnActivate(*this);
  } else {
    Perform(CM_DEACTIVATE);
    if (OnDeactivate) OnDeactivate(*this);
  }
}

void TCustomForm::WMGetMinMaxInfo(TMessage& m) {
  DefaultHandler(m);
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  const TSizeConstraints& c = Constraints();
  if (c.MinWidth > 0) info->ptMinTrackSize.x = c.MinWidth;
  if (c.MinHeight > 0) info->ptMinTrackSize.y = c.MinHeight;
  if (c.MaxWidth > 0) info->ptMaxTrackSize.x = c.MaxWidth;
  if (c.MaxHeight > 0) info->ptMaxTrackSize.y = c.MaxHeight;
}

int TCustomForm::ShowCommand() const noexcept {
  static constexpr int kCommand[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
  return kCommand[windowState_];
}

void TCustomForm::WMSize(TMessage& m) {
  // A hidden window's sizes (its creation, a re-creation) are no state the
  // user or the program chose.
  if (!Parent() && ::IsWindowVisible(Handle())) {
    switch (m.WParam) {
      case SIZE_MINIMIZED: windowState_ = wsMinimized; break;
      case SIZE_MAXIMIZED: windowState_ = wsMaximized; break;
      case SIZE_RESTORED: windowState_ = wsNormal; break;
      default: break;
    }
  }
  TWinControl::WndProc(m);
}

void TCustomForm::WMWindowPosChanged(TMessage& m) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
  if (pos && !(pos->flags & SWP_NOZORDER)) Screen.FormsReordered();
  TWinControl::WndProc(m);
}

bool TCustomForm::PreviewKey(UINT msg, WPARAM& key) {
  if (!keyPreview_) return false;
  const TShiftState shift = ShiftStateFromKeyboard();
  if (msg == WM_CHAR) {
    wchar_t ch = static_cast<wchar_t>(key);
    KeyPress(ch);
    key = ch;
  } else {
    WORD k = static_cast<WORD>(key);
    if (msg == WM_KEYUP || msg == WM_SYSKEYUP) KeyUp(k, shift);
    else KeyDown(k, shift);
    key = k;
  }
  return key == 0;
}

void TCustomForm::CMIconChanged(TMessage& m) {
  m.Result = 0;
  UpdateWindowIcon();
}

void TCustomForm::WMExitSizeMove(TMessage& m) {
  // The user sized the form: its outer size is what counts from now on.
  clientWidth_ = clientHeight_ = -1;
  DefaultHandler(m);
}

void TCustomForm::CMVisibleChanged(TMessage& m) {
  if (Parent()) {
    TWinControl::WndProc(m);
    return;
  }
  m.Result = 0;
  if (Loading()) return;  // shown once built (AfterConstruction)
  if (Visible()) {
    HWND window = Handle();
    if (!positioned_) {
      positioned_ = true;
      if (!IsMDIChild()) ApplyPosition();
    }
    ::ShowWindow(window, ShowCommand());
    if (IsMDIChild()) ::SendMessageW(::GetParent(window), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
  } else {
    if (HandleAllocated()) ::ShowWindow(Handle(), SW_HIDE);
    DoHide();
  }
  if (TCustomForm* mdiForm = MDIFormOf()) mdiForm->UpdateWindowMenu();
}

void TCustomForm::CMRecreateWnd(TMessage& m) {
  TWinControl::WndProc(m);
  if (!Parent() && Visible() && HandleAllocated()) ::ShowWindow(Handle(), ShowCommand());
}

void TCustomForm::CMRelease(TMessage& m) {
  m.Result = 0;
  Free();  // nothing of this object may be touched after this line
}

// ---- TForm ---------------------------------------------------------------------------

namespace {

// Constraints as an object property; change them with SetConstraints so
// that the window follows.
TPropInfo PropConstraints() {
  TPropInfo p;
  p.Name = "Constraints";
  p.TypeName = "TSizeConstraints";
  p.Kind = TTypeKind::Class;
  p.Get = [](const TObject& o) -> TPropValue {
    return const_cast<TSizeConstraints*>(&static_cast<const TControl&>(o).Constraints());
  };
  return p;
}

}  // namespace

std::vector<TPropInfo> TForm::PublishedProperties() {
  return {
      PropLeft(),
      PropTop(),
      PropWidth(),
      PropHeight(),
      OrdProp<TControl>("ClientWidth", "Integer", TTypeKind::Integer, &TControl::ClientWidth,
                        &TControl::SetClientWidth),
      OrdProp<TControl>("ClientHeight", "Integer", TTypeKind::Integer, &TControl::ClientHeight,
                        &TControl::SetClientHeight),
      OrdProp<TCustomForm>("BorderStyle", "TFormBorderStyle", TTypeKind::Enumeration,
                           &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, kFormBorderStyleNames),
      OrdProp<TCustomForm>("BorderIcons", "TBorderIcons", TTypeKind::Set, &TCustomForm::BorderIcons,
                           &TCustomForm::SetBorderIcons, kBorderIconNames),
      OrdProp<TCustomForm>("Position", "TPosition", TTypeKind::Enumeration, &TCustomForm::Position,
                           &TCustomForm::SetPosition, kPositionNames),
      OrdProp<TCustomForm>("FormStyle", "TFormStyle", TTypeKind::Enumeration, &TCustomForm::FormStyle,
                           &TCustomForm::SetFormStyle, kFormStyleNames),
      OrdProp<TCustomForm>("WindowState", "TWindowState", TTypeKind::Enumeration,
                           &TCustomForm::WindowState, &TCustomForm::SetWindowState, kWindowStateNames),
      ObjProp<TCustomForm>("Icon", "TIcon", &TCustomForm::Icon),
      PropConstraints(),
      BoolProp<TCustomForm>("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview),
      OrdProp<TCustomForm>("TileMode", "TTileMode", TTypeKind::Enumeration, &TCustomForm::TileMode,
                           &TCustomForm::SetTileMode, kTileModeNames),
      BoolProp<TCustomForm>("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled),
      OrdProp<TCustomForm>("PixelsPerInch", "Integer", TTypeKind::Integer, &TCustomForm::PixelsPerInch,
                           &TCustomForm::SetPixelsPerInch),
      PropCaption(),
      PropColor(),
      PropFont(),
      PropParentFont(),
      PropCursor(),
      PropHint(),
      PropEnabled(),
      PropVisible(),
  };
}

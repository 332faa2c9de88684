#include "frame/QELSkinWindowWnd.h"

#include <cwctype>
#include <string>

#include "QELSkinUtilsPlatform.h"
#include "engine/QELSkinEngine.h"
#include "engine/QELSkinRegistry.h"
#include "framework/Panel.h"
#include "framework/WindowSubclass.h"
#include "hook/QELSkinControl.h"

namespace {

template <typename F>
void ForEachDirectChild(HWND parent, F&& f) {
  for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) f(c);
}

bool HasChildOfClass(HWND parent, const wchar_t* upperName) {
  bool found = false;
  ForEachDirectChild(parent, [&](HWND c) { found = found || UpperClassName(c) == upperName; });
  return found;
}

}  // namespace

TqelSkinWindowWnd::TqelSkinWindowWnd(TComponent* owner, HWND handle, bool createdByHook, TqelSkinEngine& engine)
    : TqelSkinWindow(owner, createdByHook, engine), handle_(handle) {}

TqelSkinWindowWnd::~TqelSkinWindowWnd() = default;

// ---- Attaching -------------------------------------------------------------------------

void TqelSkinWindowWnd::Attach() {
  styleBefore_ = ::GetWindowLongPtrW(handle_, GWL_STYLE);
  captionVisible_ = borderVisible_ = true;
  subclass_ = std::make_unique<TWindowSubclass>();
  subclass_->Attach(handle_, TWndMethod::Bind<&TqelSkinWindowWnd::Hooked>(this));
}

void TqelSkinWindowWnd::Detach() {
  innerSubclass_.reset();
  subclass_.reset();
  // A menu taken off a window that is gone has no owner any more.
  if (menu_ && !::IsWindow(handle_)) ::DestroyMenu(menu_);
  menu_ = nullptr;
}

void TqelSkinWindowWnd::CallPrevious(TMessage& message) { subclass_->CallNext(message); }

void TqelSkinWindowWnd::Hooked(TMessage& m) {
  if (m.Msg == WM_DESTROY) {
    WindowDestroyed(m);
    return;
  }
  WindowProcedure(m);
}

void TqelSkinWindowWnd::WindowDestroyed(TMessage& m) {
  // The window's own procedure still sees its end; then the engine frees
  // this frame (nothing of it may be touched afterwards).
  SetWindowDying();
  CallPrevious(m);
  HWND handle = handle_;
  TqelSkinEngine& engine = Engine();
  TqelSkinEngine::SetLastDestroyedDialog(handle);
  engine.UnskinWindow(handle);
}

// ---- What the window is like -----------------------------------------------------------

std::wstring TqelSkinWindowWnd::GetWideCaption() const { return GetWindowTextWide(handle_); }

void TqelSkinWindowWnd::SavePlatformMetrics() {
  TqelSkinWindow::SavePlatformMetrics();
  shellViewDialog_ = HasChildOfClass(handle_, L"SHELLDLL_DEFVIEW") && HasChildOfClass(handle_, L"TOOLBARWINDOW32") &&
                     HasChildOfClass(handle_, L"LISTBOX");
  folderBrowser_ = HasChildOfClass(handle_, L"SHBROWSEFORFOLDER SHELLNAMESPACE CONTROL");
  SkinChildren();
}

void TqelSkinWindowWnd::SkinChildren() {
  ForEachDirectChild(handle_, [&](HWND child) {
    if (!(::GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) || HasChildWrapper(child)) return;
    if (::SendMessageW(child, QM_SKINNEDQUERY, 0, 0) == 1) return;
    try {
      std::unique_ptr<TqelSkinControl> wrapper = TqelSkinRegistry::FindWindowSkinner(child, *this);
      if (!wrapper) return;
      TqelSkinControl& made = *wrapper;
      AddChildWrapper(std::move(wrapper));
      made.Refresh();
    } catch (...) {
      // A window that cannot be wrapped keeps its own look.
    }
  });
}

void TqelSkinWindowWnd::RefreshChildren() {
  TqelSkinWindow::RefreshChildren();
  // Each wrapped window paints again, in the new skin or in its own look.
  for (int i = 0; i < ChildWrapperCount(); ++i)
    if (HWND h = ChildWrappers(i)->GetHandle()) ::InvalidateRect(h, nullptr, TRUE);
}

// ---- Applying and removing -------------------------------------------------------------

void TqelSkinWindowWnd::ResizeForClient(int clientWidth, int clientHeight) {
  // Same top-left corner; the frame around the client as it is now.
  RECT window{}, client{};
  ::GetWindowRect(handle_, &window);
  ::GetClientRect(handle_, &client);
  const int frameWidth = (window.right - window.left) - client.right;
  const int frameHeight = (window.bottom - window.top) - client.bottom;
  ::SetWindowPos(handle_, nullptr, 0, 0, clientWidth + frameWidth, clientHeight + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TqelSkinWindowWnd::ApplySkinState(bool applied) {
  if (applied) {
    ::SetWindowLongPtrW(handle_, GWL_STYLE,
                        (styleBefore_ & ~static_cast<LONG_PTR>(WS_SYSMENU | WS_VISIBLE)) |
                            (::GetWindowLongPtrW(handle_, GWL_STYLE) & WS_VISIBLE));
    if (HMENU menu = ::GetMenu(handle_)) {
      menu_ = menu;
      ::SetMenu(handle_, nullptr);
    }
    RecalcFrame();
    ResizeForClient(unskinnedClientWidth_, unskinnedClientHeight_ + MenuBarHeight());
    return;
  }
  // Back to the style the window had when it first painted, visible as it
  // is now.
  const LONG_PTR style = styleAtEraseCaptured_ ? styleAtErase_ : styleBefore_;
  ::SetWindowLongPtrW(handle_, GWL_STYLE,
                      (style & ~static_cast<LONG_PTR>(WS_VISIBLE)) |
                          (::GetWindowLongPtrW(handle_, GWL_STYLE) & WS_VISIBLE));
  if (menu_) ::SetMenu(handle_, std::exchange(menu_, nullptr));
  ClearRegion();
  RecalcFrame();
  ResizeForClient(unskinnedClientWidth_, unskinnedClientHeight_);
}

// ---- Before and after the window's procedure -----------------------------------------------

bool TqelSkinWindowWnd::AnswerDialogColor(TMessage& m) const {
  ::SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
  m.Result = reinterpret_cast<LRESULT>(Engine().FormBrush());
  return m.Result != 0;
}

bool TqelSkinWindowWnd::BeforePrevious(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      if (!styleAtEraseCaptured_) {
        styleAtErase_ = ::GetWindowLongPtrW(handle_, GWL_STYLE);
        styleAtEraseCaptured_ = true;
      }
      return true;
    case WM_SYSCOMMAND:
      // The close button answers as the dialog's Cancel.
      if ((m.WParam & 0xFFF0) == SC_CLOSE) {
        m.Msg = WM_COMMAND;
        m.WParam = IDCANCEL;
        m.LParam = 0;
      }
      return true;
    case WM_SHOWWINDOW:
      if (m.WParam) FindInnerDialog();
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return !AnswerDialogColor(m);
    default: return true;
  }
}

void TqelSkinWindowWnd::AfterPrevious(TMessage& m) {
  if (m.Msg == WM_SIZE) CorrectHeightOnce();
}

void TqelSkinWindowWnd::CorrectHeightOnce() {
  // Some dialogs lay themselves out for the platform's frame once shown and
  // end up lower than their content: they are made taller once.
  if (heightCorrected_ || ::IsZoomed(handle_) || ::IsIconic(handle_)) return;
  RECT client{};
  ::GetClientRect(handle_, &client);
  if (client.bottom >= unskinnedClientHeight_ || client.right * 2 <= unskinnedClientWidth_ * 3) return;
  heightCorrected_ = true;
  const TqelSkinValues& v = Engine().Values();
  const int grow = TitleHeight() + MenuBarHeight() + v.BottomBorderHeight - platformCaptionHeight_;
  RECT r{};
  ::GetWindowRect(handle_, &r);
  ::SetWindowPos(handle_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + grow,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- The inner dialog ----------------------------------------------------------------------

void TqelSkinWindowWnd::FindInnerDialog() {
  if (inner_) return;
  ForEachDirectChild(handle_, [&](HWND child) {
    if (inner_) return;
    const std::wstring name = UpperClassName(child);
    if (name == L"SCROLLBAR" && folderBrowser_) ::ShowWindow(child, SW_HIDE);
    if (name != L"#32770") return;
    inner_ = child;
    innerSubclass_ = std::make_unique<TWindowSubclass>();
    innerSubclass_->Attach(child, TWndMethod::Bind<&TqelSkinWindowWnd::InnerProcedure>(this));
    // Framework panels inside it take the form colour, their panels too.
    const TColor color = Engine().Values().FormColor;
    ForEachDirectChild(child, [&](HWND c) {
      if (UpperClassName(c) != L"TPANEL") return;
      if (auto* panel = dynamic_cast<TPanel*>(TWinControl::FindControl(c))) {
        panel->SetColor(color);
        for (int i = 0; i < panel->ControlCount(); ++i)
          if (auto* sub = dynamic_cast<TPanel*>(panel->Controls(i))) sub->SetColor(color);
      }
    });
  });
}

void TqelSkinWindowWnd::InnerProcedure(TMessage& m) {
  if (Engine().SkinIsActive() && SkinApplied()) {
    switch (m.Msg) {
      case WM_CTLCOLORDLG:
        m.Result = reinterpret_cast<LRESULT>(Engine().FormBrush());
        if (m.Result) return;
        break;
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
        if (AnswerDialogColor(m)) return;
        break;
      default: break;
    }
  }
  innerSubclass_->CallNext(m);
}

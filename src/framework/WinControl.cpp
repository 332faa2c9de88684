#include "framework/WinControl.h"

#include <algorithm>
#include <map>

#include "framework/Application.h"
#include "framework/Screen.h"
#include "graphics/GdiObjects.h"

namespace {

// The window property that links a window to its control object.
constexpr wchar_t kObjectProp[] = L"FrameworkControlObject";

// The control whose window CreateWindowEx is creating; its first message
// binds the new window to it.
thread_local TWinControl* t_creating = nullptr;

HINSTANCE FrameworkModule() noexcept {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&FrameworkModule), &module);
  return module;
}

std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace

// ---- Window classes --------------------------------------------------------

WNDPROC TWinControl::RegisterWindowClass(const TCreateParams& params) {
  // One registration per class name per process; the default procedure
  // is ::DefWindowProcW or the superclassed control's own.
  static std::map<std::wstring, WNDPROC> registered;
  auto it = registered.find(params.WinClassName);
  if (it != registered.end()) return it->second;

  const HINSTANCE module = FrameworkModule();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  WNDPROC defProc = ::DefWindowProcW;
  if (!params.BaseClassName.empty()) {
    if (!::GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &wc) &&
        !::GetClassInfoExW(module, params.BaseClassName.c_str(), &wc))
      throw EOutOfResources("Window class not found");
    defProc = wc.lpfnWndProc;
    wc.cbSize = sizeof(wc);
    wc.style &= ~CS_GLOBALCLASS;
    wc.style |= params.ClassStyle & CS_DBLCLKS;
  } else {
    wc.style = params.ClassStyle;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  }
  wc.lpfnWndProc = &TWinControl::StaticWndProc;
  wc.hInstance = module;
  wc.lpszClassName = params.WinClassName.c_str();
  wc.hIconSm = nullptr;
  if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw EOutOfResources("Could not register a window class");
  registered.emplace(params.WinClassName, defProc);
  return defProc;
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(::GetPropW(window, kObjectProp));
  if (!control) {
    control = std::exchange(t_creating, nullptr);
    if (!control) return ::DefWindowProcW(window, msg, wParam, lParam);
    control->AttachHandle(window);
  }
  TMessage message{msg, wParam, lParam, 0};
  try {
    const TWndMethod proc = control->WindowProc;  // may be replaced while it runs
    proc(message);
  } catch (...) {
    // Exceptions never unwind through the platform's frames.
    Application.HandleException(*control);
  }
  // The control may be gone now (a form that freed itself): only the
  // message's own result is used.
  return message.Result;
}

TWinControl* TWinControl::FindControl(HWND window) noexcept {
  if (!window) return nullptr;
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != ::GetCurrentProcessId()) return nullptr;
  return static_cast<TWinControl*>(::GetPropW(window, kObjectProp));
}

// ---- Construction ----------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  brush_.SetColor(Color());
}

TWinControl::~TWinControl() {
  if (handle_) {
    ::DestroyWindow(handle_);
    DetachHandle();
  }
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
}

void TWinControl::BeforeDestruction() {
  Destroying();
  DestroyHandle();
  TControl::BeforeDestruction();
  // Children owned elsewhere stay alive without a parent.
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
}

// ---- The window ------------------------------------------------------------

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Caption();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (controlStyle_ & csAcceptsControls) {
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() ? Parent()->Handle() : parentWindow_;
  params.WinClassName = Widen(ClassName());
  params.ClassStyle = CS_DBLCLKS;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  defWndProc_ = RegisterWindowClass(params);
  CreateWindowHandle(params);
  if (!handle_) throw EOutOfResources("Error creating window");
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  TWinControl* previous = std::exchange(t_creating, this);
  HWND window = ::CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                                  params.Style, params.X, params.Y, params.Width, params.Height,
                                  params.WndParent, params.Menu, FrameworkModule(), nullptr);
  t_creating = previous;
  if (window && !handle_) AttachHandle(window);
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  if (Parent() && !Parent()->HandleAllocated()) {
    // The parent's window creates the windows of its children, this one too.
    Parent()->HandleNeeded();
    if (handle_) return;
  }
  controlState_ |= csCreatingWnd;
  try {
    CreateWnd();
  } catch (...) {
    controlState_ &= ~csCreatingWnd;
    throw;
  }
  controlState_ &= ~csCreatingWnd;
  ::SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
  PlaceInZOrder();
  UpdateBounds();
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->CreateHandle();
  Realign();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  DestroyWnd();
  if (handle_) DetachHandle();  // the window could not be destroyed
}

void TWinControl::DestroyWnd() { ::DestroyWindow(handle_); }

void TWinControl::RecreateWnd() {
  if (handle_) Perform(CM_RECREATEWND);
}

void TWinControl::AttachHandle(HWND window) {
  handle_ = window;
  ::SetPropW(window, kObjectProp, this);
}

void TWinControl::DetachHandle() noexcept {
  if (!handle_) return;
  ::RemovePropW(handle_, kObjectProp);
  handle_ = nullptr;
  mouseTracking_ = false;
  TControl* mouse = MouseControl();
  if (mouse && (mouse == this || mouse->Parent() == this)) ForgetMouseControl();
}

void TWinControl::SetParentWindow(HWND window) {
  if (window == parentWindow_) return;
  parentWindow_ = window;
  if (!Parent() && handle_) {
    DestroyHandle();
    if (window) CreateHandle();
  }
}

void TWinControl::PlaceInZOrder() {
  if (!Parent() || !handle_) return;
  // Directly below the next sibling above this one that has a window.
  const auto& list = Parent()->controls_;
  auto it = std::find(list.begin(), list.end(), this);
  HWND after = HWND_TOP;
  for (++it; it != list.end(); ++it) {
    auto* w = dynamic_cast<TWinControl*>(*it);
    if (w && w->handle_) {
      after = w->handle_;
      break;
    }
  }
  ::SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool TWinControl::Showing() const noexcept { return handle_ && ::IsWindowVisible(handle_); }

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  if (handle_) {
    LONG_PTR style = ::GetWindowLongPtrW(handle_, GWL_STYLE);
    style = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    ::SetWindowLongPtrW(handle_, GWL_STYLE, style);
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::SetBevelEdges(TBevelEdges edges) {
  if (edges == bevelEdges_) return;
  bevelEdges_ = edges;
  Perform(CM_BORDERCHANGED);
}

// ---- Children --------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (control->ParentColor()) control->Perform(CM_PARENTCOLORCHANGED);
  if (control->ParentFont()) control->Perform(CM_PARENTFONTCHANGED);
  control->UpdateAnchorRules();
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    if (w->handle_) w->DestroyHandle();
    if (handle_) w->CreateHandle();
  } else {
    control->InvalidateControl();
  }
  if (control->Align() != alNone) Realign();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
  if (!IsDestroying()) Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
  if (MouseControl() == control) ForgetMouseControl();
  if (CaptureControl() == control) SetCaptureControl(nullptr);
  if (auto* w = dynamic_cast<TWinControl*>(control))
    w->DestroyHandle();
  else if (!IsDestroying())
    control->InvalidateControl();
  std::erase(controls_, control);
  control->parent_ = nullptr;
  if (control->Align() != alNone && !IsDestroying()) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const noexcept {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

bool TWinControl::HasGraphicChildren() const noexcept {
  return std::any_of(controls_.begin(), controls_.end(),
                     [](TControl* c) { return dynamic_cast<TWinControl*>(c) == nullptr; });
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled, bool allowWinControls) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!allowWinControls && dynamic_cast<TWinControl*>(c)) continue;
    if (!(c->Visible() || c->Designing())) continue;
    if (!c->Enabled() && !allowDisabled) continue;
    const RECT r = c->BoundsRect();
    if (!PtInRect(&r, p)) continue;
    if (c->Perform(CM_HITTEST, 0, MAKELPARAM(p.x - r.left, p.y - r.top)) != 0) return c;
  }
  return nullptr;
}

// ---- Layout ----------------------------------------------------------------

RECT TWinControl::ClientRect() const {
  if (handle_) {
    RECT r{};
    ::GetClientRect(handle_, &r);
    return r;
  }
  return TControl::ClientRect();
}

POINT TWinControl::ClientOrigin() const {
  if (handle_) {
    POINT p{0, 0};
    ::ClientToScreen(handle_, &p);
    return p;
  }
  return TControl::ClientOrigin();
}

void TWinControl::SetClientSize(int width, int height) {
  if (!handle_) {
    TControl::SetClientSize(width, height);
    return;
  }
  const RECT client = ClientRect();
  SetBounds(Left(), Top(), Width() - client.right + width, Height() - client.bottom + height);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  ApplyConstraints(width, height);
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (!handle_) {
    ApplyBounds(left, top, width, height);
    return;
  }
  // The platform answers with WM_WINDOWPOSCHANGED, which reads the bounds
  // back; a window the platform refused to move keeps its old ones.
  ::SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateBounds();
}

void TWinControl::UpdateBounds() {
  if (!handle_ || ::IsIconic(handle_)) return;
  RECT r{};
  ::GetWindowRect(handle_, &r);
  if (::GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) {
    if (HWND parent = ::GetParent(handle_))
      ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  ApplyBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TWinControl::AdjustClientRect(RECT& /*rect*/) {}

void TWinControl::Realign() {
  if (aligning_) return;
  if (alignDisabled_ > 0 || Loading()) {
    alignPending_ = true;
    return;
  }
  alignPending_ = false;
  RECT r = ClientRect();
  AdjustClientRect(r);
  AlignControls(r);
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignPending_) Realign();
}

void TWinControl::AlignControls(RECT& rect) {
  aligning_ = true;
  const std::vector<TControl*> children = controls_;
  auto place = [](TControl* c, int l, int t, int w, int h) {
    c->controlState_ |= csAligning;
    c->SetBounds(l, t, w, h);
    c->controlState_ &= ~csAligning;
  };
  for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : children) {
      if (c->Align() != a || !(c->Visible() || c->Designing())) continue;
      const int w = rect.right - rect.left;
      const int h = rect.bottom - rect.top;
      switch (a) {
        case alTop:
          place(c, rect.left, rect.top, w, c->Height());
          rect.top += c->Height();
          break;
        case alBottom:
          place(c, rect.left, rect.bottom - c->Height(), w, c->Height());
          rect.bottom -= c->Height();
          break;
        case alLeft:
          place(c, rect.left, rect.top, c->Width(), h);
          rect.left += c->Width();
          break;
        case alRight:
          place(c, rect.right - c->Width(), rect.top, c->Width(), h);
          rect.right -= c->Width();
          break;
        default:
          place(c, rect.left, rect.top, w, h);
          break;
      }
    }
  }
  // Anchored children keep their distances to the right and bottom edges.
  const RECT client = ClientRect();
  for (TControl* c : children) {
    if (c->Align() != alNone || !c->anchorRulesValid_) continue;
    const TAnchors an = c->Anchors();
    if (!(an & (akRight | akBottom))) continue;
    int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
    if (an & akRight) {
      const int right = client.right - c->anchorRight_;
      if (an & akLeft) w = right - l;
      else l = right - w;
    }
    if (an & akBottom) {
      const int bottom = client.bottom - c->anchorBottom_;
      if (an & akTop) h = bottom - t;
      else t = bottom - h;
    }
    place(c, l, t, w, h);
  }
  aligning_ = false;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (handle_) UpdateBounds();
  for (TControl* c : controls_) c->UpdateAnchorRules();
  Realign();
}

void TWinControl::ChangeScale(int multiplier, int divider) {
  if (multiplier == divider || divider == 0) return;
  DisableAlign();
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) c->ChangeScale(multiplier, divider);
  TControl::ChangeScale(multiplier, divider);
  EnableAlign();
}

// ---- Painting and updating ---------------------------------------------------

void TWinControl::InvalidateControl() {
  if (handle_) ::InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::InvalidateArea(const RECT& rect, bool erase) {
  if (handle_) ::InvalidateRect(handle_, &rect, erase ? TRUE : FALSE);
}

void TWinControl::Update() {
  if (handle_) ::UpdateWindow(handle_);
}

void TWinControl::PaintWindow(HDC dc) {
  if (defWndProc_ == ::DefWindowProcW) return;
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc, const RECT* clip) {
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) {
    if (dynamic_cast<TWinControl*>(c) || !(c->Visible() || c->Designing())) continue;
    const RECT bounds = c->BoundsRect();
    RECT overlap{};
    if (clip && !::IntersectRect(&overlap, &bounds, clip)) continue;
    SavedDC saved(dc);
    ::OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    ::IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  HandleNeeded();
  const RECT client = ClientRect();
  SavedDC saved(dc);
  ::OffsetViewportOrgEx(dc, x, y, nullptr);
  ::IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible()) w->PaintTo(dc, w->Left(), w->Top());
}

// ---- Z-order -----------------------------------------------------------------

void TWinControl::BringToFront() {
  TControl::BringToFront();
  if (handle_)
    ::SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::SendToBack() {
  TControl::SendToBack();
  if (handle_)
    ::SetWindowPos(handle_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---- Focus -------------------------------------------------------------------

bool TWinControl::Focused() const noexcept { return handle_ && ::GetFocus() == handle_; }

bool TWinControl::CanFocus() {
  for (TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(*this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
  if (OnKeyPress) OnKeyPress(*this, key);
}

// ---- Published property entries ------------------------------------------------

TPropInfo TWinControl::PropTabStop() {
  return BoolProp<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
}

TPropInfo TWinControl::PropBevelEdges() {
  return OrdProp<TWinControl>("BevelEdges", "TBevelEdges", TTypeKind::Set, &TWinControl::BevelEdges,
                              &TWinControl::SetBevelEdges, kBevelEdgeNames);
}

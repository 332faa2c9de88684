#include "frame/QELSkinWindow.h"

#include <algorithm>

#include "QELSkinUtilsForms.h"
#include "QELSkinUtilsRegion.h"
#include "engine/QELSkinEngine.h"
#include "framework/Menus.h"
#include "framework/Screen.h"
#include "graphics/GdiObjects.h"
#include "hook/QELSkinControl.h"

// ---- Construction and destruction ---------------------------------------------

TqelSkinWindow::TqelSkinWindow(TComponent* owner, bool createdByHook, TqelSkinEngine& engine)
    : TComponent(owner), engine_(engine), createdByHook_(createdByHook) {
  engine_.AddWindow(this);
}

TqelSkinWindow::~TqelSkinWindow() {
  // Also reached when a variant's constructor failed: the engine must not
  // keep a half-made frame.
  engine_.RemoveWindow(this);
}

void TqelSkinWindow::AfterConstruction() {
  TComponent::AfterConstruction();
  Attach();
  SetSkinActive(engine_.Active());
}

void TqelSkinWindow::BeforeDestruction() {
  destroying_ = true;
  alive_.reset();
  engine_.RemoveWindow(this);
  if (engine_.SystemMenuWindow() == this) engine_.SetSystemMenuWindow(nullptr);
  if (skinApplied_ && initialized_ && WindowAlive()) ApplySkinState(false);
  UnskinChildren();
  Detach();
  TComponent::BeforeDestruction();
}

// ---- Attributes ----------------------------------------------------------------------

bool TqelSkinWindow::WindowAlive() const noexcept {
  HWND h = Handle();
  return h && ::IsWindow(h) && !windowDying_;
}

int TqelSkinWindow::TitleHeight() const noexcept {
  return captionVisible_ && skinApplied_ ? engine_.Values().TitleHeight : 0;
}

int TqelSkinWindow::WindowWidth() const noexcept {
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  return r.right - r.left;
}

int TqelSkinWindow::WindowHeight() const noexcept {
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  return r.bottom - r.top;
}

bool TqelSkinWindow::IsSizeable() const {
  return (::GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_THICKFRAME) != 0;
}

TFrameGeometry TqelSkinWindow::Geometry() const {
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  return GeometryOfSize(r.right - r.left, r.bottom - r.top);
}

TFrameGeometry TqelSkinWindow::GeometryOfSize(int width, int height) const {
  TFrameMetrics metrics = TFrameSkin::FromReader(engine_.SkinReader()).Metrics;
  metrics.CaptionX = engine_.Values().CaptionX;
  HWND h = Handle();
  TFrameWindow w;
  w.Width = width;
  w.Height = height;
  w.Iconic = ::IsIconic(h) != FALSE;
  w.Zoomed = ::IsZoomed(h) != FALSE;
  w.Sizeable = IsSizeable();
  w.CaptionVisible = captionVisible_ && skinApplied_;
  w.BorderVisible = borderVisible_;
  w.HasIcon = HasIcon();
  w.HasClose = HasCloseButton();
  w.HasMax = HasMaxButton();
  w.HasMin = HasMinButton();
  w.HasHelp = HasHelpButton();
  w.PlatformCaptionHeight = platformCaptionHeight_;
  w.MinSideFrame = platformSideFrame_;
  w.MinBottomFrame = platformBottomFrame_;
  w.MenuBarHeight = MenuBarHeight();
  w.ToolBarUnderMenu = ToolBarUnderMenu();
  w.ZoomedMdiChild = w.Zoomed && IsMdiChild();
  return TFrameGeometry(metrics, w);
}

bool TqelSkinWindow::CanMinimize() const noexcept { return shown_.MinShown; }
bool TqelSkinWindow::CanMaximize() const noexcept { return shown_.MaxShown; }
bool TqelSkinWindow::CanClose() const noexcept { return shown_.CloseShown; }

void TqelSkinWindow::SetCaptionVisible(bool visible) {
  if (captionVisible_ == visible) return;
  captionVisible_ = visible;
  RecalcFrame();
}

void TqelSkinWindow::SetBorderVisible(bool visible) {
  if (borderVisible_ == visible) return;
  borderVisible_ = visible;
  RecalcFrame();
}

void TqelSkinWindow::AddChildWrapper(std::unique_ptr<TqelSkinControl> wrapper) {
  if (wrapper) wrappers_.push_back(std::move(wrapper));
}

// ---- Skinning on and off ---------------------------------------------------------------

void TqelSkinWindow::SetSkinActive(bool active) {
  // Only a skin that can paint is applied: with none loaded (or while the
  // engine stands aside) the window keeps its own frame.
  skinRequested_ = active;
  skinApplied_ = active && skinEnabled_ && engine_.SkinIsActive();
  if (initialized_) {
    if (!WindowAlive()) return;
    ApplySkinState(skinApplied_);
    if (skinApplied_) UpdateRegion();
    RefreshChildren();
  } else if (WindowAlive() && (::IsWindowVisible(Handle()) || InitWhenHidden())) {
    Initialize();
  }
}

void TqelSkinWindow::Initialize() {
  SavePlatformMetrics();
  initialized_ = true;
  SetSkinActive(skinRequested_);
}

void TqelSkinWindow::SkinChanged() {
  painter_.RefreshFont();
  regionRects_.clear();
  if (initialized_) RefreshChildren();
  if (!engine_.SkinIsActive() || !skinApplied_ || !initialized_ || !WindowAlive()) return;
  RecalcFrame();
  UpdateRegion();
}

void TqelSkinWindow::SavePlatformMetrics() {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  unskinnedClientWidth_ = client.right;
  unskinnedClientHeight_ = client.bottom;
  RECT window{};
  ::GetWindowRect(Handle(), &window);
  POINT origin{0, 0};
  ::ClientToScreen(Handle(), &origin);
  platformCaptionHeight_ = origin.y - window.top;
  platformLeftFrame_ = origin.x - window.left;
  platformBottomEdge_ = window.bottom - origin.y - client.bottom;
  platformSideFrame_ = 4;
  platformBottomFrame_ = 4;
}

void TqelSkinWindow::UnskinChildren() {
  // Each wrapper leaves the list before it is torn down, so that whatever
  // its teardown sets off no longer finds it there.
  std::erase(wrappers_, nullptr);
  while (!wrappers_.empty()) {
    std::unique_ptr<TqelSkinControl> wrapper = std::move(wrappers_.front());
    wrappers_.erase(wrappers_.begin());
    wrapper->Remove();
  }
}

void TqelSkinWindow::RefreshChildren() {
  for (size_t i = 0; i < wrappers_.size(); ++i) {
    try {
      wrappers_[i]->Refresh();
    } catch (...) {
      // One wrapper's trouble does not keep the others from following.
    }
  }
}

bool TqelSkinWindow::HasChildWrapper(const void* target) const noexcept {
  return std::any_of(wrappers_.begin(), wrappers_.end(), [&](const std::unique_ptr<TqelSkinControl>& w) {
    return w && (static_cast<const void*>(w->Control()) == target || static_cast<const void*>(w->RawHandle()) == target);
  });
}

// ---- Painting and shape --------------------------------------------------------------

POINT TqelSkinWindow::CursorInWindow() const noexcept {
  POINT p{};
  if (!::GetCursorPos(&p)) return POINT{-1, -1};
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  return POINT{p.x - r.left, p.y - r.top};
}

std::wstring TqelSkinWindow::ShownCaption() const {
  std::wstring caption = GetWideCaption();
  if (caption.empty()) {
    const int length = ::GetWindowTextLengthW(Handle());
    caption.resize(static_cast<size_t>(std::max(length, 0)) + 1);
    caption.resize(static_cast<size_t>(::GetWindowTextW(Handle(), caption.data(), length + 1)));
  }
  return caption;
}

TFramePaintState TqelSkinWindow::PaintState(const TFrameGeometry& geometry) const {
  TFramePaintState s;
  s.Active = windowActive_;
  s.Caption = ShownCaption();
  if (HasIcon()) {
    s.Icon = IconHandle();
    if (!s.Icon)
      s.Icon = static_cast<HICON>(
          ::LoadImageW(::GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 16, 16, LR_SHARED));
  }
  s.Cursor = CursorInWindow();
  // Pressed looks only the button the press began on.
  s.ButtonDown = buttonDown_ && pressed_ != tbNone && geometry.ButtonAt(s.Cursor) == pressed_;
  return s;
}

void TqelSkinWindow::ApplyPaintResult(const TFramePaintResult& result) noexcept {
  hot_ = result.Hot;
  shown_ = result;
}

void TqelSkinWindow::PaintFrame(HDC target) {
  if (!engine_.SkinIsActive() || !skinApplied_ || !WindowAlive()) return;
  TFrameSkin skin = TFrameSkin::FromReader(engine_.SkinReader());
  const TqelSkinValues& values = engine_.Values();
  if (values.InactiveTitleFontColor != -1) skin.InactiveTitleFontColor = values.InactiveTitleFontColor;
  skin.Metrics.CaptionX = values.CaptionX;
  const TFrameGeometry geometry = Geometry();
  if (target) {
    ApplyPaintResult(painter_.Paint(target, geometry, skin, PaintState(geometry)));
    return;
  }
  UniqueWindowDC dc = UniqueWindowDC::WholeWindow(Handle());
  if (!dc) return;
  ApplyPaintResult(painter_.Paint(dc.get(), geometry, skin, PaintState(geometry)));
  // A zoomed MDI child is drawn by its main form.
  if (geometry.Window().ZoomedMdiChild) {
    if (HWND frame = ::GetAncestor(Handle(), GA_ROOT); frame && frame != Handle())
      ::PostMessageW(frame, QM_MDIFRAMEREPAINT, 0, 0);
  }
}

void TqelSkinWindow::RedrawFrame() {
  if (WindowAlive()) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TqelSkinWindow::RecalcFrame() {
  if (!WindowAlive()) return;
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawFrame();
}

void TqelSkinWindow::UpdateRegion() {
  if (!CanSetRegion() || engine_.Designing() || !WindowAlive() || !skinApplied_ || !engine_.SkinIsActive()) return;
  TFrameSkin skin = TFrameSkin::FromReader(engine_.SkinReader());
  const TFrameGeometry geometry = Geometry();
  const int width = geometry.Window().Width, height = geometry.Window().Height;
  std::vector<RECT> rects;
  if (!skin.TitleNeedsRegion && !skin.BottomNeedsRegion) {
    rects.push_back(RECT{0, 0, width, height});
  } else {
    // The region is cut from the pictures as they are composed now.
    skin.Metrics.CaptionX = engine_.Values().CaptionX;
    painter_.Compose(geometry, skin, PaintState(geometry));
    const TSkinRegionShape shape{&painter_.TitleBitmap(), &painter_.BottomBitmap(), width, height,
                                 skin.TransparentColor, skin.TitleRegionMinY, skin.TitleRegionMaxY,
                                 skin.BottomRegionMinY, skin.BottomRegionMaxY,
                                 skin.TitleNeedsRegion && geometry.TitleBitmapHeight() > 0,
                                 skin.BottomNeedsRegion && borderVisible_ && !geometry.Window().Iconic};
    rects = SkinRegionRects(shape);
  }
  // Setting a region repaints the whole window: only when the shape changed.
  auto same = [](const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  };
  if (regionSet_ && std::equal(rects.begin(), rects.end(), regionRects_.begin(), regionRects_.end(), same)) return;
  regionRects_ = rects;
  regionSet_ = true;
  if (!skin.TitleNeedsRegion && !skin.BottomNeedsRegion) {
    UniqueRegion region(::CreateRectRgn(0, 0, width, height));
    if (region && ::SetWindowRgn(Handle(), region.get(), TRUE)) region.release();
    return;
  }
  BuildSkinRegion(Handle(), &painter_.TitleBitmap(), &painter_.BottomBitmap(), width, height, skin.TransparentColor,
                  skin.TitleRegionMinY, skin.TitleRegionMaxY, skin.BottomRegionMinY, skin.BottomRegionMaxY,
                  skin.TitleNeedsRegion && geometry.TitleBitmapHeight() > 0,
                  skin.BottomNeedsRegion && borderVisible_ && !geometry.Window().Iconic);
}

void TqelSkinWindow::ClearRegion() {
  regionRects_.clear();
  regionSet_ = false;
  if (WindowAlive()) ::SetWindowRgn(Handle(), nullptr, TRUE);
}

void TqelSkinWindow::FitZoomedToWorkArea() {
  HWND h = Handle();
  if (!::IsZoomed(h) || IsMdiChild()) return;
  const TMonitor monitor = Screen.MonitorFromWindow(h);
  if (!monitor.Handle) return;
  const RECT& work = monitor.WorkareaRect;
  RECT r{};
  ::GetWindowRect(h, &r);
  if (::EqualRect(&r, &work)) return;
  ::SetWindowPos(h, nullptr, work.left, work.top, work.right - work.left, work.bottom - work.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TqelSkinWindow::FillsWorkArea() const {
  const RECT work = GetWorkArea(Handle());
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  return r.bottom - r.top >= work.bottom - work.top && r.right - r.left >= work.right - work.left;
}

// ---- Commands ------------------------------------------------------------------------------

void TqelSkinWindow::PostCommand(WPARAM command) {
  if (WindowAlive()) ::PostMessageW(Handle(), WM_SYSCOMMAND, command, 0);
}

void TqelSkinWindow::Close() { PostCommand(SC_CLOSE); }

void TqelSkinWindow::Help() { PostCommand(SC_CONTEXTHELP); }

void TqelSkinWindow::MaximizeOrRestore() {
  HWND h = Handle();
  if (::IsIconic(h)) PostCommand(SC_MAXIMIZE);
  else if (::IsZoomed(h)) PostCommand(SC_RESTORE);
  else if (shown_.MaxShown) PostCommand(SC_MAXIMIZE);
}

void TqelSkinWindow::Minimize() { PostCommand(::IsIconic(Handle()) ? SC_RESTORE : SC_MINIMIZE); }

void TqelSkinWindow::ShowSystemMenu() {
  POINT origin{0, 0};
  ::ClientToScreen(Handle(), &origin);
  origin.x = std::max<LONG>(origin.x, 0);
  if (::IsIconic(Handle())) {
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    origin = POINT{std::max<LONG>(r.left, 0), r.top + 24};
  }
  ShowSystemMenuAt(origin);
}

void TqelSkinWindow::ShowSystemMenuAt(POINT screen) {
  engine_.SetSystemMenuWindow(this);
  std::weak_ptr<int> alive = alive_;
  engine_.SystemMenu().Popup(screen.x, screen.y);
  if (!alive.expired()) {
    buttonDown_ = false;
    RedrawFrame();
  }
}

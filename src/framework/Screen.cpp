#include "framework/Screen.h"

#include <algorithm>

#include "framework/Form.h"
#include "graphics/GdiObjects.h"

namespace {

TMonitor Describe(HMONITOR monitor) noexcept {
  TMonitor m;
  m.Handle = monitor;
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (monitor && ::GetMonitorInfoW(monitor, &info)) {
    m.BoundsRect = info.rcMonitor;
    m.WorkareaRect = info.rcWork;
    m.Primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  }
  return m;
}

}  // namespace

TCustomForm* TScreen::FindForm(HWND window) const noexcept {
  if (!window) return nullptr;
  for (TCustomForm* f : forms_)
    if (f->HandleAllocated() && f->Handle() == window) return f;
  return nullptr;
}

void TScreen::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  if (cursor == crDefault) {
    // Let the window under the cursor choose again.
    POINT p{};
    ::GetCursorPos(&p);
    ::SetCursorPos(p.x, p.y);
  } else {
    ::SetCursor(CursorHandle(cursor));
  }
}

int TScreen::PixelsPerInch() const noexcept { return ScreenPixelsPerInch(); }

RECT TScreen::WorkAreaRect() const noexcept {
  RECT r{};
  if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) r = {0, 0, Width(), Height()};
  return r;
}

RECT TScreen::DesktopRect() const noexcept {
  const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::vector<TMonitor> TScreen::Monitors() const {
  std::vector<TMonitor> list;
  ::EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<TMonitor>*>(data)->push_back(Describe(monitor));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&list));
  return list;
}

TMonitor TScreen::MonitorFromWindow(HWND window) const noexcept {
  return Describe(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

TMonitor TScreen::MonitorFromPoint(POINT p) const noexcept {
  return Describe(::MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST));
}

void TScreen::AddForm(TCustomForm* form) {
  if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (activeForm_ == form) {
    activeForm_ = nullptr;
    if (OnActiveFormChange) OnActiveFormChange(*this);
  }
}

void TScreen::FormActivated(TCustomForm* form) {
  auto it = std::find(forms_.begin(), forms_.end(), form);
  if (it != forms_.end()) std::rotate(forms_.begin(), it, it + 1);
  if (activeForm_ != form) {
    activeForm_ = form;
    if (OnActiveFormChange) OnActiveFormChange(*this);
  }
}

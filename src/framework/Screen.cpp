#include "framework/Screen.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <utility>

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

TCustomForm* TScreen::Forms(int index) const {
  SortForms();
  return forms_.at(static_cast<size_t>(index));
}

void TScreen::SortForms() const {
  if (!reorder_) return;
  reorder_ = false;
  // Places of the top-level windows, front to back.
  std::unordered_map<HWND, int> place;
  int n = 0;
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) place.emplace(w, n++);
  auto siblingPlace = [](HWND w) {
    int i = 0;
    for (HWND s = ::GetWindow(w, GW_HWNDFIRST); s && s != w; s = ::GetWindow(s, GW_HWNDNEXT)) ++i;
    return i;
  };
  // (top-level place, place inside it: -1 for the top-level window itself)
  std::unordered_map<TCustomForm*, std::pair<int, int>> key;
  for (TCustomForm* f : forms_) {
    std::pair<int, int> k{INT_MAX, 0};
    if (f->HandleAllocated()) {
      HWND w = f->Handle();
      HWND root = ::GetAncestor(w, GA_ROOT);
      if (auto it = place.find(root ? root : w); it != place.end())
        k = {it->second, root && root != w ? siblingPlace(w) : -1};
    }
    key.emplace(f, k);
  }
  std::stable_sort(forms_.begin(), forms_.end(), [&](TCustomForm* a, TCustomForm* b) { return key[a] < key[b]; });
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
  reorder_ = true;
  if (activeForm_ != form) {
    activeForm_ = form;
    if (OnActiveFormChange) OnActiveFormChange(*this);
  }
}

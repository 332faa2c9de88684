#pragma once
// TScreen (the global Screen): the application's forms in z-order, the
// active form, the screen-wide cursor, and the display's size, resolution
// and monitors.
#include <windows.h>

#include <vector>

#include "framework/Object.h"
#include "framework/Types.h"

class TCustomForm;

struct TMonitor {
  HMONITOR Handle = nullptr;
  RECT BoundsRect{};
  RECT WorkareaRect{};
  bool Primary = false;
};

class TScreen : public TObject {
  FW_CLASS(TScreen, TObject)
 public:
  TScreen() = default;

  // Attributes: forms in screen order, front to back: top-level windows as
  // they lie on the screen, each followed by the forms inside it (MDI
  // children) in their own order; forms without a window come last, in
  // creation order.
  int FormCount() const noexcept { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const;
  TCustomForm* ActiveForm() const noexcept { return activeForm_; }
  // The form whose window is window, or null.
  TCustomForm* FindForm(HWND window) const noexcept;

  // Attributes: cursor. Anything other than crDefault overrides every
  // control's own cursor (crHourGlass during a long operation).
  TCursor Cursor() const noexcept { return cursor_; }
  void SetCursor(TCursor cursor);

  // Attributes: the display
  int Width() const noexcept { return ::GetSystemMetrics(SM_CXSCREEN); }
  int Height() const noexcept { return ::GetSystemMetrics(SM_CYSCREEN); }
  int PixelsPerInch() const noexcept;
  // The primary monitor's work area (without task bars).
  RECT WorkAreaRect() const noexcept;
  // The whole virtual desktop.
  RECT DesktopRect() const noexcept;
  int MonitorCount() const noexcept { return ::GetSystemMetrics(SM_CMONITORS); }
  std::vector<TMonitor> Monitors() const;
  TMonitor MonitorFromWindow(HWND window) const noexcept;
  TMonitor MonitorFromPoint(POINT p) const noexcept;

  // Events
  TNotifyEvent OnActiveFormChange;

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void FormActivated(TCustomForm* form);
  // A form's window was created or moved in the z-order.
  void FormsReordered() noexcept { reorder_ = true; }
  void SortForms() const;

  mutable std::vector<TCustomForm*> forms_;
  mutable bool reorder_ = false;
  TCustomForm* activeForm_ = nullptr;
  TCursor cursor_ = crDefault;
};

extern TScreen Screen;

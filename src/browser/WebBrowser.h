#pragma once
// TWebBrowser: a framework control that hosts an embedded browser
// (TBrowserControl) in its own window and keeps it filling that window.
// The browser is made by a factory once the control's window exists, so a
// scripted browser can stand in for the platform control in tests.
#include <functional>
#include <memory>

#include "BrowserControl.h"
#include "framework/WinControl.h"

class TWebBrowser : public TWinControl {
  FW_CLASS(TWebBrowser, TWinControl)
 public:
  // Makes the browser inside `parent`, filling `bounds`.
  using Factory = std::function<std::unique_ptr<TBrowserControl>(HWND parent, const RECT& bounds)>;

  explicit TWebBrowser(TComponent* owner);
  ~TWebBrowser() override;

  // Attributes
  // The browser; created with the window (null before).
  TBrowserControl* Browser() noexcept { return browser_.get(); }
  // The browser's own window, or null before it exists.
  HWND BrowserHandle() const noexcept { return browser_ ? browser_->Handle() : nullptr; }
  // Replaces the factory; takes effect when the window is next created.
  void SetFactory(Factory factory) { factory_ = std::move(factory); }
  // The factory of the platform's browser control.
  static Factory PlatformFactory();

  // Events, passed on from the browser.
  TBrowserControl::DocumentCompleteEvent OnDocumentComplete;
  TBrowserControl::NavigateErrorEvent OnNavigateError;

 protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void Resize() override;

 private:
  RECT BrowserBounds();

  Factory factory_;
  std::unique_ptr<TBrowserControl> browser_;
};

#include "WebBrowser.h"

#include "OleWebBrowser.h"

TWebBrowser::TWebBrowser(TComponent* owner) : TWinControl(owner), factory_(PlatformFactory()) {}

TWebBrowser::~TWebBrowser() { browser_.reset(); }

TWebBrowser::Factory TWebBrowser::PlatformFactory() {
  return [](HWND parent, const RECT& bounds) -> std::unique_ptr<TBrowserControl> {
    return std::make_unique<TOleWebBrowser>(parent, bounds);
  };
}

RECT TWebBrowser::BrowserBounds() {
  RECT r{};
  ::GetClientRect(Handle(), &r);
  return r;
}

void TWebBrowser::CreateWnd() {
  TWinControl::CreateWnd();
  if (!factory_) return;
  browser_ = factory_(Handle(), BrowserBounds());
  // Events go through the control, so the owner may set its handlers
  // before or after the window exists.
  browser_->OnDocumentComplete = [this](IDispatch* frame, const std::wstring& url) {
    if (OnDocumentComplete) OnDocumentComplete(frame, url);
  };
  browser_->OnNavigateError = [this](const std::wstring& url, long status) {
    if (OnNavigateError) OnNavigateError(url, status);
  };
}

void TWebBrowser::DestroyWnd() {
  browser_.reset();
  TWinControl::DestroyWnd();
}

void TWebBrowser::Resize() {
  TWinControl::Resize();
  if (auto* platform = dynamic_cast<TOleWebBrowser*>(browser_.get())) platform->SetBounds(BrowserBounds());
  else if (browser_ && browser_->Handle()) {
    const RECT r = BrowserBounds();
    ::MoveWindow(browser_->Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
}

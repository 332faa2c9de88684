#pragma once
// The platform's WebBrowser control embedded in a child area of a window.
//
// Construct it with the parent window and the rectangle it fills (in the
// parent's client coordinates); call SetBounds when the parent's size
// changes. The thread must have initialised OLE (OleInitialize) first.
// Construction throws EOleError when the control cannot be created.
#include <exdisp.h>
#include <ocidl.h>

#include "BrowserControl.h"
#include "BrowserEvents.h"
#include "OleSite.h"

class TOleWebBrowser final : public TBrowserControl {
 public:
  TOleWebBrowser(HWND parent, const RECT& bounds);
  ~TOleWebBrowser() override;

  // Attributes
  HWND Handle() const override { return handle_; }
  ComPtr<IDispatch> Application() override;
  ComPtr<IDispatch> Document() override;
  std::wstring DocumentTitle(IDispatch* document) override;
  const RECT& Bounds() const noexcept { return site_->Bounds(); }
  // The site the control talks to (for tests of the container).
  TOleSite& Site() noexcept { return *site_.Get(); }

  // Operations
  void Navigate(const std::wstring& url) override;
  void SetBounds(const RECT& bounds);
  // Offers a keyboard message to the page (tab, enter, shortcuts in form
  // fields); true when the page took it. Call from the message loop before
  // TranslateMessage.
  bool TranslateAccelerator(MSG& message);

 private:
  void Teardown() noexcept;

  ComPtr<TOleSite> site_;
  ComPtr<TBrowserEventSink> sink_;
  ComPtr<IOleObject> object_;
  ComPtr<IOleInPlaceObject> inPlace_;
  ComPtr<IWebBrowser2> browser_;
  ComPtr<IConnectionPoint> events_;
  DWORD cookie_ = 0;
  HWND handle_ = nullptr;
};

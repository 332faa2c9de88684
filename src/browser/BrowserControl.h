#pragma once
// What the main window needs of an embedded web browser, and nothing more.
// TOleWebBrowser puts the platform's browser control behind it; tests use a
// scripted stand-in.
//
// Everything happens on the GUI thread. Events are raised from inside the
// message loop, and may also come from inside Navigate itself (the control
// reports an address it cannot even start on at once), so an owner sets
// its state before calling Navigate. Operations that can fail throw
// EOleError (a std::runtime_error whose what() is ANSI text for the log).
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <string>

#include "ComPtr.h"
#include "OleError.h"

class TBrowserControl {
 public:
  // A frame finished loading its document: the frame's automation object and
  // the document's address. Raised once per frame, the top-level one
  // included; `frame` is only valid during the call.
  using DocumentCompleteEvent = std::function<void(IDispatch* frame, const std::wstring& url)>;
  // The top-level frame's navigation failed (sub-frames are not reported):
  // the address and the status (an HTTP status or an HRESULT).
  using NavigateErrorEvent = std::function<void(const std::wstring& url, long status)>;

  TBrowserControl() = default;
  TBrowserControl(const TBrowserControl&) = delete;
  TBrowserControl& operator=(const TBrowserControl&) = delete;
  virtual ~TBrowserControl() = default;

  // Attributes
  // The control's own window; every window that shows the page descends
  // from it.
  virtual HWND Handle() const = 0;
  // The top-level automation object (property 200). The same COM object as
  // a document-complete event's frame exactly when the event is for the
  // top-level document; compare with SameComObject.
  virtual ComPtr<IDispatch> Application() = 0;
  // The top-level frame's current document (property 203); empty when
  // there is none.
  virtual ComPtr<IDispatch> Document() = 0;
  // The title of `document` (as returned by Document()) as UTF-16; empty
  // when it has none or is not an HTML document.
  virtual std::wstring DocumentTitle(IDispatch* document) = 0;

  // Operations
  // Starts loading `url` asynchronously; no flags, target frame, post data
  // or headers. Throws EOleError when the request itself is refused.
  virtual void Navigate(const std::wstring& url) = 0;

  // Events: set by the owner, called from the message loop.
  DocumentCompleteEvent OnDocumentComplete;
  NavigateErrorEvent OnNavigateError;

 protected:
  // For implementations: raise the events (no-ops when unset).
  void DoDocumentComplete(IDispatch* frame, const std::wstring& url) {
    if (OnDocumentComplete) OnDocumentComplete(frame, url);
  }
  void DoNavigateError(const std::wstring& url, long status) {
    if (OnNavigateError) OnNavigateError(url, status);
  }
};

#include "OleWebBrowser.h"

#include <mshtml.h>

namespace {

// An owned BSTR.
class TBstr {
 public:
  TBstr() noexcept = default;
  explicit TBstr(const std::wstring& text) : text_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (text_ == nullptr) throw EOleError(E_OUTOFMEMORY);
  }
  TBstr(const TBstr&) = delete;
  TBstr& operator=(const TBstr&) = delete;
  ~TBstr() { ::SysFreeString(text_); }

  BSTR Get() const noexcept { return text_; }
  BSTR* Put() noexcept {
    ::SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  std::wstring Text() const { return text_ ? std::wstring(text_, ::SysStringLen(text_)) : std::wstring(); }

 private:
  BSTR text_ = nullptr;
};

}  // namespace

TOleWebBrowser::TOleWebBrowser(HWND parent, const RECT& bounds) {
  site_ = MakeComObject<TOleSite>(parent, bounds);
  try {
    OleCheck(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.PutVoid()));
    OleCheck(object_->SetClientSite(site_->ClientSite()));
    ::OleSetContainedObject(object_.Get(), TRUE);
    RECT position = bounds;
    OleCheck(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_->ClientSite(), 0, parent, &position));

    HRESULT hr = S_OK;
    browser_ = object_.As<IWebBrowser2>(&hr);
    OleCheck(hr);
    inPlace_ = object_.As<IOleInPlaceObject>(&hr);
    OleCheck(hr);
    OleCheck(inPlace_->GetWindow(&handle_));

    sink_ = MakeComObject<TBrowserEventSink>(
        browser_.Get(), [this](IDispatch* frame, const std::wstring& url) { DoDocumentComplete(frame, url); },
        [this](const std::wstring& url, long status) { DoNavigateError(url, status); });
    ComPtr<IConnectionPointContainer> points = object_.As<IConnectionPointContainer>(&hr);
    OleCheck(hr);
    OleCheck(points->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.Put()));
    OleCheck(events_->Advise(static_cast<IDispatch*>(sink_.Get()), &cookie_));
  } catch (...) {
    Teardown();
    throw;
  }
}

TOleWebBrowser::~TOleWebBrowser() { Teardown(); }

void TOleWebBrowser::Teardown() noexcept {
  if (sink_) sink_->Detach();
  if (events_ && cookie_ != 0) events_->Unadvise(cookie_);
  cookie_ = 0;
  events_.Reset();
  if (browser_) browser_->Stop();
  if (inPlace_) inPlace_->InPlaceDeactivate();
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  inPlace_.Reset();
  browser_.Reset();
  object_.Reset();
  sink_.Reset();
  handle_ = nullptr;
}

ComPtr<IDispatch> TOleWebBrowser::Application() {
  ComPtr<IDispatch> application;
  OleCheck(browser_->get_Application(application.Put()));
  return application;
}

ComPtr<IDispatch> TOleWebBrowser::Document() {
  ComPtr<IDispatch> document;
  OleCheck(browser_->get_Document(document.Put()));
  return document;
}

std::wstring TOleWebBrowser::DocumentTitle(IDispatch* document) {
  if (document == nullptr) return {};
  // A document that is not HTML (a picture, a plain file) has no title.
  ComPtr<IHTMLDocument2> html = ComPtr<IDispatch>(document).As<IHTMLDocument2>();
  if (!html) return {};
  TBstr title;
  OleCheck(html->get_title(title.Put()));
  return title.Text();
}

void TOleWebBrowser::Navigate(const std::wstring& url) {
  TBstr address(url);
  VARIANT empty;
  ::VariantInit(&empty);  // VT_EMPTY: no flags, target frame, post data or headers
  OleCheck(browser_->Navigate(address.Get(), &empty, &empty, &empty, &empty));
}

void TOleWebBrowser::SetBounds(const RECT& bounds) {
  site_->SetBounds(bounds);
  if (inPlace_) OleCheck(inPlace_->SetObjectRects(&bounds, &bounds));
}

bool TOleWebBrowser::TranslateAccelerator(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  if (message.hwnd != handle_ && !::IsChild(handle_, message.hwnd)) return false;
  ComPtr<IOleInPlaceActiveObject> active = object_.As<IOleInPlaceActiveObject>();
  return active && active->TranslateAccelerator(&message) == S_OK;
}

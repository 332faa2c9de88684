#pragma once
// A stand-in for the embedded browser in tests of its owners. Instead of
// loading pages, a test scripts what the next load ends in and raises the
// events itself:
//
//   TScriptedBrowser browser(parentWindow);
//   window.Attach(browser);                     // however the owner takes it
//   browser.CompleteTopLevel(L"客户报修");      // a page with that title
//   browser.CompleteSubFrame(L"广告");          // a frame inside it
//   browser.CompleteTopLevelWithoutDocument();  // no document at all
//   browser.SetFailure(TScriptedBrowser::kTitle, E_ACCESSDENIED);
//
// Its window is a real child window of the parent (when one is given), with
// a descendant of its own standing for the page's window, so message
// filters can be tested against it.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "BrowserControl.h"
#include "ComObject.h"
#include "FakeDispatch.h"

class TScriptedBrowser final : public TBrowserControl {
 public:
  // The operations that can be made to fail.
  enum Operation { kNavigate, kApplication, kDocument, kTitle };

  explicit TScriptedBrowser(HWND parent = nullptr, RECT bounds = RECT{0, 0, 100, 100}) {
    if (parent == nullptr) return;
    handle_ = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                                bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr, nullptr, nullptr);
    page_ = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, bounds.right - bounds.left,
                              bounds.bottom - bounds.top, handle_, nullptr, nullptr, nullptr);
  }
  ~TScriptedBrowser() override {
    if (handle_ != nullptr) ::DestroyWindow(handle_);  // takes the page window with it
  }

  // TBrowserControl
  HWND Handle() const override { return handle_; }
  ComPtr<IDispatch> Application() override {
    Check(kApplication);
    return top_;
  }
  ComPtr<IDispatch> Document() override {
    Check(kDocument);
    return document_;
  }
  std::wstring DocumentTitle(IDispatch* document) override {
    Check(kTitle);
    ++titleReads_;
    if (document == nullptr) return {};
    const auto found = titles_.find(document);
    if (found == titles_.end()) throw EOleError(E_INVALIDARG);  // not a document of this browser
    return found->second;
  }
  void Navigate(const std::wstring& url) override {
    Check(kNavigate);
    navigations_.push_back(url);
  }

  // Script: attributes
  // The page's window: a child of Handle().
  HWND PageWindow() const noexcept { return page_; }
  // Every address Navigate accepted, in order.
  const std::vector<std::wstring>& Navigations() const noexcept { return navigations_; }
  // How often a title was read.
  int TitleReads() const noexcept { return titleReads_; }
  // The top-level frame object, as events carry it.
  IDispatch* TopFrame() const noexcept { return top_.Get(); }

  // Script: operations
  // From now on `operation` throws EOleError(hr); S_OK makes it work again.
  void SetFailure(Operation operation, HRESULT hr) { failures_[operation] = hr; }

  // The top-level document finished: one with `title`, or without a title
  // element (title reads give ""), or no document at all.
  void CompleteTopLevel(const std::wstring& title, const std::wstring& url = L"http://scripted.test/") {
    LoadDocument(title);
    DoDocumentComplete(top_.Get(), url);
  }
  void CompleteTopLevelWithoutTitle(const std::wstring& url = L"http://scripted.test/") {
    LoadDocument(L"");
    DoDocumentComplete(top_.Get(), url);
  }
  void CompleteTopLevelWithoutDocument(const std::wstring& url = L"http://scripted.test/") {
    document_.Reset();
    DoDocumentComplete(top_.Get(), url);
  }
  // A sub-frame finished: its own frame object and document; the top-level
  // document stays what it was.
  void CompleteSubFrame(const std::wstring& title, const std::wstring& url = L"http://scripted.test/frame") {
    ComPtr<IDispatch> frame = MakeComObject<TFakeDispatch>();
    ComPtr<IDispatch> document = MakeComObject<TFakeDispatch>();
    titles_[document.Get()] = title;
    keep_.push_back(frame);
    keep_.push_back(document);
    DoDocumentComplete(frame.Get(), url);
  }
  // The top-level navigation failed with `status`.
  void FailTopLevel(long status = 404, const std::wstring& url = L"http://scripted.test/") {
    DoNavigateError(url, status);
  }

 private:
  void Check(Operation operation) const {
    const auto found = failures_.find(operation);
    if (found != failures_.end() && FAILED(found->second)) throw EOleError(found->second);
  }
  void LoadDocument(const std::wstring& title) {
    document_ = MakeComObject<TFakeDispatch>();
    titles_[document_.Get()] = title;
    keep_.push_back(document_);
  }

  HWND handle_ = nullptr;
  HWND page_ = nullptr;
  ComPtr<IDispatch> top_ = MakeComObject<TFakeDispatch>();
  ComPtr<IDispatch> document_;
  std::map<IDispatch*, std::wstring> titles_;
  std::vector<ComPtr<IDispatch>> keep_;  // every object handed out stays alive, so addresses stay unique
  std::map<Operation, HRESULT> failures_;
  std::vector<std::wstring> navigations_;
  int titleReads_ = 0;
};

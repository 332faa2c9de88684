#include "BrowserEvents.h"

#include <gtest/gtest.h>

#include <exdisp.h>
#include <exdispid.h>
#include <urlmon.h>

#include <stdexcept>
#include <vector>

#include "BrowserTestWindow.h"
#include "FakeDispatch.h"
#include "OleSite.h"

namespace {

// Event arguments built the way the control sends them: last first, URL and
// status as VARIANTs by reference.
class EventArgs {
 public:
  EventArgs(IDispatch* frame, const wchar_t* url, long status = 0) {
    url_.vt = VT_BSTR;
    url_.bstrVal = ::SysAllocString(url);
    name_.vt = VT_BSTR;
    name_.bstrVal = ::SysAllocString(L"");
    status_.vt = VT_I4;
    status_.lVal = status;
    frame_.vt = VT_DISPATCH;
    frame_.pdispVal = frame;  // not owned: never cleared
  }
  ~EventArgs() {
    ::VariantClear(&url_);
    ::VariantClear(&name_);
  }

  DISPPARAMS DocumentComplete() {
    args_.assign(2, VARIANT{});
    args_[1] = frame_;
    args_[0].vt = VT_VARIANT | VT_BYREF;
    args_[0].pvarVal = &url_;
    return DISPPARAMS{args_.data(), nullptr, 2, 0};
  }
  DISPPARAMS NavigateError() {
    args_.assign(5, VARIANT{});
    args_[4] = frame_;
    args_[3].vt = VT_VARIANT | VT_BYREF;
    args_[3].pvarVal = &url_;
    args_[2].vt = VT_VARIANT | VT_BYREF;
    args_[2].pvarVal = &name_;
    args_[1].vt = VT_VARIANT | VT_BYREF;
    args_[1].pvarVal = &status_;
    args_[0].vt = VT_BOOL | VT_BYREF;
    args_[0].pboolVal = &cancel_;
    return DISPPARAMS{args_.data(), nullptr, 5, 0};
  }

 private:
  VARIANT frame_{}, url_{}, name_{}, status_{};
  VARIANT_BOOL cancel_ = VARIANT_FALSE;
  std::vector<VARIANT> args_;
};

HRESULT Raise(IDispatch* sink, DISPID id, DISPPARAMS params) {
  return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

struct Seen {
  std::vector<IDispatch*> frames;
  std::vector<std::wstring> urls;
  std::vector<std::pair<std::wstring, long>> errors;
};

class BrowserEventsTest : public ::testing::Test {
 protected:
  // The top-level object has several interfaces, so identity must be
  // decided through IUnknown, not by comparing pointers.
  TTestWindow window_{100, 100};
  ComPtr<TOleSite> top_ = MakeComObject<TOleSite>(window_.Handle(), RECT{0, 0, 10, 10});
  IUnknown* topAsSite_ = static_cast<IOleInPlaceSite*>(top_.Get());
  IDispatch* topAsDispatch_ = static_cast<IDispatch*>(top_.Get());
  ComPtr<IDispatch> subFrame_ = MakeComObject<TFakeDispatch>();
  Seen seen_;
  ComPtr<TBrowserEventSink> sink_ = MakeComObject<TBrowserEventSink>(
      topAsSite_,
      [this](IDispatch* frame, const std::wstring& url) {
        seen_.frames.push_back(frame);
        seen_.urls.push_back(url);
      },
      [this](const std::wstring& url, long status) { seen_.errors.emplace_back(url, status); });
  IDispatch* sinkDispatch_ = static_cast<IDispatch*>(sink_.Get());
};

TEST_F(BrowserEventsTest, DocumentCompleteReportsEveryFrameWithItsAddress) {
  EventArgs top(topAsDispatch_, L"http://host/report?id=1");
  EventArgs sub(subFrame_.Get(), L"http://host/frame");
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_DOCUMENTCOMPLETE, sub.DocumentComplete()), S_OK);
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_DOCUMENTCOMPLETE, top.DocumentComplete()), S_OK);
  ASSERT_EQ(seen_.frames.size(), 2u);
  EXPECT_EQ(seen_.frames[0], subFrame_.Get());
  EXPECT_EQ(seen_.urls[0], L"http://host/frame");
  EXPECT_EQ(seen_.frames[1], topAsDispatch_);
  EXPECT_EQ(seen_.urls[1], L"http://host/report?id=1");
  EXPECT_TRUE(SameComObject(seen_.frames[1], topAsSite_));
  EXPECT_FALSE(SameComObject(seen_.frames[0], topAsSite_));
}

TEST_F(BrowserEventsTest, NavigateErrorReportsTheTopLevelFrameOnly) {
  EventArgs sub(subFrame_.Get(), L"http://host/advert", 404);
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_NAVIGATEERROR, sub.NavigateError()), S_OK);
  EXPECT_TRUE(seen_.errors.empty()) << "a failing sub-frame leaves the page alone";

  EventArgs top(topAsDispatch_, L"http://host/report", static_cast<long>(INET_E_RESOURCE_NOT_FOUND));
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_NAVIGATEERROR, top.NavigateError()), S_OK);
  ASSERT_EQ(seen_.errors.size(), 1u);
  EXPECT_EQ(seen_.errors[0].first, L"http://host/report");
  EXPECT_EQ(seen_.errors[0].second, static_cast<long>(INET_E_RESOURCE_NOT_FOUND));
  EXPECT_TRUE(seen_.frames.empty());
}

TEST_F(BrowserEventsTest, OtherEventsAndBrokenArgumentsChangeNothing) {
  EventArgs top(topAsDispatch_, L"http://host/");
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_BEFORENAVIGATE2, top.NavigateError()), S_OK);
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_NAVIGATECOMPLETE2, top.DocumentComplete()), S_OK);
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_DOCUMENTCOMPLETE, DISPPARAMS{nullptr, nullptr, 0, 0}), S_OK);
  DISPPARAMS shortError = top.DocumentComplete();  // two arguments where five belong
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_NAVIGATEERROR, shortError), S_OK);
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_DOCUMENTCOMPLETE, DISPPARAMS{nullptr, nullptr, 2, 0}), E_INVALIDARG);
  EXPECT_EQ(sinkDispatch_->Invoke(DISPID_DOCUMENTCOMPLETE, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr,
                                  nullptr),
            E_INVALIDARG);
  EXPECT_TRUE(seen_.frames.empty());
  EXPECT_TRUE(seen_.errors.empty());

  ComPtr<IUnknown> events;
  EXPECT_EQ(sink_->QueryInterface(DIID_DWebBrowserEvents2, events.PutVoid()), S_OK);
  EXPECT_TRUE(SameComObject(events.Get(), sinkDispatch_));
}

TEST_F(BrowserEventsTest, HandlerFailuresStayOnOurSideAndDetachSilences) {
  int calls = 0;
  ComPtr<TBrowserEventSink> throwing = MakeComObject<TBrowserEventSink>(
      topAsSite_, [&](IDispatch*, const std::wstring&) {
        ++calls;
        throw std::runtime_error("handler failed");
      },
      nullptr);
  EventArgs top(topAsDispatch_, L"http://host/");
  EXPECT_EQ(Raise(static_cast<IDispatch*>(throwing.Get()), DISPID_DOCUMENTCOMPLETE, top.DocumentComplete()), S_OK);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(Raise(static_cast<IDispatch*>(throwing.Get()), DISPID_NAVIGATEERROR, top.NavigateError()), S_OK)
      << "an unset handler is simply not called";

  // A handler that detaches its own sink (its owner going away) finishes
  // its call; later events reach no one.
  std::wstring seenUrl;
  ComPtr<TBrowserEventSink> detaching;
  detaching = MakeComObject<TBrowserEventSink>(
      topAsSite_,
      [&, text = std::wstring(L"captured")](IDispatch*, const std::wstring& url) {
        detaching->Detach();
        seenUrl = url + L" " + text;
      },
      nullptr);
  EXPECT_EQ(Raise(static_cast<IDispatch*>(detaching.Get()), DISPID_DOCUMENTCOMPLETE, top.DocumentComplete()), S_OK);
  EXPECT_EQ(seenUrl, L"http://host/ captured");
  seenUrl.clear();
  EXPECT_EQ(Raise(static_cast<IDispatch*>(detaching.Get()), DISPID_DOCUMENTCOMPLETE, top.DocumentComplete()), S_OK);
  EXPECT_TRUE(seenUrl.empty());

  sink_->Detach();
  EXPECT_EQ(Raise(sinkDispatch_, DISPID_NAVIGATEERROR, top.NavigateError()), S_OK);
  EXPECT_TRUE(seen_.errors.empty());
}

}  // namespace

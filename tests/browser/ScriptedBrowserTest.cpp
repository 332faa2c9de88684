// The scripted browser must behave like the real one where its owners can
// tell: the same frame identity rules, documents and titles, failures as
// EOleError, and a window with a page window inside.
#include "ScriptedBrowser.h"

#include <gtest/gtest.h>

#include <urlmon.h>

#include <vector>

#include "BrowserTestWindow.h"

namespace {

// What an owner does on document-complete: top-level test, then the title.
struct Observed {
  bool topLevel = false;
  bool hasDocument = false;
  std::wstring title;
  std::wstring url;
};

class ScriptedBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    browser_.OnDocumentComplete = [this](IDispatch* frame, const std::wstring& url) {
      Observed o;
      o.url = url;
      o.topLevel = SameComObject(frame, browser_.Application().Get());
      if (o.topLevel) {
        ComPtr<IDispatch> document = browser_.Document();
        o.hasDocument = static_cast<bool>(document);
        o.title = browser_.DocumentTitle(document.Get());
      }
      seen_.push_back(o);
    };
  }

  TTestWindow window_{400, 300};
  TScriptedBrowser browser_{window_.Handle(), RECT{2, 2, 302, 202}};
  std::vector<Observed> seen_;
};

TEST_F(ScriptedBrowserTest, TopLevelCompletionsCarryTheScriptedDocument) {
  browser_.CompleteTopLevel(L"客户报修登记", L"http://report.test/a");
  browser_.CompleteTopLevelWithoutTitle();
  browser_.CompleteTopLevelWithoutDocument();
  ASSERT_EQ(seen_.size(), 3u);
  EXPECT_TRUE(seen_[0].topLevel);
  EXPECT_TRUE(seen_[0].hasDocument);
  EXPECT_EQ(seen_[0].title, L"客户报修登记");
  EXPECT_EQ(seen_[0].url, L"http://report.test/a");
  EXPECT_TRUE(seen_[1].hasDocument);
  EXPECT_EQ(seen_[1].title, L"");
  EXPECT_TRUE(seen_[2].topLevel);
  EXPECT_FALSE(seen_[2].hasDocument);
  EXPECT_EQ(seen_[2].title, L"");
}

TEST_F(ScriptedBrowserTest, SubFramesAreOtherObjectsAndLeaveTheTopDocument) {
  browser_.CompleteTopLevel(L"报修");
  browser_.CompleteSubFrame(L"登记");
  browser_.CompleteSubFrame(L"广告");
  ASSERT_EQ(seen_.size(), 3u);
  EXPECT_FALSE(seen_[1].topLevel);
  EXPECT_FALSE(seen_[2].topLevel);
  EXPECT_EQ(browser_.DocumentTitle(browser_.Document().Get()), L"报修");
  EXPECT_TRUE(SameComObject(browser_.TopFrame(), browser_.Application().Get()));
}

TEST_F(ScriptedBrowserTest, ScriptedFailuresThrowUntilCleared) {
  browser_.SetFailure(TScriptedBrowser::kTitle, E_ACCESSDENIED);
  EXPECT_THROW(browser_.CompleteTopLevel(L"报修"), EOleError) << "the owner's handler sees the failure";
  try {
    browser_.DocumentTitle(browser_.Document().Get());
    FAIL();
  } catch (const EOleError& e) {
    EXPECT_EQ(e.Code(), E_ACCESSDENIED);
    EXPECT_STRNE(e.what(), "");
  }
  browser_.SetFailure(TScriptedBrowser::kTitle, S_OK);
  EXPECT_EQ(browser_.DocumentTitle(browser_.Document().Get()), L"报修");

  browser_.SetFailure(TScriptedBrowser::kNavigate, INET_E_INVALID_URL);
  EXPECT_THROW(browser_.Navigate(L"http://a/"), EOleError);
  EXPECT_TRUE(browser_.Navigations().empty()) << "a refused request is not recorded";
  browser_.SetFailure(TScriptedBrowser::kNavigate, S_OK);
  browser_.Navigate(L"http://a/?id=1");
  browser_.Navigate(L"http://a/?id=2");
  EXPECT_EQ(browser_.Navigations(), (std::vector<std::wstring>{L"http://a/?id=1", L"http://a/?id=2"}));

  browser_.SetFailure(TScriptedBrowser::kApplication, E_FAIL);
  EXPECT_THROW(browser_.Application(), EOleError);
  browser_.SetFailure(TScriptedBrowser::kDocument, E_FAIL);
  EXPECT_THROW(browser_.Document(), EOleError);
}

TEST_F(ScriptedBrowserTest, NavigateErrorsAndForeignDocuments) {
  std::vector<long> statuses;
  browser_.OnNavigateError = [&](const std::wstring&, long status) { statuses.push_back(status); };
  browser_.FailTopLevel(404);
  browser_.FailTopLevel(static_cast<long>(INET_E_CANNOT_CONNECT));
  EXPECT_EQ(statuses, (std::vector<long>{404, static_cast<long>(INET_E_CANNOT_CONNECT)}));

  ComPtr<IDispatch> stranger = MakeComObject<TFakeDispatch>();
  EXPECT_THROW(browser_.DocumentTitle(stranger.Get()), EOleError);
  EXPECT_EQ(browser_.DocumentTitle(nullptr), L"");
}

TEST_F(ScriptedBrowserTest, WindowsNestLikeTheRealControl) {
  const HWND control = browser_.Handle();
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(::GetParent(control), window_.Handle());
  EXPECT_TRUE(::IsChild(control, browser_.PageWindow()));
  EXPECT_FALSE(::IsChild(control, control));
  RECT r{};
  ::GetWindowRect(control, &r);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);

  TScriptedBrowser windowless;
  EXPECT_EQ(windowless.Handle(), nullptr);
}

}  // namespace

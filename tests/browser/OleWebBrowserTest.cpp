// The real control, hosted in a window and pointed at the local report
// server that the ctest fixture starts. REPAIR_REPORT_SERVER_DIR names the
// server's folder: "address" holds HOST:PORT, "title" the page's title
// (UTF-8), "requests.log" every request line received.
//
// Where an HTML engine is installed the load ends in a top-level
// document-complete with the page's title; where none is (Wine without
// its engine) it ends in a top-level navigate-error. Either way the server
// must have seen exactly the address that was asked for.
#include "OleWebBrowser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "BrowserTestWindow.h"

namespace {

using namespace std::chrono_literals;

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::wstring FromUtf8(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                      static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(n > 0 ? n : 0));
  return wide;
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

bool HtmlEngineInstalled() {
  // The HTML document class {25336920-03F9-11CF-8FD0-00AA00686F13}.
  const CLSID htmlDocument = {0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};
  ComPtr<IUnknown> document;
  return SUCCEEDED(::CoCreateInstance(htmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                      document.PutVoid()));
}

class OleWebBrowserTest : public ::testing::Test {
 protected:
  struct Completion {
    std::wstring url;
    bool topLevel = false;
    std::wstring title;
  };

  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    const char* dir = std::getenv("REPAIR_REPORT_SERVER_DIR");
    ASSERT_NE(dir, nullptr) << "REPAIR_REPORT_SERVER_DIR is not set (the ctest fixture sets it)";
    dir_ = dir;
    const auto address = ReadLines(dir_ + "/address");
    ASSERT_EQ(address.size(), 1u);
    address_ = address[0];
    const auto title = ReadLines(dir_ + "/title");
    ASSERT_EQ(title.size(), 1u);
    title_ = FromUtf8(title[0]);
    engine_ = HtmlEngineInstalled();

    browser_ = std::make_unique<TOleWebBrowser>(window_.Handle(), RECT{2, 2, 782, 562});
    browser_->OnDocumentComplete = [this](IDispatch* frame, const std::wstring& url) {
      Completion c;
      c.url = url;
      c.topLevel = SameComObject(frame, browser_->Application().Get());
      if (c.topLevel) c.title = browser_->DocumentTitle(browser_->Document().Get());
      completions_.push_back(c);
    };
    browser_->OnNavigateError = [this](const std::wstring& url, long) { errors_.push_back(url); };
  }
  void TearDown() override {
    browser_.reset();
    ::OleUninitialize();
  }

  std::vector<std::string> Requests() const { return ReadLines(dir_ + "/requests.log"); }
  std::size_t TopLevelCompletions() const {
    std::size_t n = 0;
    for (const Completion& c : completions_) n += c.topLevel ? 1 : 0;
    return n;
  }

  // Navigates to `path` on the server and pumps messages until the load has
  // ended one way or the other; then checks the outcome fits the engine.
  void Load(const std::string& path) {
    const std::size_t errorsBefore = errors_.size();
    const std::size_t completionsBefore = TopLevelCompletions();
    const std::wstring url = L"http://" + Widen(address_) + Widen(path);
    browser_->Navigate(url);
    ASSERT_TRUE(PumpUntil([&] { return errors_.size() > errorsBefore || TopLevelCompletions() > completionsBefore; },
                          60s))
        << "the load ended in neither document-complete nor navigate-error";
    PumpUntil([] { return false; }, 300ms);  // late events of the same load
    if (engine_) {
      ASSERT_EQ(TopLevelCompletions(), completionsBefore + 1);
      EXPECT_EQ(completions_.back().title, title_);
      EXPECT_EQ(errors_.size(), errorsBefore);
    } else {
      ASSERT_EQ(errors_.size(), errorsBefore + 1) << "one top-level navigate-error";
      EXPECT_EQ(errors_.back(), url);
      EXPECT_EQ(TopLevelCompletions(), completionsBefore);
    }
  }

  TTestWindow window_{800, 600};
  std::unique_ptr<TOleWebBrowser> browser_;
  std::string dir_, address_;
  std::wstring title_;
  bool engine_ = false;
  std::vector<Completion> completions_;
  std::vector<std::wstring> errors_;
};

TEST_F(OleWebBrowserTest, ControlLivesInsideItsParent) {
  const HWND control = browser_->Handle();
  ASSERT_NE(control, nullptr);
  EXPECT_TRUE(::IsChild(window_.Handle(), control));
  EXPECT_TRUE(::IsWindowVisible(control));
  RECT r{};
  ::GetWindowRect(control, &r);
  EXPECT_EQ(r.right - r.left, 780);
  EXPECT_EQ(r.bottom - r.top, 560);

  browser_->SetBounds(RECT{0, 0, 400, 300});
  ::GetWindowRect(control, &r);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 300);

  const ComPtr<IDispatch> application = browser_->Application();
  ASSERT_TRUE(application);
  EXPECT_TRUE(SameComObject(application.Get(), browser_->Application().Get()));
  EXPECT_FALSE(browser_->Document()) << "no document before the first load";
  EXPECT_EQ(browser_->DocumentTitle(nullptr), L"");
}

TEST_F(OleWebBrowserTest, RequestReachesTheServerExactlyAsComposed) {
  const std::string path = "/report/repair.aspx?id=%E6%8A%A5%E4%BF%AE&name=Velmora+%E5%85%AC%E5%8F%B8&type=1"
                           "&dog=&other=a%2Bb%3D%26&version=1.0.2.3";
  const std::size_t before = Requests().size();
  Load(path);
  const auto requests = Requests();
  ASSERT_GT(requests.size(), before);
  EXPECT_EQ(requests[before], "GET " + path + " HTTP/1.1");
  for (std::size_t i = before + 1; i < requests.size(); ++i)
    EXPECT_EQ(requests[i].rfind("GET /favicon.ico", 0), 0u) << "unexpected request " << requests[i];
}

// The refresh link loads the page again: a second load after the first
// ended must send a second request and end again.
TEST_F(OleWebBrowserTest, SecondLoadAfterTheFirstEndedSendsASecondRequest) {
  const std::size_t before = Requests().size();
  Load("/report/again?n=1");
  Load("/report/again?n=2");
  std::vector<std::string> pages;
  for (const std::string& r : Requests())
    if (r.rfind("GET /report/again", 0) == 0) pages.push_back(r);
  ASSERT_GE(Requests().size(), before + 2);
  EXPECT_EQ(pages, (std::vector<std::string>{"GET /report/again?n=1 HTTP/1.1", "GET /report/again?n=2 HTTP/1.1"}));
}

TEST_F(OleWebBrowserTest, DestroyingTheHostMidLoadRaisesNothingLater) {
  browser_->Navigate(L"http://" + Widen(address_) + L"/report/abandoned");
  browser_.reset();
  PumpUntil([] { return false; }, 2s);
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(completions_.empty());
}

}  // namespace

// The main window with a scripted browser: page-load states, the refresh
// link, the phone label, failures while reading the page, and the filter
// that keeps right clicks away from the page.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "AnimatedImage.h"
#include "FrameworkTesting.h"
#include "AnsiText.h"
#include "Base64.h"
#include "LauncherTestSupport.h"
#include "PublicFunction.h"
#include "RepairMain.h"
#include "engine/QELSkinEngine.h"
#include "ScriptedBrowser.h"
#include "framework/Application.h"
#include "graphics/GdiObjects.h"

namespace {

// Lines of today's log that report a failed page load.
int LoadFailureLines(const std::string& log) {
  const std::string tag = "-----MAIN: " + ToAnsi(L"加载页面失败，错误：");
  int n = 0;
  for (std::size_t at = log.find(tag); at != std::string::npos; at = log.find(tag, at + 1)) ++n;
  return n;
}

std::string LogFileText() {
  SYSTEMTIME t;
  ::GetLocalTime(&t);
  char name[64];
  std::snprintf(name, sizeof name, "LogFiles\\Inspect_%04u%02u%02u.txt", t.wYear, t.wMonth, t.wDay);
  std::ifstream in(TSysOper::GetAppPath() + name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class RepairMainTest : public LauncherDirTest {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(std::filesystem::path(FromAnsi(TSysOper::GetAppPath())) / "LogFiles");
    WriteCurrentRecord({{"CompanyNum", "123"},
                        {"CompanyType", "R01"},
                        {"CompanyName", ToAnsi(L" 星河商行 ")},
                        {"DeviceId", "D1"},
                        {"UploadFtpUser", "u"},
                        {"OtherInfo", ""}});
  }

  void Open(bool withPhone = true) {
    TIniValues config{{"RepairURL", Base64EncodeText("http://scripted.test/report")}};
    if (withPhone) config.push_back({"CompanyTel", "400-1234"});
    WriteConfig(config);
    TRepairMainSetup setup;
    setup.Location = Location();
    setup.BrowserFactory = [this](HWND parent, const RECT& bounds) {
      auto browser = std::make_unique<TScriptedBrowser>(parent, bounds);
      browser_ = browser.get();
      return std::unique_ptr<TBrowserControl>(std::move(browser));
    };
    form_ = MakeComponent<TFrm_RepairMain>(std::move(setup));
    form_->Show();
    ASSERT_TRUE(PumpUntil([&] { return browser_ != nullptr && !browser_->Navigations().empty(); }));
  }

  // What the panel shows: 'W' waiting, 'E' error, 'P' the page; '?' for a
  // mixture no transition should leave.
  char State() const {
    const auto& f = *form_;
    const bool errorTexts = f.Img_back->Visible() && f.Lb_Base->Visible() && f.Lb_Ref->Visible() &&
                            f.Lb_cs->Visible();
    const bool noErrorTexts = !f.Img_back->Visible() && !f.Lb_Base->Visible() && !f.Lb_Ref->Visible() &&
                              !f.Lb_cs->Visible() && !f.Lb_Phone->Visible();
    const bool waitingTexts = f.Lb_Msg->Visible() && f.Img_Gif->Visible();
    if (!f.Pnl_Web->Visible()) return '?';
    if (!f.Pnl_Msg->Visible()) return 'P';
    if (waitingTexts && noErrorTexts) return 'W';
    if (!f.Lb_Msg->Visible() && !f.Img_Gif->Visible() && errorTexts) return 'E';
    return '?';
  }

  void ClickRefresh() {
    const HWND panel = form_->Pnl_Msg->Handle();
    const LPARAM at = MAKELPARAM(form_->Lb_Ref->Left() + 5, form_->Lb_Ref->Top() + 5);
    ::SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(panel, WM_LBUTTONUP, 0, at);
  }

  TOwned<TFrm_RepairMain> form_;
  TScriptedBrowser* browser_ = nullptr;
};

TEST_F(RepairMainTest, ShowsTheWaitingStateAndRequestsThePage) {
  Open();
  EXPECT_EQ(State(), 'W');
  EXPECT_EQ(form_->Caption(), L"Velmora软件报修-- 星河商行 ");
  wchar_t className[64];
  ::GetClassNameW(form_->Handle(), className, 64);
  EXPECT_STREQ(className, L"TFrm_RepairMain");
  RECT client;
  ::GetClientRect(form_->Handle(), &client);
  EXPECT_EQ(client.right, 784);
  EXPECT_EQ(client.bottom, 564);
  ASSERT_EQ(browser_->Navigations().size(), 1u);
  EXPECT_EQ(browser_->Navigations()[0],
            L"http://scripted.test/report?id=MTIz&name=%E6%98%9F%E6%B2%B3%E5%95%86%E8%A1%8C&type=UjAx"
            L"&dog=RDE=&other=&version=0.0.0.0");
  EXPECT_EQ(form_->Img_Gif->FrameCount(), 12);
  EXPECT_FALSE(form_->Img_back->Picture().Bitmap().Empty());
}

TEST_F(RepairMainTest, TitleDecidesBetweenPageAndError) {
  struct Case {
    const wchar_t* title;  // null: no document
    char expected;
  };
  const Case cases[] = {{L"Velmora客户报修", 'P'}, {L"设备登记表", 'P'},  {L"报", 'E'},
                        {L"Not Found", 'E'},         {L"", 'E'},           {nullptr, 'E'}};
  for (const Case& c : cases) {
    Open();
    if (c.title == nullptr) browser_->CompleteTopLevelWithoutDocument();
    else if (*c.title == 0) browser_->CompleteTopLevelWithoutTitle();
    else browser_->CompleteTopLevel(c.title);
    EXPECT_EQ(State(), c.expected) << (c.title ? ToAnsi(c.title) : "no document");
    form_.reset();
    browser_ = nullptr;
  }
}

TEST_F(RepairMainTest, SubFramesChangeNothingAndPageStaysOnOtherTitles) {
  Open();
  browser_->CompleteSubFrame(L"广告");
  EXPECT_EQ(State(), 'W');
  browser_->CompleteTopLevel(L"软件报修");
  EXPECT_EQ(State(), 'P');
  browser_->CompleteSubFrame(L"报修");
  browser_->CompleteTopLevel(L"Something else");
  EXPECT_FALSE(form_->Pnl_Msg->Visible());  // the page stays in view
  EXPECT_TRUE(form_->Pnl_Web->Visible());
}

TEST_F(RepairMainTest, ErrorShowsPhoneOnlyWhenConfigured) {
  Open(true);
  browser_->CompleteTopLevel(L"404");
  EXPECT_EQ(State(), 'E');
  EXPECT_TRUE(form_->Lb_Phone->Visible());
  EXPECT_EQ(form_->Lb_Phone->Caption(), L"客服电话:【400-1234】");
  form_.reset();
  browser_ = nullptr;

  Open(false);
  browser_->CompleteTopLevel(L"404");
  EXPECT_EQ(State(), 'E');
  EXPECT_FALSE(form_->Lb_Phone->Visible());
}

TEST_F(RepairMainTest, RefreshReturnsToWaitingAndRequestsAgain) {
  Open();
  browser_->CompleteTopLevel(L"Error");
  ASSERT_EQ(State(), 'E');
  ClickRefresh();
  EXPECT_EQ(State(), 'W');
  ASSERT_EQ(browser_->Navigations().size(), 2u);
  EXPECT_EQ(browser_->Navigations()[1], browser_->Navigations()[0]);
  browser_->CompleteTopLevel(L"报修");
  EXPECT_EQ(State(), 'P');
}

TEST_F(RepairMainTest, FailedTitleReadIsLoggedAndChangesNothing) {
  Open();
  browser_->SetFailure(TScriptedBrowser::kTitle, E_ACCESSDENIED);
  browser_->CompleteTopLevel(L"报修");
  EXPECT_EQ(State(), 'W');
  EXPECT_EQ(LoadFailureLines(LogFileText()), 1);
}

TEST_F(RepairMainTest, NavigationFailuresLeadToTheErrorState) {
  Open();
  browser_->FailTopLevel(502);
  EXPECT_EQ(State(), 'E');

  // A request the browser refuses: error state and one log line.
  browser_->SetFailure(TScriptedBrowser::kNavigate, E_FAIL);
  ClickRefresh();
  EXPECT_EQ(State(), 'E');
  EXPECT_EQ(LoadFailureLines(LogFileText()), 1);
}

TEST_F(RepairMainTest, RightButtonFilterDropsOnlyClicksOnThePage) {
  Open();
  const HWND page = browser_->PageWindow();
  const HWND browserWindow = browser_->Handle();
  const HWND panel = form_->Pnl_Msg->Handle();
  auto handled = [&](HWND target, UINT message) {
    MSG msg{target, message, 0, 0, 0, {}};
    bool result = false;
    form_->ApplicationEvents1Message(msg, result);
    return result;
  };
  for (UINT m : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK}) {
    EXPECT_TRUE(handled(page, m)) << m;
    EXPECT_FALSE(handled(browserWindow, m)) << m;
    EXPECT_FALSE(handled(panel, m)) << m;
  }
  EXPECT_FALSE(handled(page, WM_CONTEXTMENU));
  EXPECT_FALSE(handled(page, WM_LBUTTONDOWN));
}

TEST_F(RepairMainTest, WaitingMessageAndIndicatorArePainted) {
  Open();
  PumpUntil([] { return false; }, 300);  // let the window paint
  ::UpdateWindow(form_->Handle());
  // Read the panel's pixels from the screen: the message's ink is bluish,
  // the rest of the panel white.
  RECT r;
  ::GetWindowRect(form_->Pnl_Msg->Handle(), &r);
  UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
  auto countInk = [&](int top, int bottom, int left, int right, bool bluish) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) {
        const COLORREF c = ::GetPixel(screen.get(), r.left + x, r.top + y);
        if (c == RGB(255, 255, 255)) continue;
        if (!bluish || GetBValue(c) > GetRValue(c) + 40) ++n;
      }
    return n;
  };
  EXPECT_GT(countInk(241, 254, 325, 500, true), 15) << "no message text painted";
  EXPECT_EQ(countInk(280, 300, 100, 700, false), 0) << "stray ink below the message";
  const int frame = form_->Img_Gif->CurrentFrame();
  EXPECT_TRUE(PumpUntil([&] { return form_->Img_Gif->CurrentFrame() != frame; }, 1000))
      << "the indicator does not turn";
}

}  // namespace

namespace {

// What the test saw of a warning box while it was up.
struct TWarningSeen {
  bool shown = false, skinned = false;
  std::wstring text;
};
TWarningSeen g_warning;

void CALLBACK AnswerWarning(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = ::FindWindowW(L"#32770", L"提示");
  if (!box) return;
  ::KillTimer(nullptr, timer);
  TqelSkinEngine* engine = TqelSkinEngine::HookingEngine();
  wchar_t text[256] = {};
  ::GetDlgItemTextW(box, 0xFFFF, text, 256);
  g_warning = {true, engine && engine->FindSkinWindow(box) != nullptr, text};
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

// The window carries the engine with its stored values: the design-time
// skin file is not on this machine, the stored skin is loaded, and the
// window wears it.
TEST_F(RepairMainTest, TheWindowWearsTheBuiltInSkin) {
  Open();
  const TqelSkinEngine& engine = *form_->qelSkinEngine1;
  EXPECT_EQ(engine.Name(), "qelSkinEngine1");
  EXPECT_EQ(engine.SkinFile(), L"");
  EXPECT_TRUE(engine.Ready());
  EXPECT_TRUE(engine.BuiltIn());
  EXPECT_EQ(engine.DisabledTag(), 9999);
  EXPECT_EQ(engine.Values().MinFormWidth, 137);
  EXPECT_NE(engine.FindSkinWindow(form_->Handle()), nullptr);
  EXPECT_EQ(::SendMessageW(form_->Handle(), QM_SKINNEDQUERY, 0, 0), 1);
  for (const TControl* c : {static_cast<TControl*>(form_->Pnl_Msg), static_cast<TControl*>(form_->Lb_Msg),
                            static_cast<TControl*>(form_->Lb_Phone)})
    EXPECT_EQ(c->Tag(), 9999) << c->Name();
  RECT client;
  ::GetClientRect(form_->Handle(), &client);
  EXPECT_EQ(client.right, 784) << "the skinned frame keeps the client size";
  EXPECT_EQ(client.bottom, 564);
}

// A configuration warning comes after the engine exists: a skinned box.
TEST_F(RepairMainTest, ConfigurationWarningIsASkinnedBox) {
  g_warning = {};
  ::SetTimer(nullptr, 0, 50, AnswerWarning);
  TRepairMainSetup setup;
  setup.Location = Location();  // no configuration file
  form_ = MakeComponent<TFrm_RepairMain>(std::move(setup));
  EXPECT_TRUE(g_warning.shown);
  EXPECT_TRUE(g_warning.skinned);
  EXPECT_EQ(g_warning.text, L"配置文件不存在,无法启动软件");
  EXPECT_TRUE(Application.Terminated());
}

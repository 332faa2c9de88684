// RepairLauncher.exe as a customer starts it: an installation directory,
// the local report server (started by the ctest fixture; its folder comes
// in REPAIR_REPORT_SERVER_DIR), the window read from outside the process.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "AnsiText.h"
#include "Base64.h"
#include "CustomerIdentityApi.h"
#include "LauncherTexts.h"
#include "ProcessTesting.h"
#include "TestSandbox.h"
#include "graphics/GdiObjects.h"

namespace {

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Counts pixels of a window's area on the screen that satisfy `ink`.
template <typename Ink>
int CountPixels(HWND window, RECT area, Ink ink) {
  RECT r;
  ::GetWindowRect(window, &r);
  const UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
  int n = 0;
  for (int y = area.top; y < area.bottom; y += 2)
    for (int x = area.left; x < area.right; x += 2)
      if (ink(::GetPixel(screen.get(), r.left + x, r.top + y))) ++n;
  return n;
}

bool NotWhite(COLORREF c) { return c != RGB(255, 255, 255); }
bool Fuchsia(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) > 200; }

class LauncherEndToEnd : public ::testing::Test {
 protected:
  LauncherEndToEnd() : box_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    box_.CopyFromProgramDir("RepairLauncher.exe");
    box_.CopyFromProgramDir(kCurrentIdentityDll);
    box_.CopyFromProgramDir(kLegacyIdentityDll);
    box_.WriteFile("CustomerIdentity.ini",
                   IniText("Identity", {{"CompanyNum", "8001"}, {"CompanyType", "R01"},
                                        {"CompanyName", ToAnsi(L"测试公司")}, {"DeviceId", "DEV-9"},
                                        {"UploadFtpUser", ""}, {"OtherInfo", "a~b"}}));
    const char* dir = std::getenv("REPAIR_REPORT_SERVER_DIR");
    if (dir != nullptr) {
      serverDir_ = FromAnsi(dir);
      const auto address = ReadLines(serverDir_ / "address");
      if (!address.empty()) address_ = address[0];
    }
  }

  void SetUp() override {
    if (address_.empty()) GTEST_SKIP() << "no report server (REPAIR_REPORT_SERVER_DIR)";
  }

  void WriteConfig(const std::string& url, bool withPhone) {
    TIniValues values{{"RepairURL", Base64EncodeText(url)}};
    if (withPhone) values.push_back({"CompanyTel", "400-000-1234"});
    box_.WriteFile("RepairConfig\\RepairConfig.ini", IniText("SysInfo", values));
  }

  TProcess Start() const {
    return StartProgram(FromAnsi(box_.Dir() + "RepairLauncher.exe"), FromAnsi(box_.Dir()));
  }

  std::vector<std::string> Requests() const { return ReadLines(serverDir_ / "requests.log"); }

  HWND WaitForMainWindow(const TProcess& p) const {
    HWND found = nullptr;
    WaitFor([&] {
      for (HWND w : WindowsOf(p.id, kMainWindowClass))
        if (::IsWindowVisible(w) && TextOf(w).find(L"--") != std::wstring::npos) found = w;
      return found != nullptr;
    });
    return found;
  }

  // The waiting panel: the topmost child of Panel1 in its middle.
  static HWND MessagePanel(HWND form) {
    HWND panel1 = ::ChildWindowFromPointEx(form, POINT{392, 282}, CWP_SKIPINVISIBLE);
    return ::ChildWindowFromPointEx(panel1, POINT{390, 280}, CWP_SKIPINVISIBLE);
  }

  // The error state shows the background picture above the message line.
  static bool ShowsError(HWND panel) { return CountPixels(panel, RECT{300, 60, 500, 200}, NotWhite) > 100; }

  TTestSandbox box_;
  std::filesystem::path serverDir_;
  std::string address_;
};

TEST_F(LauncherEndToEnd, RequestsTheReportPageAndShowsTheErrorState) {
  WriteConfig("http://" + address_ + "/e2e/report", true);
  const std::size_t before = Requests().size();
  const TProcess p = Start();
  const HWND form = WaitForMainWindow(p);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(TextOf(form), L"Velmora软件报修--测试公司");
  RECT client;
  ::GetClientRect(form, &client);
  EXPECT_EQ(client.right, 784);
  EXPECT_EQ(client.bottom, 564);

  // Exactly the composed address reaches the server (~ travels as it is).
  ASSERT_TRUE(WaitFor([&] { return Requests().size() > before; }, 20s));
  EXPECT_EQ(Requests()[before],
            "GET /e2e/report?id=ODAwMQ==&name=%E6%B5%8B%E8%AF%95%E5%85%AC%E5%8F%B8&type=UjAx&dog=REVWLTk="
            "&other=a~b&version=1.0.0.1 HTTP/1.1");

  // The page cannot be shown here: the error state, with the phone.
  const HWND panel = MessagePanel(form);
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitFor([&] { return ShowsError(panel); }, 20s));
  EXPECT_GT(CountPixels(panel, RECT{232, 440, 560, 464}, Fuchsia), 20);

  // 刷新: the error texts go at once and a second request is sent.
  ::PostMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(510, 318));
  ::PostMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(510, 318));
  ASSERT_TRUE(WaitFor([&] { return Requests().size() > before + 1; }, 20s));
  EXPECT_EQ(Requests()[before + 1], Requests()[before]);
  EXPECT_TRUE(WaitFor([&] { return ShowsError(panel); }, 20s));

  ::PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(p), 0u);
}

TEST_F(LauncherEndToEnd, NoPhoneWithoutCompanyTelAndASecondCopyOnlyWarns) {
  WriteConfig("http://" + address_ + "/e2e/nophone", false);
  const TProcess first = Start();
  const HWND form = WaitForMainWindow(first);
  ASSERT_NE(form, nullptr);
  const HWND panel = MessagePanel(form);
  ASSERT_TRUE(WaitFor([&] { return ShowsError(panel); }, 20s));
  EXPECT_EQ(CountPixels(panel, RECT{232, 440, 560, 464}, Fuchsia), 0);

  // A second copy from a directory without configuration: only its box.
  TTestSandbox other("second_copy");
  other.CopyFromProgramDir("RepairLauncher.exe");
  const TProcess second = StartProgram(FromAnsi(other.Dir() + "RepairLauncher.exe"), FromAnsi(other.Dir()));
  int boxes = 0;
  DWORD exitCode = STILL_ACTIVE;
  const TBoxContents box = AnswerTheBox(second, boxes, exitCode);
  EXPECT_EQ(box.caption, L"提示");
  EXPECT_EQ(box.texts, std::vector<std::wstring>{L"软件报修已经运行..."});
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(exitCode, 0u);

  ::PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(first), 0u);
}

TEST_F(LauncherEndToEnd, ConfigurationWarningsEndTheProgram) {
  struct Case {
    const char* url;  // null: no configuration file
    const wchar_t* text;
  };
  const Case cases[] = {{nullptr, L"配置文件不存在,无法启动软件"},
                        {"   ", L"读取软件报修页面地址为空,无法启动软件"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(ToAnsi(c.text));
    box_.Remove("RepairConfig\\RepairConfig.ini");
    if (c.url != nullptr) WriteConfig(c.url, true);
    const TProcess p = Start();
    int boxes = 0;
    DWORD exitCode = STILL_ACTIVE;
    const TBoxContents box = AnswerTheBox(p, boxes, exitCode);
    EXPECT_EQ(box.caption, L"提示");
    EXPECT_EQ(box.texts, std::vector<std::wstring>{c.text});
    EXPECT_TRUE(box.icon);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(WindowsOf(p.id, kMainWindowClass).empty());
  }
}

}  // namespace

// The single-instance guard: the running copy's window lookup in this
// process, and the guard across real processes (guard_probe.exe), with the
// warning box driven from here.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <thread>

#include "AnsiText.h"
#include "CheckOutInfo.h"
#include "CustomerIdentityApi.h"
#include "LauncherTexts.h"
#include "TestSandbox.h"
#include "ProcessTesting.h"
#include "UniqueHandle.h"

namespace {

UniqueWindow MakeWindow(const wchar_t* className, const wchar_t* title) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className;
  ::RegisterClassW(&windowClass);  // again for a known class: harmless
  return UniqueWindow(::CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                        nullptr, windowClass.hInstance, nullptr));
}

TEST(FindRunningWindow, MatchesClassAndTitlePrefix) {
  struct Case {
    const wchar_t* className;
    const wchar_t* title;
    bool found;
  };
  const Case cases[] = {
      {kMainWindowClass, L"Velmora软件报修--杭州测试有限公司", true},  // a shown window
      {kMainWindowClass, L"Velmora软件报修", true},                   // not shown yet
      {kMainWindowClass, L"软件报修", false},
      {L"OtherRepairClass", L"Velmora软件报修--杭州测试有限公司", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToAnsi(c.title));
    const UniqueWindow window = MakeWindow(c.className, c.title);
    ASSERT_TRUE(window);
    EXPECT_EQ(TCheckOutInfo::FindRunningWindow(), c.found ? window.get() : nullptr);
  }
  EXPECT_EQ(TCheckOutInfo::FindRunningWindow(), nullptr);
}

// ---- Across processes -------------------------------------------------

class GuardAcrossProcesses : public ::testing::Test {
 protected:
  GuardAcrossProcesses() : first_("guard_first"), second_("guard_second") {
    // The first copy's directory is a complete installation...
    first_.CopyFromProgramDir("guard_probe.exe");
    first_.CopyFromProgramDir(kCurrentIdentityDll);
    first_.CopyFromProgramDir(kLegacyIdentityDll);
    first_.WriteFile("CustomerIdentity.ini",
                     IniText("Identity", {{"CompanyNum", "123"}, {"CompanyType", "R01"},
                                          {"CompanyName", ToAnsi(L"测试公司")}, {"DeviceId", "DEV-0001"},
                                          {"UploadFtpUser", ""}, {"OtherInfo", ""}}));
    first_.WriteFile("RepairConfig\\RepairConfig.ini",
                     IniText("SysInfo", {{"RepairURL", "aHR0cDovL3JlcGFpci5leGFtcGxlLmNvbS9yZXBvcnQuYXNweA=="}}));
    // ...the second one's holds the program alone: reading identity or
    // configuration there would show a warning of its own.
    second_.CopyFromProgramDir("guard_probe.exe");
  }

  static TProcess Start(const TTestSandbox& box, const char* journal) {
    return StartProgram(FromAnsi(box.Dir() + "guard_probe.exe"), FromAnsi(box.Dir()),
                        FromAnsi(journal));
  }

  static std::vector<std::string> Journal(const TTestSandbox& box, const char* name) {
    std::ifstream in(box.Path(name), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  // The running copy's main window, once it carries its full caption.
  static HWND WaitForMainWindow(const TProcess& p) {
    HWND found = nullptr;
    WaitFor([&] {
      for (HWND w : WindowsOf(p.id, kMainWindowClass))
        if (TextOf(w) == L"Velmora软件报修--测试公司" && ::IsWindowVisible(w)) found = w;
      return found != nullptr;
    });
    return found;
  }

  TTestSandbox first_;
  TTestSandbox second_;
};

TEST_F(GuardAcrossProcesses, SecondCopyWarnsOnceAndShowsTheRunningWindow) {
  TProcess first = Start(first_, "first.log");
  const HWND running = WaitForMainWindow(first);
  ASSERT_NE(running, nullptr) << "the first copy never showed its window";
  EXPECT_FALSE(::IsZoomed(running));

  const TProcess second = Start(second_, "second.log");
  int boxes = 0;
  DWORD exitCode = 0;
  const TBoxContents box = AnswerTheBox(second, boxes, exitCode);
  EXPECT_EQ(box.caption, L"提示");
  EXPECT_EQ(box.texts, std::vector<std::wstring>{L"软件报修已经运行..."});
  EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
  EXPECT_TRUE(box.icon);
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(Journal(second_, "second.log"), std::vector<std::string>{"terminate"});
  // The running copy was asked to show maximised, though its caption has
  // grown beyond the application title.
  EXPECT_TRUE(WaitFor([&] { return ::IsZoomed(running) != FALSE; }, 5s));

  ::PostMessageW(running, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(first), 0u);
  const std::string title = ToAnsi(L"title:Velmora软件报修");
  EXPECT_EQ(Journal(first_, "first.log"),
            (std::vector<std::string>{"initialize", title, "visible:8=0", "identity+config:ok", "window",
                                      "visible:1=1", "visible:7=1", "visible:3=1",
                                      "navigate:http://repair.example.com/report.aspx?id=MTIz"
                                      "&name=%E6%B5%8B%E8%AF%95%E5%85%AC%E5%8F%B8&type=UjAx&dog=REVWLTAwMDE="
                                      "&other=&version=0.0.0.0",
                                      "run", "end"}));

  // After a normal end, and after a killed copy, the next copy starts normally.
  first = Start(first_, "again.log");
  ASSERT_NE(WaitForMainWindow(first), nullptr);
  ::TerminateProcess(first.process.get(), 1);
  WaitForExit(first);
  first = Start(first_, "after-kill.log");
  const HWND restarted = WaitForMainWindow(first);
  ASSERT_NE(restarted, nullptr);
  ::PostMessageW(restarted, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(first), 0u);
}

TEST_F(GuardAcrossProcesses, WarnsWithoutAWindowToShowAndPassesOnceTheNameIsFree) {
  // This test process holds the name, without any launcher window.
  UniqueHandle held(::CreateMutexW(nullptr, TRUE, kInstanceMutexName));
  ASSERT_TRUE(held);
  ASSERT_EQ(::GetLastError(), 0u);

  const TProcess second = Start(second_, "held.log");
  int boxes = 0;
  DWORD exitCode = 0;
  const TBoxContents box = AnswerTheBox(second, boxes, exitCode);
  EXPECT_EQ(box.texts, std::vector<std::wstring>{L"软件报修已经运行..."});
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(Journal(second_, "held.log"), std::vector<std::string>{"terminate"});

  // Name released: the same copy passes the guard and goes on to read its
  // (missing) configuration, whose warning ends it.
  ::ReleaseMutex(held.get());
  held.reset();
  const TProcess next = Start(second_, "free.log");
  const TBoxContents configBox = AnswerTheBox(next, boxes, exitCode);
  EXPECT_EQ(configBox.texts, std::vector<std::wstring>{L"配置文件不存在,无法启动软件"});
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(Journal(second_, "free.log"),
            (std::vector<std::string>{"initialize", ToAnsi(L"title:Velmora软件报修"),
                                      "box:" + ToAnsi(L"配置文件不存在,无法启动软件"), "identity+config:failed",
                                      "terminate", "window"}));
}

}  // namespace

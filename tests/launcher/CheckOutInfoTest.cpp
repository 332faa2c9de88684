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
#include "UniqueHandle.h"

namespace {

using namespace std::chrono_literals;

struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DestroyWindow(h); }
};
using UniqueWindow = UniqueHandleT<WindowTraits>;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  ::GetWindowTextW(window, text, 256);
  return text;
}

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

struct TProcess {
  UniqueHandle process;
  DWORD id = 0;
};

template <typename Predicate>
bool WaitFor(Predicate done, std::chrono::milliseconds limit = 30s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

// Top-level windows of one process with the given class.
std::vector<HWND> WindowsOf(DWORD processId, const wchar_t* className) {
  struct Search {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
  } search{processId, className, {}};
  ::EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == s.processId && ClassOf(window) == s.className) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  ::EnumChildWindows(
      parent,
      [](HWND child, LPARAM context) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

// What a message box shows, read from its dialog window.
struct TBoxContents {
  std::wstring caption;
  std::vector<std::wstring> texts;  // non-empty static texts
  std::vector<int> buttons;         // control ids of the visible buttons
  bool icon = false;                // a visible icon
};

TBoxContents ReadBox(HWND dialog) {
  TBoxContents box{TextOf(dialog), {}, {}, false};
  for (HWND child : ChildrenOf(dialog)) {
    if (!::IsWindowVisible(child)) continue;
    const std::wstring kind = ClassOf(child);
    if (lstrcmpiW(kind.c_str(), L"Button") == 0) box.buttons.push_back(::GetDlgCtrlID(child));
    if (lstrcmpiW(kind.c_str(), L"Static") != 0) continue;
    if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      box.icon = box.icon || ::SendMessageW(child, STM_GETICON, 0, 0) != 0;
    else if (!TextOf(child).empty())
      box.texts.push_back(TextOf(child));
  }
  return box;
}

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
    const std::wstring program = FromAnsi(box.Dir() + "guard_probe.exe");
    std::wstring commandLine = L"guard_probe.exe " + FromAnsi(journal);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          FromAnsi(box.Dir()).c_str(), &startup, &info)) {
      ADD_FAILURE() << "cannot start " << box.Dir() << "guard_probe.exe";
      return {};
    }
    ::CloseHandle(info.hThread);
    return {UniqueHandle(info.hProcess), info.dwProcessId};
  }

  static std::vector<std::string> Journal(const TTestSandbox& box, const char* name) {
    std::ifstream in(box.Path(name), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  static DWORD WaitForExit(const TProcess& p) {
    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(p.process.get(), 30000) == WAIT_OBJECT_0) ::GetExitCodeProcess(p.process.get(), &code);
    return code;
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

  // Waits for the process's one message box, reads it, presses OK and waits
  // for the process to end. Counts every box the process shows meanwhile.
  static TBoxContents AnswerTheBox(const TProcess& p, int& boxesSeen, DWORD& exitCode) {
    std::set<HWND> seen;
    HWND dialog = nullptr;
    if (!WaitFor([&] {
          const auto dialogs = WindowsOf(p.id, L"#32770");
          if (!dialogs.empty()) dialog = dialogs.front();
          return dialog != nullptr && ::IsWindowVisible(dialog);
        })) {
      ADD_FAILURE() << "no message box appeared";
      boxesSeen = 0;
      exitCode = WaitForExit(p);
      return {};
    }
    seen.insert(dialog);
    const TBoxContents contents = ReadBox(dialog);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    WaitFor([&] {
      for (HWND d : WindowsOf(p.id, L"#32770")) seen.insert(d);
      return ::WaitForSingleObject(p.process.get(), 0) == WAIT_OBJECT_0;
    });
    boxesSeen = static_cast<int>(seen.size());
    exitCode = WaitForExit(p);
    return contents;
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

#pragma once
// Driving other processes from a test: starting a program, finding its
// windows, reading and answering its message boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "UniqueHandle.h"

using namespace std::chrono_literals;

struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DestroyWindow(h); }
};
using UniqueWindow = UniqueHandleT<WindowTraits>;

inline std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

inline std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  ::GetWindowTextW(window, text, 256);
  return text;
}

struct TProcess {
  UniqueHandle process;
  DWORD id = 0;
};

// Starts `program` (a full path) in `directory` with `arguments`.
inline TProcess StartProgram(const std::wstring& program, const std::wstring& directory,
                             const std::wstring& arguments = {}) {
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &info)) {
    ADD_FAILURE() << "cannot start a program (error " << ::GetLastError() << ")";
    return {};
  }
  ::CloseHandle(info.hThread);
  return {UniqueHandle(info.hProcess), info.dwProcessId};
}

template <typename Predicate>
bool WaitFor(Predicate done, std::chrono::milliseconds limit = 30s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

// The exit code, or STILL_ACTIVE when the process runs on for 30 s.
inline DWORD WaitForExit(const TProcess& p) {
  DWORD code = STILL_ACTIVE;
  if (::WaitForSingleObject(p.process.get(), 30000) == WAIT_OBJECT_0) ::GetExitCodeProcess(p.process.get(), &code);
  return code;
}

// Top-level windows of one process with the given class.
inline std::vector<HWND> WindowsOf(DWORD processId, const wchar_t* className) {
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

inline std::vector<HWND> ChildrenOf(HWND parent) {
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

inline TBoxContents ReadBox(HWND dialog) {
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

// Waits for the process's message box, reads it, presses OK and waits for
// the process to end. Counts every box the process shows meanwhile.
inline TBoxContents AnswerTheBox(const TProcess& p, int& boxesSeen, DWORD& exitCode) {
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
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
  WaitFor([&] {
    for (HWND d : WindowsOf(p.id, L"#32770")) seen.insert(d);
    return ::WaitForSingleObject(p.process.get(), 0) == WAIT_OBJECT_0;
  });
  boxesSeen = static_cast<int>(seen.size());
  exitCode = WaitForExit(p);
  return contents;
}

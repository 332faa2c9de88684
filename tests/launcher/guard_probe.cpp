// A stand-in for the launcher's executable, for the two-process tests of the
// single-instance guard. It runs the real entry sequence; its application
// object creates a bare TFrm_RepairMain window, reads identity and
// configuration through the launcher logic as the main window does, and
// writes a journal of every step, one line at a time, beside itself.
//
//   guard_probe.exe JOURNAL
#include <windows.h>

#include <cstdio>
#include <string>

#include "AnsiText.h"
#include "LauncherEntry.h"
#include "LauncherTexts.h"
#include "PublicFunction.h"
#include "RepairMainCore.h"

namespace {

class TJournal {
 public:
  explicit TJournal(std::string path) : path_(std::move(path)) {}
  void Write(const std::string& line) const {
    if (FILE* file = std::fopen(path_.c_str(), "ab")) {
      std::fputs((line + "\n").c_str(), file);
      std::fclose(file);
    }
  }

 private:
  std::string path_;
};

LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

class TProbeApplication : public ILauncherApplication, private IRepairMainView {
 public:
  explicit TProbeApplication(const TJournal& journal) : journal_(journal), core_(*this) {}

  void Terminate() override {
    terminated_ = true;
    journal_.Write("terminate");
  }
  void Initialize() override { journal_.Write("initialize"); }
  void SetTitle(const std::wstring& title) override { journal_.Write("title:" + ToAnsi(title)); }

  void CreateMainWindow() override {
    // As the main window's creation step: identity, then configuration.
    const bool ok = core_.ReadIdentityAndConfig();
    journal_.Write(ok ? "identity+config:ok" : "identity+config:failed");
    if (!ok) Terminate();

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ProbeWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kMainWindowClass;
    ::RegisterClassW(&windowClass);
    window_ = ::CreateWindowExW(0, kMainWindowClass, kAppTitle, WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
    journal_.Write(window_ != nullptr ? "window" : "no window");
  }

  void Run() override {
    if (terminated_ || window_ == nullptr) return;
    // As the main window's show step: caption with the company name, then the page.
    const std::wstring caption = std::wstring(kAppTitle) + L"--" + FromAnsi(core_.Fields().CompanyName);
    ::SetWindowTextW(window_, caption.c_str());
    ::ShowWindow(window_, SW_SHOWNORMAL);
    core_.OpenRepairPage();
    journal_.Write("run");
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    journal_.Write("end");
  }

 private:
  void ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) override {
    journal_.Write("box:" + ToAnsi(text));
    ::MessageBoxW(nullptr, text.c_str(), caption.c_str(), flags);
  }
  void SetPhoneCaption(const std::wstring& caption) override { journal_.Write("phone:" + ToAnsi(caption)); }
  void SetControlVisible(TRepairControl control, bool visible) override {
    journal_.Write("visible:" + std::to_string(static_cast<int>(control)) + (visible ? "=1" : "=0"));
  }
  void Navigate(const std::wstring& address) override { journal_.Write("navigate:" + ToAnsi(address)); }

  const TJournal& journal_;
  TRepairMainCore core_;
  HWND window_ = nullptr;
  bool terminated_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  const TJournal journal(TSysOper::GetAppPath() + (argc > 1 ? argv[1] : "probe.log"));
  TProbeApplication application(journal);
  return RunLauncherEntry(application);
}

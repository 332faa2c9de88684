// Gallery.exe: every control, menu, dialog and window kind of the
// framework on one sizeable form; see CommandLine.h for its options.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "CommandLine.h"
#include "GalleryForm.h"
#include "GalleryRun.h"
#include "framework/Application.h"

namespace {

std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(argv[i]);
  if (argv) ::LocalFree(argv);
  return arguments;
}

// To the console the program was started from, else in a message box.
void Tell(const std::string& text, bool error) {
  HANDLE out = ::GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (out && out != INVALID_HANDLE_VALUE &&
      ::WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
    return;
  ::MessageBoxA(nullptr, text.c_str(), "Gallery", error ? MB_ICONERROR : MB_ICONINFORMATION);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::vector<std::wstring> arguments = Arguments();
  const TGalleryOptions options = ParseGalleryCommandLine(arguments);
  if (!options.Error.empty()) {
    Tell("Gallery: " + options.Error + "\r\n" + GalleryUsage(), true);
    return 2;
  }
  if (options.Help) {
    Tell(GalleryUsage(), false);
    return 0;
  }
  Application.Initialize();
  Application.SetTitle(L"Gallery");
  auto* form = Application.CreateForm<TFrm_Gallery>();
  if (!options.Page.empty()) form->ShowPage(options.Page);
  TGalleryRun run(options, *form);
  Application.Run();
  return run.ExitCode();
}

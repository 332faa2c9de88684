// Gallery.exe: every control, menu, dialog and window kind of the
// framework on one sizeable form; see CommandLine.h for its options.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "CommandLine.h"
#include "GalleryForm.h"
#include "GalleryRun.h"
#include "GallerySkin.h"
#include "framework/Application.h"
#include "painters/StandardSkinners.h"

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
  const TGallerySkin skin = LoadGallerySkin(options);
  if (!skin.Error.empty()) {
    Tell("Gallery: " + skin.Error + "\r\n", true);
    return 2;
  }
  // The painters join the engine's registries before any form is skinned.
  RegisterStandardSkinners();
  Application.Initialize();
  Application.SetTitle(L"Gallery");
  TFrm_Gallery* form = nullptr;
  try {
    form = Application.CreateForm<TFrm_Gallery>(std::span<const std::uint8_t>(skin.Data));
  } catch (const std::exception& e) {
    Tell(std::string("Gallery: the skin cannot be worn: ") + e.what() + "\r\n", true);
    return 2;
  }
  if (!options.Page.empty()) form->ShowPage(options.Page);
  TGalleryRun run(options, *form);
  Application.Run();
  return run.ExitCode();
}

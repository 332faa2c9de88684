// RepairLauncher.exe: the guard, then the application with its one window.
#include <windows.h>

#include "LauncherEntry.h"
#include "RepairMain.h"
#include "framework/Application.h"
#include "painters/StandardSkinners.h"

namespace {

class TLauncherApplication final : public ILauncherApplication {
 public:
  void Terminate() override { Application.Terminate(); }
  void Initialize() override { Application.Initialize(); }
  void SetTitle(const std::wstring& title) override { Application.SetTitle(title); }
  void CreateMainWindow() override { Application.CreateForm<TFrm_RepairMain>(); }
  void Run() override { Application.Run(); }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The painters join the engine's registries before any form is skinned.
  RegisterStandardSkinners();
  TLauncherApplication application;
  return RunLauncherEntry(application);
}

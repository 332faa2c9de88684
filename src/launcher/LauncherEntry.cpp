#include "LauncherEntry.h"

#include "CheckOutInfo.h"
#include "LauncherTexts.h"

int RunLauncherEntry(ILauncherApplication& application) {
  bool alreadyRunning = false;
  {
    TCheckOutInfo guard;  // lives for the check only, whatever its outcome
    alreadyRunning = guard.IsAlreadyRunning();
  }
  if (alreadyRunning) {
    application.Terminate();
    return 0;
  }
  application.Initialize();
  application.SetTitle(kAppTitle);
  application.CreateMainWindow();
  application.Run();
  return 0;
}

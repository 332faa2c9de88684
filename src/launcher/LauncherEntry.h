#pragma once
// The launcher's entry sequence, apart from the window framework that
// carries it out: the guard first; a second copy ends before anything else
// is created or read.
#include <string>

// What the entry sequence needs of the application object.
class ILauncherApplication {
 public:
  virtual ~ILauncherApplication() = default;
  virtual void Terminate() = 0;                            // ask the application to end
  virtual void Initialize() = 0;                           // set up the application object
  virtual void SetTitle(const std::wstring& title) = 0;    // task-bar title
  virtual void CreateMainWindow() = 0;                     // creates TFrm_RepairMain (runs FormCreate)
  virtual void Run() = 0;                                  // message loop until the application ends
};

// Runs the guard and, in the first copy only, initialises the application,
// titles it, creates the main window and runs the message loop. Returns the
// process exit code, 0 in both outcomes.
int RunLauncherEntry(ILauncherApplication& application);

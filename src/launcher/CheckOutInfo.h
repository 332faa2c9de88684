#pragma once
// Single-instance guard: one copy of the launcher per logged-on desktop.
#include <windows.h>

class TCheckOutInfo {
 public:
  // Operations

  // True when another copy already holds the mutex "RepairMain": the running
  // copy's window has then been asked to show maximised and the warning box
  // has been shown and closed. False otherwise, including every failure.
  // The mutex handle is kept until the process ends.
  bool IsAlreadyRunning() noexcept;

  // The running copy's main window: a top-level window of class
  // TFrm_RepairMain whose title starts with the application title (once
  // shown, the title carries "--" and the company name). nullptr if none.
  static HWND FindRunningWindow();
};

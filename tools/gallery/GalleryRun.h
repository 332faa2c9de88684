#pragma once
// What the command line asks for once the main form shows: the MDI window,
// a dialog, captures of the windows and the end of the program.
#include <memory>

#include "CommandLine.h"
#include "framework/Timer.h"

class TFrm_Gallery;
class TModelessRawDialog;

class TGalleryRun {
 public:
  TGalleryRun(const TGalleryOptions& options, TFrm_Gallery& form);
  ~TGalleryRun();
  TGalleryRun(const TGalleryRun&) = delete;
  TGalleryRun& operator=(const TGalleryRun&) = delete;

  // The process's exit code: 0, or 1 when a capture was not saved.
  int ExitCode() const noexcept { return exitCode_; }

 private:
  void TimerFired(TObject& sender);
  void OpenWindows();
  void CaptureAndEnd();

  TGalleryOptions options_;
  TFrm_Gallery& form_;
  TOwned<TTimer> timer_;
  std::unique_ptr<TModelessRawDialog> rawDialog_;
  int stage_ = 0;
  int exitCode_ = 0;
};

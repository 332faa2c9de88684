#pragma once
// The gallery's command line.
//   --page NAME        open that page
//   --mdi              open the MDI window
//   --dialog KIND      open a dialog once shown: raw, message or msgdlg
//   --capture FILE.png save captures of the windows, then exit
//   --help             list the options and the page names
#include <span>
#include <string>

struct TGalleryOptions {
  std::string Page;
  bool MDI = false;
  std::string Dialog;
  std::wstring Capture;
  bool Help = false;
  // Not empty when the command line was wrong: what was wrong.
  std::string Error;
};

// Reads the arguments after the program name.
TGalleryOptions ParseGalleryCommandLine(std::span<const std::wstring> arguments);
// The text of --help.
std::string GalleryUsage();

#pragma once
// The gallery's command line.
//   --page NAME        open that page
//   --mdi              open the MDI window
//   --mdi-max          open it with its active child maximized
//   --dialog KIND      open a dialog once shown: raw, message or msgdlg
//   --capture FILE.png save captures of the windows, then exit
//   --skin FILE.qsk    wear that skin package instead of the built-in one
//   --no-skin          keep the platform's look
//   --help             list the options and the page names
#include <span>
#include <string>

struct TGalleryOptions {
  std::string Page;
  bool MDI = false;
  bool MDIMaximized = false;  // with MDI
  std::string Dialog;
  std::wstring Capture;
  std::wstring SkinFile;  // empty: the built-in skin
  bool NoSkin = false;
  bool Help = false;
  // Not empty when the command line was wrong: what was wrong.
  std::string Error;
};

// Reads the arguments after the program name.
TGalleryOptions ParseGalleryCommandLine(std::span<const std::wstring> arguments);
// The text of --help.
std::string GalleryUsage();

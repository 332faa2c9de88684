#include "CommandLine.h"

#include "GalleryPage.h"

namespace {

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t ch : text) out += ch < 0x80 ? static_cast<char>(ch) : '?';
  return out;
}

bool IsPage(const std::string& name) {
  for (const TGalleryPageInfo& page : GalleryPages())
    if (page.Name == name) return true;
  return false;
}

}  // namespace

TGalleryOptions ParseGalleryCommandLine(std::span<const std::wstring> arguments) {
  TGalleryOptions options;
  for (size_t i = 0; i < arguments.size() && options.Error.empty(); ++i) {
    const std::wstring& a = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (a == L"--help" || a == L"-h" || a == L"/?") {
      options.Help = true;
    } else if (a == L"--mdi") {
      options.MDI = true;
    } else if (a == L"--mdi-max") {
      options.MDI = options.MDIMaximized = true;
    } else if (a == L"--no-skin") {
      options.NoSkin = true;
    } else if (a == L"--page" || a == L"--dialog" || a == L"--capture" || a == L"--skin") {
      if (!hasValue) {
        options.Error = Narrow(a) + " needs a value";
        break;
      }
      const std::wstring& value = arguments[++i];
      if (a == L"--capture") {
        options.Capture = value;
      } else if (a == L"--skin") {
        options.SkinFile = value;
      } else if (a == L"--page") {
        options.Page = Narrow(value);
        if (!IsPage(options.Page)) options.Error = "no page named \"" + options.Page + "\"";
      } else {
        options.Dialog = Narrow(value);
        if (options.Dialog != "raw" && options.Dialog != "message" && options.Dialog != "msgdlg")
          options.Error = "--dialog takes raw, message or msgdlg";
      }
    } else {
      options.Error = "unknown argument \"" + Narrow(a) + "\"";
    }
  }
  if (options.Error.empty() && options.NoSkin && !options.SkinFile.empty())
    options.Error = "--skin and --no-skin exclude each other";
  return options;
}

std::string GalleryUsage() {
  std::string text =
      "Gallery [--page NAME] [--mdi|--mdi-max] [--dialog raw|message|msgdlg] [--capture FILE.png]\r\n"
      "        [--skin FILE.qsk|--no-skin]\r\n"
      "  --page NAME        open that page\r\n"
      "  --mdi              open the MDI window with three children\r\n"
      "  --mdi-max          the same, its active child maximized\r\n"
      "  --dialog KIND      open a dialog once the window shows: raw (a dialog template\r\n"
      "                     in memory), message (the platform's message box), msgdlg\r\n"
      "  --capture FILE.png save a capture of each open window (FILE.png, FILE-2.png...)\r\n"
      "                     once they are painted, then exit\r\n"
      "  --skin FILE.qsk    wear that skin package (default: the built-in skin)\r\n"
      "  --no-skin          keep the platform's look\r\n"
      "pages:";
  for (const TGalleryPageInfo& page : GalleryPages()) text += " " + std::string(page.Name);
  return text + "\r\n";
}

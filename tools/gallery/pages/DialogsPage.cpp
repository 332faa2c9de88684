// Buttons that open each dialog the gallery knows.
#include "../GalleryDialogs.h"
#include "../GalleryPage.h"
#include "../RawDialog.h"
#include "framework/Label.h"
#include "framework/stdctrls/Button.h"

void BuildDialogsPage(TGalleryPage& page) {
  struct Entry {
    const wchar_t* caption;
    const wchar_t* note;
    void (*open)();
  };
  static const Entry entries[] = {
      {L"&Message box", L"Application.MessageBox: the platform's own box", &ShowPlatformMessageBox},
      {L"Message &dialog", L"MessageDlg: the framework's message form", &ShowMessageDialog},
      {L"&Open...", L"The common dialog for opening a file", &ShowOpenDialog},
      {L"&Save...", L"The common dialog for saving a file", &ShowSaveDialog},
      {L"&Colour...", L"The common colour dialog", &ShowColourDialog},
      {L"&Folder...", L"Browsing for a folder", &ShowFolderDialog},
      {L"&Raw dialog...", L"A dialog template made in memory, of the platform's controls",
       [] { ShowRawDialog(::GetActiveWindow()); }},
  };
  int top = 24;
  for (const Entry& entry : entries) {
    auto* button = page.Add<TButton>(12, top, 120, 25, entry.caption);
    button->OnClick = [open = entry.open](TObject&) { open(); };
    page.Add<TLabel>(144, top + 5, 500, 15, entry.note);
    if (top == 24) page.SetFocusControl(button);
    top += 34;
  }
}

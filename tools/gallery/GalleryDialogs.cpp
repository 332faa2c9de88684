#include "GalleryDialogs.h"

#include <string>

#include "framework/Application.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/MessageDialog.h"

void ShowPlatformMessageBox() {
  Application.MessageBox(L"A message box of the platform, with a question.", L"Message box",
                         MB_YESNOCANCEL | MB_ICONQUESTION);
}

void ShowMessageDialog() {
  MessageDlg(L"A message dialog of the framework. Save the changes to the gallery?", mtConfirmation,
             mbYes | mbNo | mbCancel);
}

void ShowOpenDialog() {
  TOwned<TOpenDialog> open = MakeComponent<TOpenDialog>();
  open->SetTitle(L"Open a file");
  open->SetFilter(L"Text files (*.txt)|*.txt|All files|*.*");
  open->Execute();
}

void ShowSaveDialog() {
  TOwned<TSaveDialog> save = MakeComponent<TSaveDialog>();
  save->SetTitle(L"Save a file");
  save->SetFilter(L"Text files (*.txt)|*.txt|All files|*.*");
  save->SetFileName(L"gallery.txt");
  save->SetDefaultExt(L"txt");
  save->Execute();
}

void ShowColourDialog() {
  TOwned<TColorDialog> colour = MakeComponent<TColorDialog>();
  colour->SetColor(clTeal);
  colour->Execute();
}

void ShowFolderDialog() {
  std::wstring directory = L"C:\\";
  SelectDirectory(L"Pick a folder", directory);
}

#pragma once
// The dialogs the gallery opens: the platform's message box, the
// framework's message dialog, the common dialogs and the raw dialog.
#include <windows.h>

void ShowPlatformMessageBox();
void ShowMessageDialog();
void ShowOpenDialog();
void ShowSaveDialog();
void ShowColourDialog();
void ShowFolderDialog();

// The common dialogs: each opens as a "#32770" window over the active form
// and returns what the test enters, or nothing when cancelled.
#include "dialogs/Dialogs.h"

#include <dlgs.h>

#include <cwctype>
#include <fstream>

#include "FrameworkTesting.h"
#include "forms/FormsTesting.h"
#include "framework/Form.h"

namespace {

class DialogsTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    folder = temp;
    if (folder.back() == L'\\') folder.pop_back();
    existing = folder + L"\\forms_dialog_test.txt";
    std::ofstream(existing.c_str()) << "x";
    owner = MakeComponent<TForm>();
    owner->Show();
    ::SetActiveWindow(owner->Handle());
    Pump();
  }
  void TearDown() override {
    ::DeleteFileW(existing.c_str());
    owner.reset();
    FrameworkTest::TearDown();
  }
  std::wstring folder, existing;
  TOwned<TForm> owner;
};

// Types name into the file dialog's name box and presses OK.
void EnterFileName(HWND dialog, const wchar_t* name) {
  for (int id : {cmb13, edt1})
    if (HWND box = ::GetDlgItem(dialog, id)) ::SetWindowTextW(box, name);
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
}

void Cancel(HWND dialog) { ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

TEST_F(DialogsTest, FileDialogsReturnTheEnteredNameOrNothing) {
  TOwned<TOpenDialog> open = MakeComponent<TOpenDialog>();
  open->SetInitialDir(folder);
  open->SetFilter(L"Text (*.txt)|*.txt|All files|*.*");
  open->SetOptions(open->Options() | ofFileMustExist);
  {
    bool ownerDisabled = false;
    TDialogAnswer answer(L"#32770", [&](HWND d) {
      ownerDisabled = !::IsWindowEnabled(owner->Handle());  // modal over the active form
      EnterFileName(d, L"forms_dialog_test.txt");
    });
    ASSERT_TRUE(open->Execute());
    EXPECT_TRUE(ownerDisabled);
  }
  EXPECT_EQ(Lower(open->FileName()), Lower(existing));
  EXPECT_EQ(open->Files().size(), 1u);
  {
    TDialogAnswer answer(L"#32770", Cancel);
    EXPECT_FALSE(open->Execute());
  }
  EXPECT_EQ(Lower(open->FileName()), Lower(existing));  // unchanged

  TOwned<TSaveDialog> save = MakeComponent<TSaveDialog>();
  save->SetInitialDir(folder);
  save->SetDefaultExt(L"txt");
  {
    TDialogAnswer answer(L"#32770", [](HWND d) { EnterFileName(d, L"forms_new_name"); });
    ASSERT_TRUE(save->Execute());
  }
  EXPECT_EQ(Lower(save->FileName()), Lower(folder + L"\\forms_new_name.txt"));
}

TEST_F(DialogsTest, ColorDialogReturnsTheChosenColour) {
  TOwned<TColorDialog> dialog = MakeComponent<TColorDialog>();
  dialog->SetColor(clRed);
  {
    TDialogAnswer answer(L"#32770", [](HWND d) { ::PostMessageW(d, WM_COMMAND, IDOK, 0); });
    ASSERT_TRUE(dialog->Execute());
  }
  EXPECT_EQ(dialog->Color(), clRed);
  {
    TDialogAnswer answer(L"#32770", Cancel);
    dialog->SetColor(clBlue);
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->Color(), clBlue);
  }
}

TEST_F(DialogsTest, FolderBrowserReturnsTheFolder) {
  std::wstring chosen = folder;
  {
    TDialogAnswer answer(L"#32770", [](HWND d) { ::PostMessageW(d, WM_COMMAND, IDOK, 0); });
    ASSERT_TRUE(SelectDirectory(L"Pick a folder", chosen));
    EXPECT_NE(answer.Seen(), nullptr);
  }
  EXPECT_EQ(Lower(chosen), Lower(folder));
  {
    TDialogAnswer answer(L"#32770", Cancel);
    std::wstring kept = L"C:\\";
    EXPECT_FALSE(SelectDirectory(L"Pick a folder", kept));
    EXPECT_EQ(kept, L"C:\\");
  }
}

}  // namespace

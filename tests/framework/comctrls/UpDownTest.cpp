// Up-down controls: arrows step Position (with wrapping), an associate
// shows it and takes arrow keys, OnChanging may refuse a step and OnClick
// tells which arrow was pressed.
#include "framework/comctrls/UpDown.h"

#include <commctrl.h>

#include "ComCtrlsTesting.h"
#include "framework/stdctrls/Edit.h"

namespace {

class UpDownTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    edit = Add<TEdit>(10, 10, 80, 24);
    upDown = Add<TUpDown>(0, 0, 17, 24);
    upDown->SetRange(0, 10);
    upDown->SetIncrement(3);
    upDown->SetPosition(4);
    upDown->SetAssociate(edit);
    upDown->OnChanging = [this](TObject&, bool& allow) {
      log += L"changing ";
      allow = allowChange;
    };
    upDown->OnClick = [this](TObject&, TUDBtnType button) { log += button == btNext ? L"next " : L"prev "; };
  }
  std::wstring EditText() {
    wchar_t text[32]{};
    ::GetWindowTextW(edit->Handle(), text, 32);
    return text;
  }
  void ClickArrow(bool up) { ClickAt(*upDown, {upDown->Width() / 2, up ? upDown->Height() / 4 : upDown->Height() * 3 / 4}); }

  TEdit* edit = nullptr;
  TUpDown* upDown = nullptr;
  std::wstring log;
  bool allowChange = true;
};

TEST_F(UpDownTest, ArrowsStepTheAssociateAndTellWhichWasPressed) {
  EXPECT_EQ(EditText(), L"4");
  EXPECT_EQ(upDown->Left(), edit->Left() + edit->Width()) << "the arrows sit right of the associate";
  ClickArrow(true);
  EXPECT_EQ(upDown->Position(), 7);
  EXPECT_EQ(EditText(), L"7");
  ClickArrow(false);
  ClickArrow(false);
  EXPECT_EQ(upDown->Position(), 1);
  EXPECT_EQ(log, L"changing next changing prev changing prev ");
  allowChange = false;
  log.clear();
  ClickArrow(true);
  EXPECT_EQ(upDown->Position(), 1) << "OnChanging refused the step";
  EXPECT_EQ(log, L"changing ");
}

TEST_F(UpDownTest, WrapGoesRoundAndStaysANextStep) {
  upDown->SetWrap(true);  // re-creates the window
  EXPECT_TRUE(::GetWindowLongPtrW(upDown->Handle(), GWL_STYLE) & UDS_WRAP);
  upDown->SetPosition(9);
  ClickArrow(true);
  EXPECT_EQ(upDown->Position(), 1) << "9 + 3 round the 11 values 0..10";
  EXPECT_EQ(log, L"changing next ");
  upDown->SetWrap(false);
  upDown->SetPosition(9);
  ClickArrow(true);
  EXPECT_EQ(upDown->Position(), 10);
}

TEST_F(UpDownTest, ArrowKeysInTheAssociateStepAndItsTextIsRead) {
  edit->SetFocus();
  PressKey(VK_UP);
  EXPECT_EQ(upDown->Position(), 7);
  EXPECT_EQ(EditText(), L"7");
  ::SetWindowTextW(edit->Handle(), L"2");
  EXPECT_EQ(upDown->Position(), 2) << "typed text is the position";
  edit->Free();
  EXPECT_EQ(upDown->Associate(), nullptr);
  EXPECT_EQ(::SendMessageW(upDown->Handle(), UDM_GETBUDDY, 0, 0), 0);
}

}  // namespace

// Message dialogs: the form's class, its buttons by set, the keyboard
// (real key input) and the platform's message box.
#include "forms/MessageDialog.h"

#include "FrameworkTesting.h"
#include "dialogs/DialogButton.h"
#include "forms/FormsTesting.h"
#include "framework/Label.h"

namespace {

class MessageDialogTest : public FrameworkTest {};

std::vector<std::wstring> ButtonCaptions(TMessageForm& form) {
  std::vector<std::wstring> captions;
  for (int i = 0; i < form.ControlCount(); ++i)
    if (auto* b = dynamic_cast<TDialogButton*>(form.Controls(i))) captions.push_back(b->Caption());
  return captions;
}

TEST_F(MessageDialogTest, ButtonsFollowTheSetWithTheirDefaultAndCancelButtons) {
  struct Case {
    TMsgDlgButtons buttons;
    std::vector<std::wstring> captions;
    TModalResult enter, escape;
  };
  const Case cases[] = {
      {mbOK, {L"OK"}, mrOk, mrOk},
      {mbOKCancel, {L"OK", L"Cancel"}, mrOk, mrCancel},
      {mbYes | mbNo, {L"&Yes", L"&No"}, mrYes, mrNo},
      {mbYesNoCancel | mbHelp, {L"&Yes", L"&No", L"Cancel", L"&Help"}, mrYes, mrCancel},
      {mbAbortRetryIgnore, {L"&Abort", L"&Retry", L"&Ignore"}, mrRetry, 0},
      {mbYes | mbNoToAll | mbYesToAll | mbAll, {L"&Yes", L"&All", L"N&o to All", L"Yes to &All"}, mrYes, 0},
      {0, {L"OK"}, mrOk, mrOk},  // never without a way out
  };
  for (const Case& c : cases) {
    TOwned<TMessageForm> form = MakeComponent<TMessageForm>(L"Text", mtInformation, c.buttons, 0);
    EXPECT_EQ(form->ClassName(), "TMessageForm");
    EXPECT_EQ(ButtonCaptions(*form), c.captions);
    ASSERT_NE(form->DefaultButton(), nullptr);
    EXPECT_EQ(form->DefaultButton()->ModalResult(), c.enter);
    EXPECT_TRUE(form->DefaultButton()->Default());
    EXPECT_EQ(form->CancelButton() ? form->CancelButton()->ModalResult() : 0, c.escape);
  }
}

TEST_F(MessageDialogTest, LongTextWrapsAndTheDialogFitsItsButtons) {
  const std::wstring text(400, L'字');
  TOwned<TMessageForm> form = MakeComponent<TMessageForm>(text, mtWarning, mbYesNoCancel, 0);
  form->HandleNeeded();
  wchar_t className[32] = {};
  ::GetClassNameW(form->Handle(), className, 32);
  EXPECT_STREQ(className, L"TMessageForm");
  EXPECT_EQ(form->Caption(), L"Warning");
  EXPECT_LE(form->Width(), ::GetSystemMetrics(SM_CXSCREEN) * 3 / 4);
  auto* message = dynamic_cast<TLabel*>(form->FindComponent("Message"));
  ASSERT_NE(message, nullptr);
  EXPECT_GT(message->Height(), 3 * std::abs(form->Font().Height()));  // several lines
  const RECT text_ = message->BoundsRect();
  for (TMsgDlgBtn kind : {mbYes, mbNo, mbCancel}) {
    const RECT b = form->Button(kind)->BoundsRect();
    EXPECT_GE(b.top, text_.bottom);
    EXPECT_LE(b.right, form->ClientWidth());
    EXPECT_LE(b.bottom, form->ClientHeight());
  }
  EXPECT_GT(text_.left, 32);  // right of the icon
  form->Show();
  Pump();
  const TBitmap shot = CaptureWindow(form->Handle(), "forms_message.bmp");
  POINT origin{0, 0};
  ::ClientToScreen(form->Handle(), &origin);
  RECT window{};
  ::GetWindowRect(form->Handle(), &window);
  const int dx = origin.x - window.left, dy = origin.y - window.top;
  // The warning icon is drawn left of the text; the text itself is drawn.
  EXPECT_GT(ColourCount(shot, {dx + 4, dy + 4, dx + text_.left - 4, dy + 40}), 3);
  EXPECT_GE(ColourCount(shot, {dx + text_.left, dy + text_.top, dx + text_.right, dy + text_.bottom}), 2);
}

TEST_F(MessageDialogTest, KeysAnswerTheDialog) {
  struct Case {
    const char* what;
    TMsgDlgButtons buttons;
    std::vector<std::pair<WORD, bool>> keys;  // key, Alt
    TModalResult expected;
  };
  const Case cases[] = {
      {"Enter: the default button", mbYesNoCancel, {{VK_RETURN, false}}, mrYes},
      {"Esc: the cancel button", mbYesNoCancel, {{VK_ESCAPE, false}}, mrCancel},
      {"Esc without Cancel: No", mbYes | mbNo, {{VK_ESCAPE, false}}, mrNo},
      {"Tab then Enter", mbOKCancel, {{VK_TAB, false}, {VK_RETURN, false}}, mrCancel},
      {"a mnemonic", mbYesNoCancel, {{'N', false}}, mrNo},
      {"a mnemonic with Alt", mbAbortRetryIgnore, {{'I', true}}, mrIgnore},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TDialogAnswer answer(L"TMessageForm", [&](HWND window) {
      ::SetForegroundWindow(window);
      for (auto [key, alt] : c.keys) PressKey(key, alt);
    });
    EXPECT_EQ(MessageDlg(L"Save the changes?", mtConfirmation, c.buttons, 0), c.expected);
    EXPECT_NE(answer.Seen(), nullptr);
  }
}

TEST_F(MessageDialogTest, ApplicationMessageBoxReturnsThePressedButton) {
  for (int button : {IDYES, IDNO, IDCANCEL}) {
    wchar_t title[32] = {};
    TDialogAnswer answer(L"#32770", [&](HWND box) {
      ::GetWindowTextW(box, title, 32);
      ::PostMessageW(box, WM_COMMAND, button, 0);
    });
    EXPECT_EQ(Application.MessageBox(L"Continue?", L"Question", MB_YESNOCANCEL), button);
    EXPECT_STREQ(title, L"Question");
  }
}

}  // namespace

#pragma once
// Message dialogs: a framework form of class TMessageForm with the icon of
// the message type, the wrapped text and one button per chosen kind.
//
//   if (MessageDlg(L"Save the changes?", mtConfirmation, mbYes | mbNo | mbCancel, 0) == mrYes) ...
//
// The default button is OK, else Yes, else Retry, else the first; Esc and
// the close box answer Cancel, else No, else OK (the "cancel button").
// Enter presses the focused button, Tab and Shift+Tab move between the
// buttons, a button's underlined letter (with or without Alt) presses it.
#include <string>
#include <string_view>

#include "framework/Form.h"

class TDialogButton;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// The buttons, as a set.
enum TMsgDlgBtn : unsigned {
  mbYes = 0x001,
  mbNo = 0x002,
  mbOK = 0x004,
  mbCancel = 0x008,
  mbAbort = 0x010,
  mbRetry = 0x020,
  mbIgnore = 0x040,
  mbAll = 0x080,
  mbNoToAll = 0x100,
  mbYesToAll = 0x200,
  mbHelp = 0x400,
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
constexpr TMsgDlgButtons mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

constexpr TModalResult mrAll = mrNo + 1;
constexpr TModalResult mrNoToAll = mrAll + 1;
constexpr TModalResult mrYesToAll = mrNoToAll + 1;

class TMessageForm : public TForm {
  FW_CLASS(TMessageForm, TForm)
 public:
  TMessageForm(TComponent* owner, std::wstring_view text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);

  // Attributes
  int HelpContext() const noexcept { return helpContext_; }
  // The button of one kind, or null when the dialog has none.
  TDialogButton* Button(TMsgDlgBtn kind) const noexcept;
  TDialogButton* DefaultButton() const noexcept { return default_; }
  TDialogButton* CancelButton() const noexcept { return cancel_; }

  // Events
  // The Help button was pressed (the dialog stays open).
  TNotifyEvent OnHelp;

 protected:
  void WndProc(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;

 private:
  void PaintWindow(HDC dc) override;
  void CMActivate(TMessage& message);
  void Layout(std::wstring_view text);
  void MoveFocus(int step);

  TDialogButton* buttons_[11] = {};
  TDialogButton* default_ = nullptr;
  TDialogButton* cancel_ = nullptr;
  HICON icon_ = nullptr;  // a shared system icon: not destroyed
  RECT iconRect_{};
  int helpContext_;
};

// Builds a message form owned by the application; the caller shows it.
TMessageForm* CreateMessageDialog(std::wstring_view text, TMsgDlgType type, TMsgDlgButtons buttons,
                                  int helpContext = 0);
// Shows a message form modally and returns the pressed button's result.
TModalResult MessageDlg(std::wstring_view text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);

#pragma once
// TButtonControl: what push buttons, check boxes and radio buttons share.
// Each is the platform's "BUTTON" control; BN_CLICKED arrives as
// CN_COMMAND and becomes ButtonClicked, and a press of the mouse first
// moves the focus to the button without a click (a radio button that gets
// the focus checks itself, and must not click twice).
#include "framework/WinControl.h"

class TButtonControl : public TWinControl {
  FW_CLASS(TButtonControl, TWinControl)
 public:
  explicit TButtonControl(TComponent* owner);

  // Attributes
  // The caption wraps onto several lines (BS_MULTILINE).
  bool WordWrap() const noexcept { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  // Check boxes and radio buttons override these.
  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool /*checked*/) {}

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // BN_CLICKED: a click, Space on the focused button, a radio button that
  // got the focus from the keyboard.
  virtual void ButtonClicked() { Click(); }
  virtual void ButtonDoubleClicked() { DblClick(); }
  bool ClicksDisabled() const noexcept { return clicksDisabled_; }
  void SetClicksDisabled(bool disabled) noexcept { clicksDisabled_ = disabled; }

 private:
  void WMLButtonDown(TMessage& message);
  void CNCommand(TMessage& message);

  bool wordWrap_ = false;
  bool clicksDisabled_ = false;
};

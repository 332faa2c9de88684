#pragma once
// TCustomGroupBox / TGroupBox: a framed, captioned container. The etched
// frame starts half a text line down; the caption sits 8 pixels from the
// left on the control's colour. Alt and the caption's marked letter move
// the focus to the first control inside.
#include "framework/CustomControl.h"

class TCustomGroupBox : public TCustomControl {
  FW_CLASS(TCustomGroupBox, TCustomControl)
 public:
  explicit TCustomGroupBox(TComponent* owner);

 protected:
  void AdjustClientRect(RECT& rect) override;
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void CMDialogChar(TMessage& message);
  void CMTextChanged(TMessage& message);
  int TextHeight();
};

class TGroupBox : public TCustomGroupBox {
  FW_CLASS(TGroupBox, TCustomGroupBox)
 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};

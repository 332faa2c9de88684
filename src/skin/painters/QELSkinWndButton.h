#pragma once
// The skinned push button of a raw window (a "BUTTON" in a standard
// dialog): the push button's look and paint (QELSkinButton.h) for a window
// that is no framework control.
//
// The window keeps its own press handling (mouse and Space), so its
// BM_GETSTATE and its clicks are the platform's; only Enter is kept from it.
// The face is painted over the window after everything that makes the
// platform's button draw itself. Raw windows hear of no mouse leaving: a
// 138 ms timer clears Hot and Pressed once the cursor is off the window,
// and paints once after creation (no timer in a dialog that holds an
// animation or progress control).
#include <memory>

#include "framework/Timer.h"
#include "hook/QELSkinControlWnd.h"
#include "painters/QELSkinButton.h"

class TqelSkinWndButton : public TqelSkinControlWnd {
  FW_CLASS(TqelSkinWndButton, TqelSkinControlWnd)
 public:
  TqelSkinWndButton(HWND handle, TqelSkinWindow& window) : TqelSkinControlWnd(handle, window) {}
  ~TqelSkinWndButton() override;

  static constexpr unsigned kLeaveInterval = 138;
  TqelButtonLook Look() const;
  bool HasTimer() const noexcept { return timer_ != nullptr; }

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void Setup() override;
  void Teardown() override;

 private:
  bool BeforePaint(TMessage& m);
  bool BeforeEraseBkgnd(TMessage& m);
  void AfterMouseMove(TMessage& m);
  void TimerTick(TObject& sender);

  TOwned<TTimer> timer_;
};

#pragma once
// TqelSkinScrollWinControl: the border wrapper plus skinned scroll bars.
//
// Two TqelSkinInternalScrollBar panels, siblings of the control (same
// parent, owned by the window's form), are laid exactly over the native
// bars whenever the control may have painted them; each shows the skin's
// bar with the native thumb (or, while a grid's or scroll box's thumb is
// dragged, the tracked one). A press on a panel goes to the control as the
// same press on its own bar, so the control scrolls as it would natively.
// With both bars shown, the square between them takes the form colour.
//
// No panels for: a control inside a "TTabPage" (panels between skipped), a
// TFrame, a single-line TCustomEdit, a TCustomMaskEdit, a "TSpinEdit".
#include <windows.h>

#include "framework/Panel.h"
#include "graphics/Bitmap.h"
#include "hook/QELSkinBorderControl.h"

class TqelSkinScrollWinControl;

class TqelSkinInternalScrollBar : public TCustomPanel {
  FW_CLASS(TqelSkinInternalScrollBar, TCustomPanel)
 public:
  TqelSkinInternalScrollBar(TComponent* owner, TqelSkinScrollWinControl& wrapper, bool horizontal);
  void BeforeDestruction() override;

  bool IsHorizontal() const noexcept { return horizontal_; }
  TBitmap& Face() noexcept { return face_; }
  // The wrapper's control while both are there.
  TWinControl* HookedControl() const;
  // The wrapper lets go first (its teardown frees the panel).
  void ForgetWrapper() noexcept { wrapper_ = nullptr; }

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  // The control going away takes the panels off the screen (the wrapper
  // frees them at its teardown).
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void WMEraseBkgnd(TMessage& message);
  // A press, release or double-click: the same on the control's own bar.
  void PassToControl(TMessage& message, UINT nonClientMsg);

  TqelSkinScrollWinControl* wrapper_;
  TBitmap face_;
  bool horizontal_;
};

class TqelSkinScrollWinControl : public TqelSkinBorderWinControl {
  FW_CLASS(TqelSkinScrollWinControl, TqelSkinBorderWinControl)
 public:
  TqelSkinScrollWinControl(TControl& control, TqelSkinWindow& window) : TqelSkinBorderWinControl(control, window) {}
  ~TqelSkinScrollWinControl() override;

  TqelSkinInternalScrollBar* VertBar() const noexcept { return vert_; }
  TqelSkinInternalScrollBar* HorzBar() const noexcept { return horz_; }
  // Whether control gets skinned bars at all (the exclusions above).
  static bool WantsBars(TWinControl& control);

  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void Refresh() override;
  void Setup() override;
  void Teardown() override;

  // A bar destroyed before the wrapper (with its form) lets it know.
  void BarDestroyed(TqelSkinInternalScrollBar* bar) noexcept;
  // The control is being freed: the panels leave the screen for good.
  void ControlGoing();

 private:
  TqelSkinInternalScrollBar* MakeBar(TComponent& owner, TWinControl& control, bool horizontal);
  void FreeBars() noexcept;
  void HideBars();
  // Lays one panel over its native bar; false when that bar is not shown.
  bool UpdateBar(TqelSkinInternalScrollBar* bar, TWinControl& control, bool vertical);
  void FillCorner(TWinControl& control);
  void ControlVisibleChanged();

  TqelSkinInternalScrollBar* vert_ = nullptr;
  TqelSkinInternalScrollBar* horz_ = nullptr;
  bool controlGoing_ = false;
};

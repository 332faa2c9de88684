#pragma once
// The combo-box painter, drawn on the whole window after the control has
// drawn itself: an outer frame in the control border colour and inside it
// one in the control's colour; the button area filled with the skin's
// control colour, a separator line in the border colour on its inner side
// (left, or right in right-to-left reading) and a small down arrow. A
// simple combo box gets the same two frames round its edit part and round
// its list.
#include <windows.h>

#include "framework/WindowSubclass.h"
#include "graphics/Canvas.h"
#include "hook/QELSkinControlVCL.h"
#include "hook/QELSkinControlWnd.h"
#include "painters/PainterSkin.h"

struct TComboBoxLook {
  SIZE Size{};     // the window's
  RECT Button{};   // the button area in window coordinates (COMBOBOXINFO)
  bool Enabled = true;
  bool RightToLeft = false;
  TColor Color = clWindow;  // the control's
};

// The arrow's top-left (see DrawArrowDown) in a button area.
POINT ComboArrowOrigin(const RECT& Button) noexcept;

void PaintComboBoxFrame(TCanvas& Canvas, const TComboBoxLook& Look, const TPainterSkin& Skin);

// Paints the frame and button of a combo-box window from what the platform
// says of it; while it is dropped down its list is framed in the border
// colour too. A simple one: its edit part and its list framed, and what
// lies below the list filled with Backdrop (its parent's colour; clNone
// leaves it). False when the platform gives no description of the window.
bool PaintComboBoxWindow(HWND Combo, TColor Color, const TPainterSkin& Skin, TColor Backdrop = clNone);
// The list of a simple combo box: its whole window framed in the border
// colour, inside that in Color, over the platform's sunken edge.
void PaintSimpleComboList(HWND List, TColor Color, const TPainterSkin& Skin);

// For TCustomComboBox: paints itself after every message of the control.
class TqelSkinComboBox : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinComboBox, TqelSkinControlVCL)
 public:
  TqelSkinComboBox(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void Teardown() override;

 protected:
  // The combo-box window painted on.
  virtual HWND ComboWindow() const { return GetHandle(); }

 private:
  // A simple combo box's list paints its own edge: it is framed again
  // after each of its frame paints.
  void FollowSimpleList(HWND combo);
  void SimpleListProc(TMessage& message);
  TColor ControlColor() const;

  bool painting_ = false;
  TWindowSubclass list_;
};

// For TCustomComboBoxEx: the same on its inner combo box; also repaints
// after the items are drawn.
class TqelSkinComboBoxEx : public TqelSkinComboBox {
  FW_CLASS(TqelSkinComboBoxEx, TqelSkinComboBox)
 public:
  TqelSkinComboBoxEx(TControl& control, TqelSkinWindow& window) : TqelSkinComboBox(control, window) {}

 protected:
  HWND ComboWindow() const override;
};

// For a raw combo box: the same, inner frame in the platform's window
// colour.
class TqelSkinWndComboBox : public TqelSkinControlWnd {
  FW_CLASS(TqelSkinWndComboBox, TqelSkinControlWnd)
 public:
  TqelSkinWndComboBox(HWND handle, TqelSkinWindow& window) : TqelSkinControlWnd(handle, window) {}

  void AfterMessage(TMessage& message) override;
  void Paint() override;

 private:
  bool painting_ = false;
};

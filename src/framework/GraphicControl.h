#pragma once
// TGraphicControl: a control without a window of its own (labels, images).
//
// Its parent paints it: after painting itself the parent sends the control
// WM_PAINT with the device context in WParam, its origin moved to the
// control's top-left corner and clipped to its bounds; the control draws on
// Canvas() in Paint. Mouse messages reach it through its parent's window,
// in its own client coordinates.
#include "framework/Control.h"
#include "graphics/Canvas.h"

class TGraphicControl : public TControl {
  FW_CLASS(TGraphicControl, TControl)
 public:
  explicit TGraphicControl(TComponent* owner);

  // Attributes
  // The canvas to draw on; it has a device context only during Paint.
  TCanvas& Canvas() noexcept { return canvas_; }

 protected:
  // Overridables
  virtual void Paint() {}

  void WndProc(TMessage& message) override;

 private:
  void WMPaint(TMessage& message);

  TCanvas canvas_;
};

#pragma once
// TCustomControl: a windowed control that paints itself on a canvas
// (panels and every owner-painted windowed control).
#include "framework/WinControl.h"
#include "graphics/Canvas.h"

class TCustomControl : public TWinControl {
  FW_CLASS(TCustomControl, TWinControl)
 public:
  explicit TCustomControl(TComponent* owner);

  // Attributes
  // The canvas to draw on; it has a device context only during Paint.
  TCanvas& Canvas() noexcept { return canvas_; }

 protected:
  // Overridables
  virtual void Paint() {}

  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
};

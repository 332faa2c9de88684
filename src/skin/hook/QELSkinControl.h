#pragma once
// TqelSkinControl: the wrapper a skinned window attaches to one of its
// child controls, so that the control wears the skin. The window owns its
// wrappers; a wrapper lives no longer than its window and its control.
//
// A wrapper serves either a framework control or a raw child window. The
// engine's skinner registries make wrappers: a painter registers its
// wrapper class for a control class or a window class name.
#include <windows.h>

#include "framework/Object.h"

class TControl;
class TqelSkinEngine;
class TqelSkinWindow;

class TqelSkinControl : public TObject {
  FW_CLASS(TqelSkinControl, TObject)
 public:
  TqelSkinControl(TControl& control, TqelSkinWindow& window) noexcept : control_(&control), window_(window) {}
  TqelSkinControl(HWND handle, TqelSkinWindow& window) noexcept : handle_(handle), window_(window) {}
  ~TqelSkinControl() override = default;

  // Attributes
  // The wrapped framework control, or null for a raw child window.
  TControl* Control() const noexcept { return control_; }
  // The wrapped raw child window, or null for a framework control.
  HWND RawHandle() const noexcept { return handle_; }
  TqelSkinWindow& Window() const noexcept { return window_; }

 private:
  TControl* control_ = nullptr;
  HWND handle_ = nullptr;
  TqelSkinWindow& window_;
};

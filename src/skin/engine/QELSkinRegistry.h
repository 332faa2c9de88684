#pragma once
// The two skinner registries: which wrapper a skinned window attaches to a
// child control. Painters register their wrapper classes once, at start-up;
// a skinned window asks for the wrapper of each child.
//
//   TqelSkinRegistry::RegisterControlSkinners({ControlSkinner<TEdit, TqelSkinEdit>()});
//   TqelSkinRegistry::RegisterWindowSkinners({WindowSkinner<TqelSkinEditWnd>("EDIT")});
//
// Control skinners are searched from the last registration to the first,
// so a later, more special registration wins; window skinners from the
// first, by the window's upper-case class name.
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Object.h"
#include "hook/QELSkinControl.h"

class TControl;
class TqelSkinWindow;

using TqelControlSkinnerFactory = std::unique_ptr<TqelSkinControl> (*)(TControl& control, TqelSkinWindow& window);
using TqelWindowSkinnerFactory = std::unique_ptr<TqelSkinControl> (*)(HWND handle, TqelSkinWindow& window);

struct TqelControlSkinnerEntry {
  const TClassInfo* ControlClass = nullptr;  // the control class and its descendants
  TqelControlSkinnerFactory Make = nullptr;
};
struct TqelWindowSkinnerEntry {
  std::wstring ClassName;  // upper case; "BUTTON_CHECKBOX" and "BUTTON_RADIOBUTTON" name button kinds
  TqelWindowSkinnerFactory Make = nullptr;
};

template <typename Control, typename Skinner>
TqelControlSkinnerEntry ControlSkinner() {
  return {&Control::StaticClass(), [](TControl& control, TqelSkinWindow& window) -> std::unique_ptr<TqelSkinControl> {
            return MakeSkinControl<Skinner>(control, window);
          }};
}
template <typename Skinner>
TqelWindowSkinnerEntry WindowSkinner(std::wstring_view upperClassName) {
  return {std::wstring(upperClassName), [](HWND handle, TqelSkinWindow& window) -> std::unique_ptr<TqelSkinControl> {
            return MakeSkinControl<Skinner>(handle, window);
          }};
}

// What the window-skinner search made of a window: the registry name it
// looks up (empty: no skinner), the window the skinner is for, and whether
// the skinned window is told of an animation or progress child.
struct TqelWindowSkinnerChoice {
  std::wstring Name;
  HWND Target = nullptr;
  bool AnimatedChild = false;
};

class TqelSkinRegistry {
 public:
  TqelSkinRegistry() = delete;

  // Append the given pairs, in order.
  static void RegisterControlSkinners(std::initializer_list<TqelControlSkinnerEntry> entries);
  static void RegisterWindowSkinners(std::initializer_list<TqelWindowSkinnerEntry> entries);

  // The wrapper for control: the last registration whose control class
  // control belongs to; null when none matches.
  static std::unique_ptr<TqelSkinControl> FindControlSkinner(TControl& control, TqelSkinWindow& window);
  // The wrapper for a raw child window (see ChooseWindowSkinner); tells
  // window when it holds an animation or progress child.
  static std::unique_ptr<TqelSkinControl> FindWindowSkinner(HWND handle, TqelSkinWindow& window);

  // The naming rules of the raw-window search, on a class name and style:
  //   SYSANIMATE32, MSCTLS_PROGRESS32: no skinner, an animated child;
  //   BUTTON: group box none; checkbox styles BUTTON_CHECKBOX, radio
  //           styles BUTTON_RADIOBUTTON;
  //   COMBOBOX: a simple combo box none;
  //   COMBOBOXEX32: the skinner is for its first child (none without).
  static TqelWindowSkinnerChoice ChooseWindowSkinner(HWND handle, std::wstring_view className, LONG style);

  // The registrations, for tests that register their own and put the
  // previous ones back.
  static std::vector<TqelControlSkinnerEntry>& ControlSkinners();
  static std::vector<TqelWindowSkinnerEntry>& WindowSkinners();
};

// A window's class name in upper case (up to 100 characters).
std::wstring UpperClassName(HWND handle);

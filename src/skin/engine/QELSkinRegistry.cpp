#include "engine/QELSkinRegistry.h"

#include <algorithm>
#include <cwctype>

#include "frame/QELSkinWindow.h"
#include "framework/Control.h"

namespace {

// The kind of a standard button, from the button type in its style's low
// four bits. Owner-drawn buttons paint themselves and get no skinner;
// push-button types (push, default, user, push box, split, command link)
// keep the plain name.
enum class TButtonKind { Push, CheckBox, RadioButton, None };

TButtonKind ButtonKind(LONG style) {
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return TButtonKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return TButtonKind::RadioButton;
    case BS_GROUPBOX:
    case BS_OWNERDRAW:
      return TButtonKind::None;
    default:
      return TButtonKind::Push;
  }
}

}  // namespace

std::wstring UpperClassName(HWND handle) {
  wchar_t buffer[100] = {};
  const int n = handle ? ::GetClassNameW(handle, buffer, 100) : 0;
  std::wstring name(buffer, static_cast<size_t>(std::max(n, 0)));
  std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  return name;
}

std::vector<TqelControlSkinnerEntry>& TqelSkinRegistry::ControlSkinners() {
  static std::vector<TqelControlSkinnerEntry> entries;
  return entries;
}

std::vector<TqelWindowSkinnerEntry>& TqelSkinRegistry::WindowSkinners() {
  static std::vector<TqelWindowSkinnerEntry> entries;
  return entries;
}

void TqelSkinRegistry::RegisterControlSkinners(std::initializer_list<TqelControlSkinnerEntry> entries) {
  ControlSkinners().insert(ControlSkinners().end(), entries);
}

void TqelSkinRegistry::RegisterWindowSkinners(std::initializer_list<TqelWindowSkinnerEntry> entries) {
  WindowSkinners().insert(WindowSkinners().end(), entries);
}

std::unique_ptr<TqelSkinControl> TqelSkinRegistry::FindControlSkinner(TControl& control, TqelSkinWindow& window) {
  const auto& entries = ControlSkinners();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it)
    if (it->ControlClass && it->Make && control.InheritsFrom(*it->ControlClass)) return it->Make(control, window);
  return nullptr;
}

TqelWindowSkinnerChoice TqelSkinRegistry::ChooseWindowSkinner(HWND handle, std::wstring_view className, LONG style) {
  TqelWindowSkinnerChoice choice{std::wstring(className), handle, false};
  if (className == L"SYSANIMATE32" || className == L"MSCTLS_PROGRESS32") {
    choice.Name.clear();
    choice.AnimatedChild = true;
  } else if (className == L"BUTTON") {
    switch (ButtonKind(style)) {
      case TButtonKind::CheckBox: choice.Name = L"BUTTON_CHECKBOX"; break;
      case TButtonKind::RadioButton: choice.Name = L"BUTTON_RADIOBUTTON"; break;
      case TButtonKind::None: choice.Name.clear(); break;
      case TButtonKind::Push: break;
    }
  } else if (className == L"COMBOBOX") {
    if ((style & 3) == CBS_SIMPLE) choice.Name.clear();
  } else if (className == L"COMBOBOXEX32") {
    choice.Target = handle ? ::GetWindow(handle, GW_CHILD) : nullptr;
    if (!choice.Target) choice.Name.clear();
  }
  return choice;
}

std::unique_ptr<TqelSkinControl> TqelSkinRegistry::FindWindowSkinner(HWND handle, TqelSkinWindow& window) {
  const TqelWindowSkinnerChoice choice =
      ChooseWindowSkinner(handle, UpperClassName(handle), static_cast<LONG>(::GetWindowLongPtrW(handle, GWL_STYLE)));
  if (choice.AnimatedChild) window.SetHoldsAnimatedChild();
  if (choice.Name.empty()) return nullptr;
  for (const TqelWindowSkinnerEntry& entry : WindowSkinners())
    if (entry.Make && entry.ClassName == choice.Name) return entry.Make(choice.Target, window);
  return nullptr;
}

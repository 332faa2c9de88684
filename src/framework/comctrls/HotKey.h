#pragma once
// TCustomHotKey / THotKey: a field that shows the key combination typed
// into it, over the platform's hot-key control ("msctls_hotkey32").
//
// HotKey is the combination as a TShortCut (virtual key in the low byte,
// scShift/scCtrl/scAlt above). Modifiers are the combination's modifier
// keys; hkExt marks an extended key (the arrows of the separate block).
// InvalidKeys names the modifier combinations the user may not type
// alone; such a combination gets the modifiers last set in code instead
// (Alt when those were none).
#include <windows.h>
#include <commctrl.h>

#include "framework/Menus.h"
#include "framework/WinControl.h"

enum THKModifier : unsigned { hkShift = 1, hkCtrl = 2, hkAlt = 4, hkExt = 8 };
using THKModifiers = unsigned;
inline constexpr std::string_view kHKModifierNames[] = {"hkShift", "hkCtrl", "hkAlt", "hkExt"};

enum THKInvalidKey : unsigned {
  hcNone = HKCOMB_NONE,
  hcShift = HKCOMB_S,
  hcCtrl = HKCOMB_C,
  hcAlt = HKCOMB_A,
  hcShiftCtrl = HKCOMB_SC,
  hcShiftAlt = HKCOMB_SA,
  hcCtrlAlt = HKCOMB_CA,
  hcShiftCtrlAlt = HKCOMB_SCA,
};
using THKInvalidKeys = unsigned;
inline constexpr std::string_view kHKInvalidKeyNames[] = {"hcNone",     "hcShift",     "hcCtrl",
                                                          "hcAlt",      "hcShiftCtrl", "hcShiftAlt",
                                                          "hcCtrlAlt",  "hcShiftCtrlAlt"};

class TCustomHotKey : public TWinControl {
  FW_CLASS(TCustomHotKey, TWinControl)
 public:
  explicit TCustomHotKey(TComponent* owner);

  // Attributes. HotKey and Modifiers are read from the window.
  TShortCut HotKey();
  void SetHotKey(TShortCut hotKey);
  THKModifiers Modifiers();
  void SetModifiers(THKModifiers modifiers);
  THKInvalidKeys InvalidKeys() const noexcept { return invalidKeys_; }
  void SetInvalidKeys(THKInvalidKeys keys);

  // Events: the user changed the combination.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void CNCommand(TMessage& message);
  void ReadHotKey();
  void WriteHotKey();
  void WriteRules();
  void UseAsReplacement(THKModifiers modifiers);

  WORD key_ = 0;                // the virtual key
  THKModifiers modifiers_ = 0;  // the HOTKEYF_* flags, same bits
  THKInvalidKeys invalidKeys_ = hcNone | hcShift;
  THKModifiers replacement_ = hkAlt;  // for invalid combinations
};

class THotKey : public TCustomHotKey {
  FW_CLASS(THotKey, TCustomHotKey)
 public:
  explicit THotKey(TComponent* owner) : TCustomHotKey(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};

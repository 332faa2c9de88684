#pragma once
// The thread's window-creation/activation hook (WH_CBT) of the skin
// engine. One per process: installed by the first engine made outside
// design mode, removed when that engine goes. While that engine's skin is
// active the hook
//   - refuses to create a size-grip scroll bar unless its extended style
//     is exactly WS_EX_NOPARENTNOTIFY;
//   - skins dock hosts, dialog boxes ("TMessageForm", "#32770", when the
//     engine skins dialogs) and the auto-skin classes as they are
//     activated, unless they answer QM_SKINNEDQUERY.
#include <windows.h>

#include <string_view>

class TqelSkinEngine;

class TqelSkinHook {
 public:
  TqelSkinHook() = delete;

  // Installs the hook for the calling thread with engine as the hooking
  // engine; false (nothing done) when a hook is installed already.
  static bool Install(TqelSkinEngine& engine);
  // Removes the hook if engine installed it.
  static void Remove(TqelSkinEngine& engine) noexcept;
  static TqelSkinEngine* Engine() noexcept;

  // The rules, on what the hook learns of a window.
  // True: the creation of a window of this (upper-case) class with these
  // styles is refused.
  static bool RefusesCreation(std::wstring_view upperClassName, LONG style, LONG exStyle) noexcept;
  // Acts on the activation of window (class name as registered).
  static void Activated(TqelSkinEngine& engine, HWND window, std::wstring_view className);
};

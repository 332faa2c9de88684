#pragma once
// Platform helpers of the skin engine: the platform flags, user-interface
// calls resolved at run time, system fonts, and small geometry.
#include <windows.h>

#include <string>

#include "graphics/Font.h"

// The platform flags, computed once from the operating system's version
// record (major, minor, platform id).
struct TqelPlatformFlags {
  bool IsWin95 = false;     // 4.0 on the Windows 9x platform (1)
  bool IsWinXP = false;     // major above 4 and minor not 0, NT platform (2)
  bool IsWinVista = false;  // 6.0, NT platform
};
TqelPlatformFlags PlatformFlagsFor(DWORD major, DWORD minor, DWORD platformId) noexcept;
// The flags of the running system.
const TqelPlatformFlags& PlatformFlags() noexcept;

// GetScrollBarInfo, GetComboBoxInfo and GetAncestor, resolved from
// "User32.dll" on first use. The library is loaded once and freed when the
// program ends. If any of the three cannot be resolved, all three answer 0
// from then on.
class TqelUser32 {
 public:
  TqelUser32() = delete;

  static BOOL GetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) noexcept;
  static BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info) noexcept;
  static HWND GetAncestor(HWND window, UINT flags) noexcept;
  // False once a resolution failed.
  static bool Available() noexcept;
  // Resolves again from another library (tests use one that lacks the
  // calls); null goes back to "User32.dll".
  static void ResolveFrom(const wchar_t* library) noexcept;
};

// The window's text in UTF-16 through the platform's internal window-text
// call (which never sends a message to the window), resolved at run time;
// empty when the call is unavailable or the platform is not NT.
std::wstring GetWindowTextWide(HWND Window);

// The caption font of the platform's non-client metrics; the font's colour
// is kept.
void SetCaptionFont(TFont& Font);
// The menu font of the non-client metrics, in the system's menu-text
// colour.
void SetMenuFont(TFont& Font);

// True when (X, Y) lies inside Rect or on any of its four edges.
bool PointInRect(int X, int Y, const RECT& Rect) noexcept;

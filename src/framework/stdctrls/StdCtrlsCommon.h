#pragma once
// Small pieces the standard controls share: mnemonics, window texts,
// child-window ids and the "TLeftRight" alignment of check boxes.
#include <windows.h>

#include <string>
#include <string_view>

#include "framework/WinControl.h"

// True when caption marks ch as its accelerator ("&Open" answers 'o' and
// 'O'; "&&" is a literal ampersand).
bool IsAccel(wchar_t ch, std::wstring_view caption) noexcept;

// The caption without its accelerator marks ("&&" stays one '&').
std::wstring StripAccel(std::wstring_view caption);

// The whole text of a window (UTF-16).
std::wstring WindowText(HWND window);

// A fresh child-window id: owner-drawn controls are found by their parent
// from the id of WM_MEASUREITEM, which arrives while the window is made.
HMENU NextChildId() noexcept;

// Check boxes and radio buttons: the caption right (taRightJustify, the
// default) or left (taLeftJustify) of the box.
inline constexpr std::string_view kLeftRightNames[] = {"taLeftJustify", "taRightJustify"};

// The published entries the standard controls share, around their own:
// place (Left, Top, Width, Height, Align, Anchors), then own, then look and
// state (Color, ParentColor, Font, ParentFont, Cursor, Hint, Enabled,
// Visible, and TabStop for windowed controls).
class StdPublished : private TWinControl {
 public:
  enum Options : unsigned { kParentColor = 1, kWindowed = 2 };
  static std::vector<TPropInfo> With(std::vector<TPropInfo> own, unsigned options = kWindowed);
  // The Caption entry (UTF-16 text).
  static TPropInfo Caption() { return PropCaption(); }
};

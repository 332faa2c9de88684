#pragma once
// The skin engine's process-wide state, used from the GUI thread only:
// the window class names that are skinned when activated, the class-name
// lists the frames and wrappers consult, and the two shared image lists of
// owner-drawn menus.
#include <string>
#include <string_view>
#include <vector>

#include "framework/ImageList.h"

// Window classes skinned when they are activated: "TSelectDirDlg",
// "TForm", "TfrmRegBrowser", "TfrmFTPBrowser" and every name added (no
// duplicates; names compare without regard to case, as window classes do).
const std::vector<std::wstring>& AutoSkinClassNames();
void AddAutoSkinClassName(std::wstring_view name);
bool IsAutoSkinClassName(std::wstring_view name);

// Form classes whose controls are wrapped without a skinned border.
const std::vector<std::wstring>& NoBorderClassNames();
// Control classes a frame never wraps (none).
const std::vector<std::wstring>& ExcludedControlClassNames();

// One 16 x 16 check mark for checked menu items without an image: a black
// mark on white (white is the mask) until a skin brings its own
// "SKIN2_CHECKEDMENUICON".
TCustomImageList& CheckedMarkImages();
// Put the default mark back (a skin without a check-mark icon).
void ResetCheckedMark();
// The empty list a skinned main menu without images is given.
TCustomImageList& MainMenuImages();

// Case-insensitive equality of window class names.
bool SameClassName(std::wstring_view a, std::wstring_view b) noexcept;

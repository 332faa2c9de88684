#pragma once
// Names of the picture resources declared in Pictures.rc, and of the
// built-in skin package (RepairLauncher.rc).
inline constexpr wchar_t kErrorBackgroundResource[] = L"ERROR_BACKGROUND";   // 400 x 400 JPEG
inline constexpr wchar_t kLoadingIndicatorResource[] = L"LOADING_INDICATOR"; // 16 x 16 GIF, 12 frames
inline constexpr wchar_t kBuiltInSkinResource[] = L"BUILTIN_SKIN";           // the skin package

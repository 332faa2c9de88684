#pragma once
// Names of the picture resources declared in Pictures.rc.
inline constexpr wchar_t kErrorBackgroundResource[] = L"ERROR_BACKGROUND";   // 400 x 400 JPEG
inline constexpr wchar_t kLoadingIndicatorResource[] = L"LOADING_INDICATOR"; // 16 x 16 GIF, 12 frames

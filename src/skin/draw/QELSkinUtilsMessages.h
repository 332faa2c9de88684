#pragma once
// The skin engine's private window messages. Their numbers are fixed:
// windows outside the engine answer them.
#include <windows.h>

// Sent with 0, 0. Non-zero: do not skin this window (skinned windows and
// skinned controls answer 1).
constexpr UINT QM_SKINNEDQUERY = 0x2AAA;
// Sent with 0, 0. 1: draw as active; another positive value: inactive;
// 0: not answered.
constexpr UINT QM_ISACTIVE = 0x2AAB;
constexpr UINT QM_REPAINT = 0x2AAC;
constexpr UINT QM_MDIFRAMEREPAINT = 0x2AAD;

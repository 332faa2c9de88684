#pragma once
// The skin engine's private window messages. Numbers are fixed: other
// windows and the control wrappers rely on them.
#include "QELSkinUtilsMessages.h"  // QM_SKINNEDQUERY, QM_ISACTIVE, QM_REPAINT, QM_MDIFRAMEREPAINT

// Multiple-document support between a main form, its MDI client and its
// children.
constexpr UINT QM_MDIMENUCHANGED = 0x83E8;      // wParam child form, lParam child's main menu
constexpr UINT QM_GETMENUBARHEIGHT = 0x83E9;    // answers the menu bar's height
constexpr UINT QM_MDICHILDRENCHANGED = 0x83EA;  // rebuild the window-menu list
constexpr UINT QM_GETMDICAPTION = 0x83EB;       // caption height of the main form's frame
constexpr UINT QM_GETMDISIDE = 0x83EC;          // side frame of the main form
constexpr UINT QM_GETMDIBOTTOM = 0x83ED;        // bottom frame of the main form
constexpr UINT QM_ISMDICHILDHIDDEN = 0x83EE;    // 1 when the child is hidden

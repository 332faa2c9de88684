// The registration tables of the standard painters, in their order: the
// control search runs from the last row up, so a later row for a derived
// class wins over an earlier one for its base. One row per line.
#include "painters/StandardSkinners.h"

#include "engine/QELSkinRegistry.h"
#include "framework/CustomControl.h"
#include "framework/comctrls/HotKey.h"
#include "framework/comctrls/TreeView.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/ListControl.h"
#include "framework/stdctrls/ScrollBox.h"
#include "hook/QELSkinBorderControl.h"
#include "hook/QELSkinScrollWinControl.h"
#include "painters/QELSkinButton.h"
#include "painters/QELSkinWndButton.h"

void RegisterStandardSkinners() {
  static bool registered = false;
  if (registered) return;
  registered = true;

  TqelSkinRegistry::RegisterControlSkinners({
      ControlSkinner<TCustomControl, TqelSkinScrollWinControl>(),
      // TCustomFrame
      ControlSkinner<TScrollBox, TqelSkinScrollWinControl>(),
      // TCoolBar
      // TToolBar
      // TCustomStatusBar
      // TDateTimePicker
      ControlSkinner<TCustomTreeView, TqelSkinScrollWinControl>(),
      // TCustomUpDown
      ControlSkinner<TCustomHotKey, TqelSkinBorderWinControl>(),
      // TProgressBar
      // TTrackBar
      // TCustomTabControl
      // TCustomGrid
      // TSpeedButton
      // TCustomPanel
      // TCustomGroupBox
      // TScrollBar
      ControlSkinner<TCustomListControl, TqelSkinScrollWinControl>(),
      // TCustomListView
      // TRadioButton
      // TCustomComboBox
      // TCustomComboBoxEx
      // TCustomCheckBox
      ControlSkinner<TCustomEdit, TqelSkinScrollWinControl>(),
      ControlSkinner<TButton, TqelSkinButton>(),
      // TCustomLabel
  });

  TqelSkinRegistry::RegisterWindowSkinners({
      // COMBOBOX
      // COMBOBOXEX32
      WindowSkinner<TqelSkinWndButton>(L"BUTTON"),
      // BUTTON_CHECKBOX
      // BUTTON_RADIOBUTTON
      // SYSTABCONTROL32
      // TOOLBARWINDOW32
  });
}

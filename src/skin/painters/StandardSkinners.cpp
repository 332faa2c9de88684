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
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/comctrls/CoolBar.h"
#include "framework/comctrls/DateTimePicker.h"
#include "framework/comctrls/ListView.h"
#include "framework/comctrls/ProgressBar.h"
#include "framework/comctrls/StatusBar.h"
#include "framework/comctrls/TabControl.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/TrackBar.h"
#include "framework/comctrls/UpDown.h"
#include "framework/grids/CustomGrid.h"
#include "framework/grids/Frame.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/ComboBoxEx.h"
#include "framework/stdctrls/GroupBox.h"
#include "framework/stdctrls/RadioButton.h"
#include "framework/stdctrls/ScrollBar.h"
#include "framework/stdctrls/SpeedButton.h"
#include "painters/QELSkinCheckBox.h"
#include "painters/QELSkinDateTimePicker.h"
#include "painters/QELSkinComboBox.h"
#include "painters/QELSkinGrid.h"
#include "painters/QELSkinGroupBox.h"
#include "painters/QELSkinLabel.h"
#include "painters/QELSkinListViewHeader.h"
#include "painters/QELSkinPanel.h"
#include "painters/QELSkinProgressBar.h"
#include "painters/QELSkinRadioButton.h"
#include "painters/QELSkinScrollBarLook.h"
#include "painters/QELSkinSpeedButton.h"
#include "painters/QELSkinStatusBar.h"
#include "painters/QELSkinTabControl.h"
#include "painters/QELSkinToolBar.h"
#include "painters/QELSkinTrackBar.h"
#include "painters/QELSkinUpDown.h"

void RegisterStandardSkinners() {
  static bool registered = false;
  if (registered) return;
  registered = true;

  TqelSkinRegistry::RegisterControlSkinners({
      ControlSkinner<TCustomControl, TqelSkinScrollWinControl>(),
      ControlSkinner<TCustomFrame, TqelSkinFrame>(),
      ControlSkinner<TScrollBox, TqelSkinScrollWinControl>(),
      ControlSkinner<TCoolBar, TqelSkinPanel>(),
      ControlSkinner<TToolBar, TqelSkinToolBar>(),
      ControlSkinner<TCustomStatusBar, TqelSkinStatusBar>(),
      ControlSkinner<TDateTimePicker, TqelSkinDateTimePicker>(),
      ControlSkinner<TCustomTreeView, TqelSkinScrollWinControl>(),
      ControlSkinner<TCustomUpDown, TqelSkinUpDown>(),
      ControlSkinner<TCustomHotKey, TqelSkinBorderWinControl>(),
      ControlSkinner<TProgressBar, TqelSkinProgressBar>(),
      ControlSkinner<TTrackBar, TqelSkinTrackBar>(),
      ControlSkinner<TCustomTabControl, TqelSkinTabControl>(),
      ControlSkinner<TCustomGrid, TqelSkinGrid>(),
      ControlSkinner<TSpeedButton, TqelSkinSpeedButton>(),
      ControlSkinner<TCustomPanel, TqelSkinPanel>(),
      ControlSkinner<TCustomGroupBox, TqelSkinGroupBox>(),
      ControlSkinner<TScrollBar, TqelSkinScrollBar>(),
      ControlSkinner<TCustomListControl, TqelSkinScrollWinControl>(),
      ControlSkinner<TCustomListView, TqelSkinListView>(),
      ControlSkinner<TRadioButton, TqelSkinRadioButton>(),
      ControlSkinner<TCustomComboBox, TqelSkinComboBox>(),
      ControlSkinner<TCustomComboBoxEx, TqelSkinComboBoxEx>(),
      ControlSkinner<TCustomCheckBox, TqelSkinCheckBox>(),
      ControlSkinner<TCustomEdit, TqelSkinScrollWinControl>(),
      ControlSkinner<TButton, TqelSkinButton>(),
      ControlSkinner<TCustomLabel, TqelSkinLabel>(),
  });

  TqelSkinRegistry::RegisterWindowSkinners({
      WindowSkinner<TqelSkinWndComboBox>(L"COMBOBOX"),
      WindowSkinner<TqelSkinWndComboBox>(L"COMBOBOXEX32"),
      WindowSkinner<TqelSkinWndButton>(L"BUTTON"),
      WindowSkinner<TqelSkinWndCheckBox>(L"BUTTON_CHECKBOX"),
      WindowSkinner<TqelSkinWndRadioButton>(L"BUTTON_RADIOBUTTON"),
      WindowSkinner<TqelSkinWndTabControl>(L"SYSTABCONTROL32"),
      WindowSkinner<TqelSkinWndToolbarWindow32>(L"TOOLBARWINDOW32"),
  });
}

# The standard controls: buttons, check and radio boxes, edits, lists,
# combo boxes, group boxes, scroll bars and scroll boxes, speed buttons.
target_sources(framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/StdCtrlsCommon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ButtonControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ButtonGlyph.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BitBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CheckBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RadioButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Memo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoStrings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListStrings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CustomCombo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComboBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComboBoxEx.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GroupBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrollBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrollBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SpeedButton.cpp)

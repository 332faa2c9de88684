# Painters: one file per control painter, and their registration.
target_sources(skin_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/StandardSkinners.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinGlyphLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWndButton.cpp)
# The other standard controls: for each its look, the paint function that
# draws a look from the skin, and its skinner; and what they share.
target_sources(skin_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PainterSkin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PainterSurface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinCheckBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinRadioButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinGroupBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinProgressBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinTrackBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUpDown.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinStatusBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinFlatButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinSpeedButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinToolBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinComboBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinListViewHeader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinTabControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinScrollBarLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinDateTimePicker.cpp)

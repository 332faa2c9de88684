# The standard-control painters: for each kind of control its look, the
# paint function that draws a look from the skin, and its skinner.
target_sources(skin_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PainterSkin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinCheckBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinRadioButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinGroupBox.cpp)

# Painters: one file per control painter, and their registration.
target_sources(skin_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/StandardSkinners.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinGlyphLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWndButton.cpp)

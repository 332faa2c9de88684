# Control wrappers: the base, its two hooking variants, the scroll
# tracking, and the border, scroll-bar and drop-down wrappers.
target_sources(skin_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinControlVCL.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinControlWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinScrollTracking.cpp)
target_sources(skin_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinBorderControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinScrollWinControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinExtComboboxLikeControl.cpp)

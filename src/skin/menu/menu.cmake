# The skinned menu bar, its shortcuts and MDI support: the bar and its
# painting, the MDI buttons, the subclassed MDI client and its layout, and
# the menu side of a skinned form that holds them.
target_sources(skin_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMenuBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMenuBarKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMenuBarPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMenuBarControlButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMenuMerge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMdiLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMdiClient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinFormMenus.cpp)

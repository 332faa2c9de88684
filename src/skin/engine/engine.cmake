# The engine component, its window hook and the skinner registries.
target_sources(skin_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinCollection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinEngineLoad.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinEngineSkin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinEngineSysMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinEngineWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinEngineMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMenuPainter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinGlobals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinHook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinRegistry.cpp)

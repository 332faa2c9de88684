# Skinned window frames: the geometry, the painter, the frame base and its
# two variants (framework forms, raw windows).
target_sources(skin_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FrameGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSkin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FramePainter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWindowProc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWindowVCL.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWindowVCLChildren.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWindowVCLMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWindowWnd.cpp)

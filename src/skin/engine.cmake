# Skin engine: key names, the skin reader, skin resources and the drawing
# utilities. Included from this folder's CMakeLists.txt.

# The key names are plain data and build everywhere.
add_library(skin_define STATIC ${CMAKE_CURRENT_LIST_DIR}/Skin2Define.cpp)
target_include_directories(skin_define PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# Reader, resources and utilities draw with the window framework (which is
# added after this folder, so its presence is asked of the source tree).
if(REPAIR_WINDOWS AND EXISTS ${CMAKE_SOURCE_DIR}/src/framework/CMakeLists.txt)
  add_library(skin_engine STATIC
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinRes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsBitmap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsParts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsGradient.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsPaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsRegion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsScrollBar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsPlatform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsForms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsMenu.cpp)
  target_include_directories(skin_engine PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(skin_engine PUBLIC skin2_reader skin_define framework support)
endif()

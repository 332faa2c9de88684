# Gallery.exe: the framework's controls, menus, dialogs and MDI window on
# show, with captures for looking at them. Windows build only; included
# from tools/CMakeLists.txt.
set(GALLERY_DIR ${CMAKE_CURRENT_LIST_DIR})
add_library(gallery STATIC
  ${GALLERY_DIR}/Capture.cpp
  ${GALLERY_DIR}/CommandLine.cpp
  ${GALLERY_DIR}/GalleryDialogs.cpp
  ${GALLERY_DIR}/GalleryForm.cpp
  ${GALLERY_DIR}/GalleryImages.cpp
  ${GALLERY_DIR}/GalleryPages.cpp
  ${GALLERY_DIR}/GalleryRun.cpp
  ${GALLERY_DIR}/GallerySkin.cpp
  ${GALLERY_DIR}/MdiWindow.cpp
  ${GALLERY_DIR}/PngWriter.cpp
  ${GALLERY_DIR}/RawDialog.cpp
  ${GALLERY_DIR}/pages/BarsPage.cpp
  ${GALLERY_DIR}/pages/ButtonsPage.cpp
  ${GALLERY_DIR}/pages/ChecksPage.cpp
  ${GALLERY_DIR}/pages/ContainersPage.cpp
  ${GALLERY_DIR}/pages/DialogsPage.cpp
  ${GALLERY_DIR}/pages/EditsPage.cpp
  ${GALLERY_DIR}/pages/GridPage.cpp
  ${GALLERY_DIR}/pages/ListsPage.cpp
  ${GALLERY_DIR}/pages/PickersPage.cpp
  ${GALLERY_DIR}/pages/RangesPage.cpp
  ${GALLERY_DIR}/pages/ViewsPage.cpp)
target_include_directories(gallery PUBLIC ${GALLERY_DIR})
target_link_libraries(gallery PUBLIC framework skin_engine imaging comctl32 shell32)

# The program carries the built-in skin and the MDI button glyphs, as the
# launcher does.
enable_language(RC)
add_executable(Gallery WIN32 ${GALLERY_DIR}/GalleryMain.cpp ${GALLERY_DIR}/Gallery.rc)
target_include_directories(Gallery PRIVATE ${CMAKE_BINARY_DIR}/skins)
add_dependencies(Gallery builtin_skin)
target_link_libraries(Gallery PRIVATE gallery)
target_link_options(Gallery PRIVATE -municode)
set_source_files_properties(${GALLERY_DIR}/Gallery.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/skins/default.qsk;${CMAKE_SOURCE_DIR}/src/skin/menu/QELSkinMdiControler.bmp")

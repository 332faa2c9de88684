# Tests of the skinned menu bar and MDI support. Included from
# tests/skin/CMakeLists.txt.
if(NOT REPAIR_WINDOWS OR NOT TARGET skin_engine)
  return()
endif()

# The glyphs of the MDI buttons, as the program carries them.
enable_language(RC)
set(_menu_rc ${CMAKE_CURRENT_BINARY_DIR}/menu_test.rc)
file(WRITE ${_menu_rc}
  "QELSKIN_MDI_CONTROLER BITMAP \"${CMAKE_SOURCE_DIR}/src/skin/menu/QELSkinMdiControler.bmp\"\n")
repair_add_test(skin_menu_test
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMenuBarTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMdiTest.cpp
  ${_menu_rc}
  LIBS skin_engine skinpack)
if(TARGET skin_menu_test)
  target_include_directories(skin_menu_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/.. ${CMAKE_SOURCE_DIR}/tests/framework)
  set_source_files_properties(${_menu_rc} PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/src/skin/menu/QELSkinMdiControler.bmp)
  if(TARGET builtin_skin)
    add_dependencies(skin_menu_test builtin_skin)
    add_custom_command(TARGET skin_menu_test POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
      VERBATIM)
  endif()
endif()

# Tests of the control wrappers and the model painters. Included from
# tests/skin/CMakeLists.txt.
if(NOT REPAIR_WINDOWS OR NOT TARGET skin_engine)
  return()
endif()

repair_add_test(skin_hook_test
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWrapperTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinButtonTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinPanelsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinWndButtonTest.cpp
  LIBS skin_engine skinpack)
target_include_directories(skin_hook_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/.. ${CMAKE_SOURCE_DIR}/tests/framework)
if(TARGET builtin_skin)
  add_dependencies(skin_hook_test builtin_skin)
  add_custom_command(TARGET skin_hook_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
    VERBATIM)
endif()

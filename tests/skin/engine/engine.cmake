# Tests of the engine component, its hook, menus and registries. Included
# from tests/skin/CMakeLists.txt.
if(NOT REPAIR_WINDOWS OR NOT TARGET skin_engine)
  return()
endif()

repair_add_test(skin_engine_parts_test
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinMenuPainterTest.cpp
  LIBS skin_engine)
target_include_directories(skin_engine_parts_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
if(TARGET builtin_skin)
  add_dependencies(skin_engine_parts_test builtin_skin)
  add_custom_command(TARGET skin_engine_parts_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
    VERBATIM)
endif()

# The component with real frames: loading, failures, the system menu,
# menus, the hook, the list of skinned windows and the skinner registries.
repair_add_test(skin_engine_component_test
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinEngineTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinHookTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinRegistryTest.cpp
  LIBS skin_engine skinpack)
target_include_directories(skin_engine_component_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/.. ${CMAKE_SOURCE_DIR}/tests/framework)
if(TARGET builtin_skin)
  add_dependencies(skin_engine_component_test builtin_skin)
  add_custom_command(TARGET skin_engine_component_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
    VERBATIM)
endif()

# Tests of the skinned window frames. Included from tests/skin/CMakeLists.txt.
if(NOT REPAIR_WINDOWS OR NOT TARGET skin_engine)
  return()
endif()

repair_add_test(skin_frame_test
  ${CMAKE_CURRENT_LIST_DIR}/FrameGeometryTest.cpp
  LIBS skin_engine skinpack)
target_include_directories(skin_frame_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
if(TARGET builtin_skin)
  add_dependencies(skin_frame_test builtin_skin)
  add_custom_command(TARGET skin_frame_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
    VERBATIM)
endif()

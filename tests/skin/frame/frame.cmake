# Tests of the skinned window frames. Included from tests/skin/CMakeLists.txt.
if(NOT REPAIR_WINDOWS OR NOT TARGET skin_engine)
  return()
endif()

repair_add_test(skin_frame_test
  ${CMAKE_CURRENT_LIST_DIR}/FrameGeometryTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FramePixelsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameBehaviourTest.cpp
  LIBS skin_engine skinpack)
target_include_directories(skin_frame_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/.. ${CMAKE_SOURCE_DIR}/tests/framework)
if(TARGET builtin_skin)
  add_dependencies(skin_frame_test builtin_skin)
  add_custom_command(TARGET skin_frame_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
    VERBATIM)
endif()

# Not a test: the skinned frame paint against the platform's, in one run.
if(BUILD_TESTING)
  add_executable(skin_frame_paint_timing ${CMAKE_CURRENT_LIST_DIR}/FramePaintTiming.cpp)
  target_link_libraries(skin_frame_paint_timing PRIVATE skin_engine skin_base)
  target_link_options(skin_frame_paint_timing PRIVATE -municode)
endif()

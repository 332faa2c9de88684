# Tests of the grids and frames, under Wine with a display. Included from
# the framework tests' CMakeLists.txt.
if(REPAIR_WINDOWS AND TARGET framework)
  repair_add_test(framework_grids_test
    ${CMAKE_CURRENT_LIST_DIR}/GridAxisTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CustomGridTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringGridTest.cpp
    LIBS framework)
  target_include_directories(framework_grids_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
endif()

# A grid and a frame on a form, for looking at, and the timing of a grid's
# screen updates (neither is a test).
if(REPAIR_WINDOWS AND TARGET framework AND BUILD_TESTING)
  add_executable(framework_grids_demo ${CMAKE_CURRENT_LIST_DIR}/GridsDemo.cpp)
  add_executable(framework_grids_bench ${CMAKE_CURRENT_LIST_DIR}/GridsBench.cpp)
  foreach(_t framework_grids_demo framework_grids_bench)
    target_link_libraries(${_t} PRIVATE framework)
    set_target_properties(${_t} PROPERTIES WIN32_EXECUTABLE ON)
  endforeach()
endif()

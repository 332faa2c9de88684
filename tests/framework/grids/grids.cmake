# Tests of the grids and frames, under Wine with a display. Included from
# the framework tests' CMakeLists.txt.
if(REPAIR_WINDOWS AND TARGET framework)
  repair_add_test(framework_grids_test
    ${CMAKE_CURRENT_LIST_DIR}/GridAxisTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CustomGridTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameTest.cpp
    LIBS framework)
  target_include_directories(framework_grids_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
endif()

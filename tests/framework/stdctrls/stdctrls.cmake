# The standard controls' tests, under Wine with a display. Included from the
# framework tests' CMakeLists.txt.
if(REPAIR_WINDOWS AND TARGET framework)
  repair_add_test(framework_stdctrls_test
    ${CMAKE_CURRENT_LIST_DIR}/ButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlyphButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditTest.cpp
    LIBS framework)
  target_include_directories(framework_stdctrls_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
endif()

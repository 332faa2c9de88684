# The standard controls' tests, under Wine with a display. Included from the
# framework tests' CMakeLists.txt.
if(REPAIR_WINDOWS AND TARGET framework)
  repair_add_test(framework_stdctrls_test
    ${CMAKE_CURRENT_LIST_DIR}/ButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlyphButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GalleryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StdCtrlsGallery.cpp
    LIBS framework)
  target_include_directories(framework_stdctrls_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)

  # The gallery on screen, to look at and to try (not a test).
  if(BUILD_TESTING)
    add_executable(stdctrls_demo ${CMAKE_CURRENT_LIST_DIR}/StdCtrlsDemo.cpp ${CMAKE_CURRENT_LIST_DIR}/StdCtrlsGallery.cpp)
    target_link_libraries(stdctrls_demo PRIVATE framework)
    set_target_properties(stdctrls_demo PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endif()

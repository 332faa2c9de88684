# The common controls' tests, under Wine with a display. Included from the
# framework tests' CMakeLists.txt.
if(REPAIR_WINDOWS AND TARGET framework)
  repair_add_test(framework_comctrls_test
    ${CMAKE_CURRENT_LIST_DIR}/TrackBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgressBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpDownTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HotKeyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DateTimePickerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TreeViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TabControlTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StatusBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CoolBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComCtrlsGallery.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GalleryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PublishedTypesTest.cpp
    LIBS framework)
  target_include_directories(framework_comctrls_test PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/..)
endif()

# How long a list view takes to fill and draw, against the platform's own
# (a timing harness, not a test).
if(REPAIR_WINDOWS AND TARGET framework AND BUILD_TESTING)
  add_executable(comctrls_list_timing ${CMAKE_CURRENT_LIST_DIR}/ListViewTiming.cpp)
  target_link_libraries(comctrls_list_timing PRIVATE framework)
endif()

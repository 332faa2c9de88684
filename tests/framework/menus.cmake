# Image lists and menus, on Windows (under Wine with a display). Included
# from this folder's CMakeLists.txt.
if(REPAIR_WINDOWS AND TARGET framework)
  repair_add_test(framework_menus_test
    ${CMAKE_CURRENT_LIST_DIR}/ImageListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenusTest.cpp
    LIBS framework)
  target_include_directories(framework_menus_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endif()

# Forms, MDI and message dialogs, on Windows (under Wine with a display).
# Included from tests/framework/CMakeLists.txt.
if(REPAIR_WINDOWS AND TARGET framework)
  repair_add_test(framework_forms_test
    ${CMAKE_CURRENT_LIST_DIR}/FormWindowTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormMDITest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageDialogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../graphics/IconTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../dialogs/DialogsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormsTest.rc
    LIBS framework)
  target_include_directories(framework_forms_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
  # The icon file beside the test program, for loading from a file.
  configure_file(${CMAKE_CURRENT_LIST_DIR}/forms_test.ico ${CMAKE_CURRENT_BINARY_DIR}/forms_test.ico COPYONLY)
endif()

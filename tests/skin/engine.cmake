# Tests of the skin reader, resources and drawing utilities. Included from
# this folder's CMakeLists.txt.

repair_add_test(skin_define_test ${CMAKE_CURRENT_LIST_DIR}/Skin2DefineTest.cpp LIBS skin_define)

if(NOT REPAIR_WINDOWS OR NOT TARGET skin_engine)
  return()
endif()

# Pixel tests on generated bitmaps, and tests on the built-in skin package,
# which the build copies beside the program.
repair_add_test(skin_engine_test
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsBitmapTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsPartsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsGradientTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsPaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsRegionTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsScrollBarTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsLeakTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsPlatformTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsFormsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinUtilsMenuTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinReaderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QELSkinResTest.cpp
  LIBS skin_engine skinpack)
target_include_directories(skin_engine_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
if(TARGET builtin_skin)
  add_dependencies(skin_engine_test builtin_skin)
  add_custom_command(TARGET skin_engine_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
    VERBATIM)
endif()

# Not tests: a contact sheet of a skin's pieces, and the load-time harness.
if(BUILD_TESTING)
  add_executable(skin_contact_sheet ${CMAKE_CURRENT_LIST_DIR}/QELSkinResContactSheet.cpp)
  target_link_libraries(skin_contact_sheet PRIVATE skin_engine)
  target_link_options(skin_contact_sheet PRIVATE -municode)
endif()
if(BUILD_TESTING AND TARGET ZLIB::ZLIB)
  add_executable(skin_load_timing ${CMAKE_CURRENT_LIST_DIR}/QELSkinReaderTiming.cpp)
  target_link_libraries(skin_load_timing PRIVATE skin_engine ZLIB::ZLIB)
  target_link_options(skin_load_timing PRIVATE -municode)
endif()

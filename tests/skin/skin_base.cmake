# Tests of the skin reader, resources and drawing utilities. Included from
# this folder's CMakeLists.txt.

repair_add_test(skin_define_test ${CMAKE_CURRENT_LIST_DIR}/data/Skin2DefineTest.cpp LIBS skin_define)

if(NOT REPAIR_WINDOWS OR NOT TARGET skin_base)
  return()
endif()

# Pixel tests on generated bitmaps, and tests on the built-in skin package,
# which the build copies beside the program.
repair_add_test(skin_engine_test
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsBitmapTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsPartsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsGradientTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsPaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsRegionTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsScrollBarTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsLeakTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsPlatformTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsFormsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/QELSkinUtilsMenuTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/QELSkinReaderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/QELSkinResTest.cpp
  LIBS skin_base skinpack)
target_include_directories(skin_engine_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
if(TARGET builtin_skin)
  add_dependencies(skin_engine_test builtin_skin)
  add_custom_command(TARGET skin_engine_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
    VERBATIM)
endif()

# Not tests: a contact sheet of a skin's pieces, and the load-time harness.
if(BUILD_TESTING)
  add_executable(skin_contact_sheet ${CMAKE_CURRENT_LIST_DIR}/data/QELSkinResContactSheet.cpp)
  target_link_libraries(skin_contact_sheet PRIVATE skin_base)
  target_link_options(skin_contact_sheet PRIVATE -municode)
  target_include_directories(skin_contact_sheet PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endif()
if(BUILD_TESTING AND TARGET ZLIB::ZLIB)
  add_executable(skin_load_timing ${CMAKE_CURRENT_LIST_DIR}/data/QELSkinReaderTiming.cpp)
  target_link_libraries(skin_load_timing PRIVATE skin_base skin_engine ZLIB::ZLIB)
  target_link_options(skin_load_timing PRIVATE -municode)
  target_include_directories(skin_load_timing PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endif()

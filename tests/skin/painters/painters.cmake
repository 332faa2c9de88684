# Tests of the standard-control painters: their paint functions against
# the built-in skin's pieces, and the skinners on live controls. Included
# from tests/skin/CMakeLists.txt.
if(NOT REPAIR_WINDOWS OR NOT TARGET skin_engine)
  return()
endif()

repair_add_test(skin_painters_test
  ${CMAKE_CURRENT_LIST_DIR}/SmallBoxPaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BarPaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FacePaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabPaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinnersTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RawSkinnersTest.cpp
  LIBS skin_engine skinpack)
target_include_directories(skin_painters_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/.. ${CMAKE_SOURCE_DIR}/tests/framework)
if(TARGET builtin_skin)
  add_dependencies(skin_painters_test builtin_skin)
  add_custom_command(TARGET skin_painters_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
    VERBATIM)
endif()

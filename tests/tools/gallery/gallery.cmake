# Included from tests/tools/CMakeLists.txt.
if(REPAIR_WINDOWS AND TARGET gallery)
  repair_add_test(gallery_test
    ${CMAKE_CURRENT_LIST_DIR}/GalleryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GalleryCaptureTest.cpp
    LIBS gallery)
  target_include_directories(gallery_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/framework ${CMAKE_SOURCE_DIR}/tests/launcher)
  # The program itself beside the test, for running it with options, and the
  # built-in skin its captures are compared with.
  add_dependencies(gallery_test Gallery builtin_skin)
  add_custom_command(TARGET gallery_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Gallery> $<TARGET_FILE_DIR:gallery_test>
    COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} $<TARGET_FILE_DIR:gallery_test>/default.qsk)
endif()

# The gallery wearing the built-in skin: the leak test of its busiest page,
# and (not a test) the paint timing of that page skinned against unskinned.
if(REPAIR_WINDOWS AND TARGET gallery AND TARGET skin_engine)
  repair_add_test(gallery_skin_test
    ${CMAKE_CURRENT_LIST_DIR}/GallerySkinLeakTest.cpp
    LIBS gallery skin_engine)
  target_include_directories(gallery_skin_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/framework)
  if(BUILD_TESTING)
    add_executable(gallery_paint_timing ${CMAKE_CURRENT_LIST_DIR}/GalleryPaintTiming.cpp)
    target_link_libraries(gallery_paint_timing PRIVATE gallery skin_engine)
    target_link_options(gallery_paint_timing PRIVATE -municode)
  endif()
  if(TARGET builtin_skin AND TARGET gallery_skin_test)
    add_dependencies(gallery_skin_test builtin_skin)
    add_custom_command(TARGET gallery_skin_test POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy ${REPAIR_BUILTIN_SKIN} ${CMAKE_CURRENT_BINARY_DIR}/default.qsk
      VERBATIM)
  endif()
endif()

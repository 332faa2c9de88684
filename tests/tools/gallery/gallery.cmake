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

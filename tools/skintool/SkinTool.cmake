# skintool and its package-writing library. Needs the target skin2_reader
# and zlib (ZLIB::ZLIB). Included by tools/CMakeLists.txt and by the host
# tool build (tools/host).
set(_skintool_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(skinpack STATIC
  ${_skintool_dir}/PackageWriter.cpp
  ${_skintool_dir}/SkinDataWriter.cpp
  ${_skintool_dir}/SkinSource.cpp)
target_include_directories(skinpack PUBLIC ${_skintool_dir})
target_link_libraries(skinpack PUBLIC skin2_reader ZLIB::ZLIB)

add_executable(skintool ${_skintool_dir}/SkinTool.cpp)
target_link_libraries(skintool PRIVATE skinpack)

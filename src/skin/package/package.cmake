# The skin package reader as a library: container, deciphering, inflater,
# skin data file, BMP decoding and Tsk2SkinFileReader. Portable; only the
# naming of temporary files and the writing of files differ by platform. Included by this folder's
# CMakeLists.txt and by the host tool build (tools/host).
set(_skin2_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(skin2_reader STATIC
  ${_skin2_dir}/Skin2Bitmap.cpp
  ${_skin2_dir}/Skin2ByteStream.cpp
  ${_skin2_dir}/Skin2HuffmanTree.cpp
  ${_skin2_dir}/Skin2Inflater.cpp
  ${_skin2_dir}/Skin2Package.cpp
  ${_skin2_dir}/Skin2SkinData.cpp
  ${_skin2_dir}/Skin2SkinReader.cpp
  ${_skin2_dir}/Skin2TempName.cpp
  ${_skin2_dir}/Skin2ZipCrypto.cpp)
target_include_directories(skin2_reader PUBLIC ${_skin2_dir})
if(WIN32)
  target_sources(skin2_reader PRIVATE ${_skin2_dir}/Skin2FileWin.cpp ${_skin2_dir}/Skin2TempNameWin.cpp)
  target_link_libraries(skin2_reader PUBLIC ole32)
else()
  target_sources(skin2_reader PRIVATE ${_skin2_dir}/Skin2FilePosix.cpp ${_skin2_dir}/Skin2TempNamePosix.cpp)
endif()

# Grids and frames, compiled into the framework library. Included from the
# framework's CMakeLists.txt.
target_sources(framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GridAxis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CustomGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CustomGridMessages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CustomGridPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InplaceEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringGridLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Frame.cpp)

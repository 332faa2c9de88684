# The common controls: bars, sliders, pickers, lists and trees over the
# platform's common control library. Included from the framework's
# CMakeLists.txt.
target_sources(framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CommonControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TrackBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UpDown.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HotKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateTimePicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TreeNodes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TreeView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolBarDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolBarMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabStrings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListItems.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListColumns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatusBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CoolBar.cpp)

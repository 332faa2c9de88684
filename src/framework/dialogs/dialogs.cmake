# The platform's common dialogs as components, and the framework's own
# minimal dialog button.
target_sources(framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DialogButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp)
target_link_libraries(framework PUBLIC comdlg32 shell32 ole32)

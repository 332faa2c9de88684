# Forms beyond the basic window: MDI, message dialogs.
target_sources(framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FormMDI.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageDialog.cpp)

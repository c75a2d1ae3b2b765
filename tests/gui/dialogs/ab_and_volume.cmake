# The A/B calculation and volume calculation dialogs.
rheo_add_gui_test(ab_volume_dialog_tests
  ${CMAKE_CURRENT_LIST_DIR}/dialog_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ab_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/volume_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/point_dialogs_protocol_test.cpp)

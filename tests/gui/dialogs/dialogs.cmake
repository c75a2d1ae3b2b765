# The five calibration dialogs and the Calibration menu's way of running them.
rheo_add_gui_test(dialog_tests
  ${CMAKE_CURRENT_LIST_DIR}/dialog_protocol_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ab_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/volume_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cell_data_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target_pressure_table_test.cpp)

# The general settings, cell data and standard viscosities dialogs, and the Calibration
# menu's way of running them.
rheo_add_gui_test(settings_cell_standards_tests
  ${CMAKE_CURRENT_LIST_DIR}/dialog_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cell_data_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target_pressure_table_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calibration_menu_test.cpp)

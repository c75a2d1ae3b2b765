# Number fields and the cell-switching keys shared by the form and the dialogs.
rheo_add_gui_test(field_tests ${CMAKE_CURRENT_LIST_DIR}/fields_and_keys_test.cpp)

# Where the program finds the help file installed with it.
rheo_add_gui_test(installed_help_tests ${CMAKE_CURRENT_LIST_DIR}/installed_help_file_test.cpp)

# The application object and the main window.
rheo_add_gui_test(app_tests ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp)

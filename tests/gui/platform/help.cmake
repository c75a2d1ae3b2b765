# The help launcher, the help window, the compiled help file and the About box. The tests
# read the help file the build compiles, so they are built after it.
rheo_add_gui_test(help_tests
  ${CMAKE_CURRENT_LIST_DIR}/about_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_launcher_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_test_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_window_test.cpp)
target_compile_definitions(help_tests PRIVATE RHEO_BUILT_HELP_FILE="${RHEO_HELP_FILE}")
add_dependencies(help_tests rheo_help)

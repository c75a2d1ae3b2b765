# The help launcher, the help window, the compiled help file and the alarm's tone. The tests
# read the help file the build compiles, so they are built after it.
rheo_add_gui_test(platform_tests
  ${CMAKE_CURRENT_LIST_DIR}/help_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_test_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tone_test.cpp)
# The help file check runs the window program in its checking mode.
target_compile_definitions(platform_tests PRIVATE RHEO_BUILT_HELP_FILE="${RHEO_HELP_FILE}"
                                                  RHEO_WINDOW_PROGRAM="$<TARGET_FILE:rheo>")
add_dependencies(platform_tests rheo_help rheo)

# SPDX-License-Identifier: MIT
# The help launcher, the help window and the compiled help file. The tests read the help file
# the build compiles, so they are built after it.
rheo_add_gui_test(help_tests ${CMAKE_CURRENT_LIST_DIR}/help_test.cpp)
# The help file check runs the window program in its checking mode.
target_compile_definitions(help_tests PRIVATE RHEO_BUILT_HELP_FILE="${RHEO_HELP_FILE}"
                                              RHEO_WINDOW_PROGRAM="$<TARGET_FILE:rheo>")
add_dependencies(help_tests rheo_help rheo)

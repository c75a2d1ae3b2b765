# SPDX-License-Identifier: MIT
# The application object, the main window, the About box and where the installed help file
# is found.
rheo_add_gui_test(app_tests ${CMAKE_CURRENT_LIST_DIR}/application_test.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/history_window_test.cpp)

# The real program under Xvfb: its window appears with its title; skipped without Xvfb.
add_test(NAME window_smoke
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/window_smoke.sh $<TARGET_FILE:rheo>
                 ${CMAKE_BINARY_DIR}/example ${CMAKE_CURRENT_BINARY_DIR}/window_smoke.png)
set_tests_properties(window_smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)

# The options are read before anything needs a display: --help and -h print them (exit 0)
# beside Qt's own options, an unknown one is named (exit 1).
add_test(NAME window_options COMMAND sh -c [=[unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
"$0" -platform xcb -h | grep -q -e --desktop && "$0" --bad 2>&1 | grep -q "Unknown option 'bad'" &&
{ "$0" --bad 2>/dev/null; test $? -eq 1; }]=] $<TARGET_FILE:rheo>)

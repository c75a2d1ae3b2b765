# The application object, the main window, the About box and where the installed help file
# is found.
rheo_add_gui_test(app_tests ${CMAKE_CURRENT_LIST_DIR}/application_test.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/history_window_test.cpp)

# The real program under Xvfb: its window appears with its title; skipped without Xvfb.
add_test(NAME window_smoke
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/window_smoke.sh $<TARGET_FILE:rheo>
                 ${CMAKE_BINARY_DIR}/example ${CMAKE_CURRENT_BINARY_DIR}/window_smoke.png)
set_tests_properties(window_smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)

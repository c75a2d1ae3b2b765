# SPDX-License-Identifier: MIT
# The test-run form: its fields, cells, runs and results list, and the timer.
rheo_add_gui_test(form_tests
  ${CMAKE_CURRENT_LIST_DIR}/form_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_opening_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_work_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_timer_test.cpp)

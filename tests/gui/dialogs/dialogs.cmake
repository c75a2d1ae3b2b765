# SPDX-License-Identifier: MIT
# The five calibration dialogs and the Calibration menu's way of running them.
rheo_add_gui_test(dialog_tests
  ${CMAKE_CURRENT_LIST_DIR}/dialog_protocol_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_dialogs_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_dialogs_test.cpp)

# SPDX-License-Identifier: MIT
# The controls the form and the dialogs share: the list control and its models, the number
# fields, the cell pictures and the A/B fit plot.
rheo_add_gui_test(widget_tests
  ${CMAKE_CURRENT_LIST_DIR}/list_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/number_edit_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cell_picture_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ab_fit_plot_test.cpp)

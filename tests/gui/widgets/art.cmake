# The form's cell pictures, the A/B fit plot and the alarm tone.
rheo_add_gui_test(art_tests
  ${CMAKE_CURRENT_LIST_DIR}/cell_picture_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ab_fit_plot_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/tone_test.cpp)

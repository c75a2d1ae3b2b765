# The list control of the main form and the calibration dialogs, and its models.
rheo_add_gui_test(list_control_tests
  ${CMAKE_CURRENT_LIST_DIR}/list_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fit_text_and_columns_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/row_painting_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_events_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_models_test.cpp)

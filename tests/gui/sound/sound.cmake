# SPDX-License-Identifier: MIT
# The alarm's tone.
rheo_add_gui_test(sound_tests ${CMAKE_CURRENT_LIST_DIR}/tone_test.cpp)

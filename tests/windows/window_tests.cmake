# SPDX-License-Identifier: MIT
# The Win32 window's tests, run under Wine (CMAKE_CROSSCOMPILING_EMULATOR):
# in-process, the menu marks, colours answered and reactions per keystroke;
# from outside, zembra.exe as a user meets it; and the program file itself.

add_executable(window_inprocess_tests window_inprocess_test.cpp)
zembra_without_qt(window_inprocess_tests)
target_link_libraries(window_inprocess_tests PRIVATE zembra_windows zembra_resources GTest::gtest)
add_dependencies(window_inprocess_tests zembra_wine_prefix)
# One run for the suite: every start of a Windows program under Wine costs
# seconds.
add_test(NAME window_inprocess COMMAND window_inprocess_tests)

add_executable(window_driver_tests window_driver_test.cpp window_probe.cpp)
zembra_without_qt(window_driver_tests)
target_link_libraries(window_driver_tests PRIVATE zembra_windows GTest::gtest)
add_dependencies(window_driver_tests zembra zembra_wine_prefix)
# One run: the program is started once for the whole suite.
add_test(NAME window_driver COMMAND window_driver_tests $<TARGET_FILE:zembra>)
# The two share one screen, the pointer and the activation: one at a time.
set_tests_properties(window_inprocess window_driver PROPERTIES RESOURCE_LOCK wine_desktop)
set_tests_properties(window_driver PROPERTIES TIMEOUT 60)

# The program file: its size, the DLLs it imports, its version information
# and icon.
add_test(NAME window_program_file
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:zembra>
            -P ${CMAKE_CURRENT_SOURCE_DIR}/window_program_file.cmake)

# Not a test: scripts/screenshot drives the program through its screens.
add_executable(window_screens window_screens.cpp window_probe.cpp)
zembra_without_qt(window_screens)
target_link_libraries(window_screens PRIVATE zembra_windows)

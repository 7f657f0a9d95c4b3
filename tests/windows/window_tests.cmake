# SPDX-License-Identifier: MIT
# The Win32 window's tests, run under Wine (CMAKE_CROSSCOMPILING_EMULATOR),
# through the scenarios of testdata/window.txt: in-process, and from outside
# as a user meets zembra.exe; and the program file itself.
set(scenarios ${CMAKE_CURRENT_SOURCE_DIR}/testdata/window.txt)

add_executable(window_inprocess_tests window_inprocess_test.cpp scenario.cpp window_probe.cpp)
zembra_without_qt(window_inprocess_tests)
target_link_libraries(window_inprocess_tests PRIVATE zembra_windows zembra_resources)
target_compile_definitions(window_inprocess_tests PRIVATE ZEMBRA_SCENARIOS="${scenarios}")
add_dependencies(window_inprocess_tests zembra_wine_prefix)
# One run for the suite: every start of a Windows program under Wine costs
# seconds.
add_test(NAME window_inprocess COMMAND window_inprocess_tests)

add_executable(window_driver_tests window_driver_test.cpp scenario.cpp window_probe.cpp)
zembra_without_qt(window_driver_tests)
target_link_libraries(window_driver_tests PRIVATE zembra_windows)
target_compile_definitions(window_driver_tests PRIVATE ZEMBRA_SCENARIOS="${scenarios}")
add_dependencies(window_driver_tests zembra zembra_wine_prefix)
# One run: the program is started once for the whole suite.
add_test(NAME window_driver COMMAND window_driver_tests $<TARGET_FILE:zembra>)
set_tests_properties(window_driver PROPERTIES TIMEOUT 60)

# The program file: its size, the DLLs it imports.
add_test(NAME window_program_file
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:zembra>
            -P ${CMAKE_CURRENT_SOURCE_DIR}/window_program_file.cmake)

# Not a test: scripts/screenshot-windows walks the program through its screens.
add_executable(window_screens window_driver_test.cpp scenario.cpp window_probe.cpp)
zembra_without_qt(window_screens)
target_link_libraries(window_screens PRIVATE zembra_windows)
target_compile_definitions(window_screens
    PRIVATE ZEMBRA_SCENARIOS="${CMAKE_CURRENT_SOURCE_DIR}/testdata/screens.txt")

# The tests of the Windows build (included by tests/CMakeLists.txt), run under Wine by
# scripts/windows.sh in a Wine prefix it makes as a Russian Windows, with the offscreen platform
# and the paths of Qt set in the prefix's environment. Left out, each for a reason: the tests on
# a real X11 desktop (the X11 panel and accessibility bus are Linux's), the Linux file-output
# test (the system calls it checks are Linux's; file_output_windows_test checks Windows'), the
# Debian package test and the test of scripts/deps.sh.

# Where the test programs find Qt's plugins and Qt's own Russian texts (qt.conf beside them).
file(COPY ${AERVIK_QT_TRANSLATIONS}/qtbase_ru.qm DESTINATION ${CMAKE_CURRENT_BINARY_DIR}/translations)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf
     "[Paths]\nPrefix = Z:${qt_prefix}\nTranslations = Z:${CMAKE_CURRENT_BINARY_DIR}/translations\n")

# One Wine process for all core tests: each start of one costs a fraction of a second.
add_test(NAME core_tests COMMAND core_tests --gtest_brief=1)

# A stand-in for the spreadsheet application, an in-process automation server that the tests
# of the export through the system's automation register and drop again.
# It lies beside the test programs, which load it from there.
add_library(standin SHARED windows/standin/standin.cpp windows/standin/standin.def)
set_target_properties(standin PROPERTIES PREFIX "" OUTPUT_NAME standin
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(standin PRIVATE aervik_xlsxwriter ole32 oleaut32 uuid)
# COM's interfaces have no virtual destructor: their objects delete themselves on Release.
target_compile_options(standin PRIVATE -Wno-non-virtual-dtor)
target_sources(core_tests PRIVATE windows/com_component_test.cpp)
add_dependencies(core_tests standin)
add_dependencies(window_tests standin)

# Saving on Windows' own file system, as the Windows build does it.
add_executable(file_output_windows_test ${CMAKE_CURRENT_SOURCE_DIR}/windows/file_output_windows_test.cpp)
set_target_properties(file_output_windows_test PROPERTIES AUTOMOC ON)
target_link_libraries(file_output_windows_test PRIVATE ui_test_support)
aervik_test_code(file_output_windows_test)

# Qt Test's output from a program under Wine goes into a file, which the runner shows.
set(runner ${CMAKE_CURRENT_SOURCE_DIR}/windows/run_qt_test.sh)
foreach(name ${window_tests})
  add_test(NAME ${name} COMMAND ${runner} $<TARGET_FILE:window_tests> ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endforeach()
add_test(NAME file_output_windows_test COMMAND ${runner} $<TARGET_FILE:file_output_windows_test>)
set_tests_properties(file_output_windows_test PROPERTIES TIMEOUT 300)

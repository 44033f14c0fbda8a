# The window-free core for 64-bit Windows and its GoogleTest tests, run under Wine
# (configure preset windows-core; scripts/windows-core.sh builds the libraries and runs it).
# zlib, libxlsxwriter and GoogleTest are the Windows builds in AERVIK_WINDOWS_PREFIX.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Windows")
  message(FATAL_ERROR "AERVIK_WINDOWS_CORE builds for Windows only: cmake --preset windows-core")
endif()

find_package(ZLIB REQUIRED)
find_path(XLSXWRITER_INCLUDE_DIR xlsxwriter.h REQUIRED)
find_library(XLSXWRITER_LIBRARY NAMES xlsxwriter REQUIRED)
add_library(aervik_xlsxwriter STATIC IMPORTED)
set_target_properties(aervik_xlsxwriter PROPERTIES
  IMPORTED_LOCATION ${XLSXWRITER_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${XLSXWRITER_INCLUDE_DIR}
  INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
target_link_libraries(climate_core PUBLIC aervik_xlsxwriter)

include(CTest)
if(NOT BUILD_TESTING)
  return()
endif()
find_package(GTest CONFIG REQUIRED)

# Every source of the core tests, so that none is left out of the Windows run.
file(GLOB core_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*.cpp)
add_executable(core_tests ${core_test_sources})
target_link_libraries(core_tests PRIVATE climate_core GTest::gtest_main)
# As on Linux: compiled in batches of five, the tests' own code without optimisation (the
# core under test keeps the build type's).
set_target_properties(core_tests PROPERTIES UNITY_BUILD_BATCH_SIZE 5)
target_compile_options(core_tests PRIVATE -O0)
# Run through CMAKE_CROSSCOMPILING_EMULATOR, that is under Wine; one process for all tests,
# since each start of a Wine process costs a fraction of a second. The brief output names
# the failures and the totals.
add_test(NAME core_tests COMMAND core_tests --gtest_brief=1)

# Writes the sample text file and workbook that scripts/windows-core.sh compares with the
# Linux build's.
add_executable(report_sample tests/windows/report_sample.cpp)
target_link_libraries(report_sample PRIVATE climate_core)

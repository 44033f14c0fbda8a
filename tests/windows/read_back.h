// Reading a workbook back with the independent reader (tests/core/read_xlsx.py) from a test
// that runs under Wine: the reader runs on the Linux side, in the service that
// tests/windows/reader_service.py provides on the loopback interface, at the port named
// by AERVIK_READER_PORT.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace climate::test_support {

// The rows of the workbook as the reader prints them, one JSON list per line; none when the
// reader cannot be reached or cannot read the file (the reason goes to the error output).
std::vector<std::string> ReadBackThroughService(const std::filesystem::path &file);

}  // namespace climate::test_support

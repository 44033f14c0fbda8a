// The total specification as text (Qt-free): one section per kind of equipment that is part of the
// solution, each a heading and the list text of its selection window.
#pragma once

#include <cstdint>
#include <string>

namespace climate {

struct TextReportInput {
  int32_t heat = 0;         // heater section when greater than 0
  int32_t cooler = 0;       // cooling-unit section when greater than 0
  int32_t vent = 0;         // fan section when greater than 0
  std::string heater_list;  // list texts as the windows show them, lines joined by CR LF
  std::string cooler_list;
  std::string fan_list;
};

// The report text, UTF-8, every line break CR LF, without the final line end.
std::string BuildReportText(const TextReportInput &in);

// Everything the text file holds before conversion to the code page: the report text and
// one CR LF.
std::string ReportFileText(const TextReportInput &in);

// The name of the text file for the name chosen in the file dialog: ".txt" is always
// appended, also to a name that already ends in ".txt".
std::string ReportFileName(const std::string &chosen);

}  // namespace climate

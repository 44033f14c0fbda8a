// The total specification as text (Qt-free): one section per kind of equipment that is part of the
// solution, each a heading and the list text of its selection window.
#pragma once

#include <string>

#include "balance/heat_balance.h"

namespace climate {

// The list texts of the selection windows as they show them, lines joined by CR LF.
struct ReportLists {
  std::string heater;
  std::string cooler;
  std::string fan;
};

// The report text, UTF-8, every line break CR LF, without the final line end: a section for
// each kind of equipment whose counter in the main window's balance is greater than 0.
std::string BuildReportText(const BalanceFields &counters, const ReportLists &lists);

// Everything the text file holds before conversion to the code page: the report text and
// one CR LF.
std::string ReportFileText(const BalanceFields &counters, const ReportLists &lists);

// The name of the text file for the name chosen in the file dialog: ".txt" is always
// appended, also to a name that already ends in ".txt".
std::string ReportFileName(const std::string &chosen);

}  // namespace climate

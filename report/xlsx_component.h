// The spreadsheet component registered under "Excel.Application" (Qt-free): an application object
// that holds workbooks in memory and saves them as .xlsx files.
//
// Objects and members:
//   application: Visible (put/get), WorkBooks (get), Cells(row, column) (get),
//                ActiveWorkbook (get), Quit (method)
//   workbook collection: Add (method), Count (get)
//   workbook: SaveAs(file name) (method)
//   cell: Value (put/get)
#pragma once

#include <functional>
#include <string>

namespace climate::automation {

inline constexpr const char *kSpreadsheetProgId = "Excel.Application";

// Puts a saved workbook in place: the file name and the whole contents. It raises an error
// (std::exception) whose text names the file and the cause when the file cannot be written.
using FileWriter = std::function<void(const std::string &file, const std::string &bytes)>;

// Makes the component available under its programmatic identifier. The component assembles
// each workbook in a private temporary folder and hands the finished bytes to
// `put_in_place`: the program's own file output decides how a file is written.
void RegisterSpreadsheetComponent(FileWriter put_in_place);

}  // namespace climate::automation

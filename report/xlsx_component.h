// The spreadsheet component registered under "Excel.Application": an application object
// that holds workbooks in memory and saves them as .xlsx files.
//
// Objects and members:
//   application: Visible (put/get), WorkBooks (get), Cells(row, column) (get),
//                ActiveWorkbook (get), Quit (method)
//   workbook collection: Add (method), Count (get)
//   workbook: SaveAs(file name) (method)
//   cell: Value (put/get)
#pragma once

namespace climate::automation {

inline constexpr const char *kSpreadsheetProgId = "Excel.Application";

// Makes the component available under its programmatic identifier.
void RegisterSpreadsheetComponent();

}  // namespace climate::automation

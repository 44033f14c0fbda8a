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

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace climate::automation {

inline constexpr const char *kSpreadsheetProgId = "Excel.Application";

// Puts a saved workbook in place: the file name and the whole contents. It raises an error
// (std::exception) whose text names the file and the cause when the file cannot be written.
using FileWriter = std::function<void(const std::string &file, const std::string &bytes)>;

// A folder open to the user alone, where one workbook is assembled: its path in UTF-8, and the
// handle that holds it; the folder goes, with everything in it, when the last copy of the
// handle goes.
struct WorkFolder {
  std::string path;
  std::shared_ptr<void> handle;
};

// Makes such a folder for each save. It raises an error (std::exception) whose text names the
// folder and the cause when it cannot.
using FolderMaker = std::function<WorkFolder()>;

// Makes the component available under its programmatic identifier. The component assembles
// each workbook in a folder from `make_folder` and hands the finished bytes to
// `put_in_place`: the program's own file output decides where a workbook is assembled and how
// a file is written, which keeps the component free of the system's calls. On Windows each
// creation first tries the spreadsheet application the system has under the identifier
// (report/com_component.*), and takes this component when there is none or it cannot start.
void RegisterSpreadsheetComponent(const FileWriter &put_in_place, const FolderMaker &make_folder);

// A path given in UTF-8, as the file system takes it on every system.
std::filesystem::path Utf8Path(const std::string &name);

// The whole contents of a file; raises std::runtime_error when it cannot be read.
std::string ReadAll(const std::filesystem::path &file);

// The name a workbook is saved under: `file`, with the workbook extension added when it has
// none.
std::string WorkbookFileName(std::string file);

}  // namespace climate::automation

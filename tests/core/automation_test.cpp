// The spreadsheet component through the automation layer, with every written workbook read
// back by an independent reader.
#include "report/automation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "report/sheet_layout.h"
#include "report/xlsx_component.h"

namespace climate::automation::automation_test {
namespace {

namespace fs = std::filesystem;

// Rows of the workbook as the reader prints them: one JSON list per line.
std::vector<std::string> ReadBack(const fs::path &file) {
  const std::string command = "/usr/bin/python3 " READ_XLSX_SCRIPT " '" + file.string() + "'";
  std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
  std::vector<std::string> lines;
  if (!pipe) return lines;
  std::array<char, 4096> buf;
  std::string line;
  while (fgets(buf.data(), buf.size(), pipe.get())) {
    line += buf.data();
    if (!line.empty() && line.back() == '\n') {
      line.pop_back();
      lines.push_back(line);
      line.clear();
    }
  }
  return lines;
}

class Spreadsheet : public testing::Test {
 protected:
  void SetUp() override {
    RegisterSpreadsheetComponent();
    dir_ =
        fs::temp_directory_path() / ("aervik-xlsx-" + std::to_string(getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  // Files in the folder, to see that nothing half-written stays behind.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto &e : fs::directory_iterator(dir_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path dir_;
};

const std::vector<SheetRow> kRows{{"Код", "Наименование", "Количество"},
                                  {"HK-V400", "Обогреватель, P=400W", "2"},
                                  {"TK-NC", "Termostat, range -10 ~ +80С, NC", "1"}};

TEST_F(Spreadsheet, ExportWritesEveryCellInOrder) {
  const fs::path file = dir_ / "spec.xlsx";
  ExportToSpreadsheet(kRows, file.string());
  EXPECT_EQ(ReadBack(file),
            (std::vector<std::string>{R"(["Код", "Наименование", "Количество"])",
                                      R"(["HK-V400", "Обогреватель, P=400W", 2])",
                                      R"(["TK-NC", "Termostat, range -10 ~ +80С, NC", 1])"}));
}

TEST_F(Spreadsheet, SaveAsAddsTheExtensionOnlyWhenMissing) {
  ExportToSpreadsheet(kRows, (dir_ / "spec").string());
  ExportToSpreadsheet(kRows, (dir_ / "other.dat").string());
  EXPECT_EQ(Files(), (std::vector<std::string>{"other.dat", "spec.xlsx"}));
  EXPECT_EQ(ReadBack(dir_ / "other.dat").size(), 3u);
}

TEST_F(Spreadsheet, ReplacesAnExistingFile) {
  const fs::path file = dir_ / "spec.xlsx";
  std::ofstream(file) << "old contents";
  ExportToSpreadsheet({{"a", "b", "c"}}, file.string());
  EXPECT_EQ(ReadBack(file), (std::vector<std::string>{R"(["a", "b", "c"])"}));
  EXPECT_EQ(Files(), (std::vector<std::string>{"spec.xlsx"}));
}

TEST_F(Spreadsheet, FailedSaveNamesTheFile) {
  const fs::path missing = dir_ / "no-such-folder" / "spec.xlsx";
  try {
    ExportToSpreadsheet(kRows, missing.string());
    FAIL() << "saving into a missing folder succeeded";
  } catch (const Error &e) {
    EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos) << e.what();
  }
  EXPECT_TRUE(Files().empty());
}

TEST_F(Spreadsheet, RefusedWorkbookLeavesTheExistingFileAsItWas) {
  const fs::path kept = dir_ / "kept.xlsx";
  std::ofstream(kept) << "old contents";
  // A cell longer than a worksheet cell can hold: the workbook is refused after its
  // temporary file was made.
  const std::vector<SheetRow> too_long{{"code", std::string(40000, 'x'), "1"}};
  EXPECT_THROW(ExportToSpreadsheet(too_long, kept.string()), Error);
  std::ifstream in(kept);
  const std::string contents((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(contents, "old contents");
  EXPECT_EQ(Files(), (std::vector<std::string>{"kept.xlsx"}));
}

TEST_F(Spreadsheet, FolderWithoutWriteRightsLeavesTheExistingFileAsItWas) {
  const fs::path kept = dir_ / "kept.xlsx";
  std::ofstream(kept) << "old contents";
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  if (access(dir_.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights over every folder";
  EXPECT_THROW(ExportToSpreadsheet(kRows, kept.string()), Error);
  fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
  std::ifstream in(kept);
  const std::string contents((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(contents, "old contents");
  EXPECT_EQ(Files(), (std::vector<std::string>{"kept.xlsx"}));
}

TEST_F(Spreadsheet, SaveOverAFolderFailsCleanly) {
  fs::create_directories(dir_ / "spec.xlsx");
  EXPECT_THROW(ExportToSpreadsheet(kRows, (dir_ / "spec.xlsx").string()), Error);
  EXPECT_EQ(Files(), (std::vector<std::string>{"spec.xlsx"}));
}

TEST_F(Spreadsheet, LateBoundCallsAndTheirErrors) {
  ObjectPtr excel = CreateObject("excel.application");  // identifiers ignore letter case
  excel->Put("VISIBLE", false);
  EXPECT_EQ(std::get<bool>(excel->Get("visible")), false);
  // Cells before any workbook exists, unknown members, wrong argument types.
  EXPECT_THROW(excel->Get("Cells", {1, 1}), Error);
  EXPECT_THROW(excel->Call("Open"), Error);
  EXPECT_THROW(excel->Put("Visible", std::string("no")), Error);
  AsObject(excel->Get("Workbooks"), "Workbooks")->Call("add");
  EXPECT_THROW(excel->Get("Cells", {0, 1}), Error);
  EXPECT_THROW(excel->Get("Cells", {std::string("A"), 1}), Error);
  ObjectPtr cell = AsObject(excel->Get("Cells", {2, 3}), "Cells");
  cell->Put("value", std::string("x"));
  EXPECT_EQ(std::get<std::string>(AsObject(excel->Get("Cells", {2, 3}), "Cells")->Get("Value")),
            "x");
  try {
    cell->Put("Formula", std::string("=1"));
    FAIL();
  } catch (const Error &e) {
    EXPECT_NE(std::string(e.what()).find("Formula"), std::string::npos);
  }
  excel->Call("Quit");
  EXPECT_THROW(excel->Get("ActiveWorkbook"), Error);
}

TEST_F(Spreadsheet, CreationFailsWithoutTheComponent) {
  UnregisterComponent(kSpreadsheetProgId);
  try {
    CreateObject(kSpreadsheetProgId);
    FAIL();
  } catch (const Error &e) {
    EXPECT_NE(std::string(e.what()).find("Excel.Application"), std::string::npos);
  }
  EXPECT_THROW(ExportToSpreadsheet(kRows, (dir_ / "x").string()), Error);
  EXPECT_TRUE(Files().empty());
}

}  // namespace
}  // namespace climate::automation::automation_test

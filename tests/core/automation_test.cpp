// The spreadsheet component through the automation layer, with every written workbook read
// back by an independent reader.
#include "report/automation.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "report/sheet_layout.h"
#include "report/xlsx_component.h"

namespace climate::automation::automation_test {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
// Under Wine the reader, a Linux program, cannot run: a workbook is only checked to be a zip
// archive. That the Windows build writes the rows the Linux build writes, scripts/windows.sh
// checks by reading both builds' sample workbooks back on the Linux side.
std::optional<std::vector<std::string>> ReadBack(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  char magic[4] = {};
  in.read(magic, sizeof magic);
  EXPECT_EQ(std::string(magic, sizeof magic), std::string("PK\3\4", 4)) << file;
  return std::nullopt;
}
#else
// What the reader prints for the workbook, one line each: its rows as JSON lists, or with
// "--members" its archive's members and their hashes.
std::optional<std::vector<std::string>> ReadBack(const fs::path &file,
                                                 const std::string &option = "") {
  const std::string command =
      "/usr/bin/python3 " READ_XLSX_SCRIPT " " + option + " '" + file.string() + "'";
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
#endif

// The workbook's rows, where the reader can read them, are `rows`.
void ExpectRows(const fs::path &file, const std::vector<std::string> &rows) {
  if (const auto read = ReadBack(file)) {
    EXPECT_EQ(*read, rows) << file;
  }
}

// The workbook has `count` rows, where the reader can read them.
void ExpectRowCount(const fs::path &file, std::size_t count) {
  if (const auto read = ReadBack(file)) {
    EXPECT_EQ(read->size(), count) << file;
  }
}

// Writes a workbook where the component asks, as the program's file output would; it can be
// told to refuse with a cause.
struct TestWriter {
  std::vector<std::string> files;  // every file the component asked to write
  std::string refusal;             // when not empty, every write fails with this text

  void operator()(const std::string &file, const std::string &bytes) {
    files.push_back(file);
    if (!refusal.empty()) throw std::runtime_error(refusal);
    std::ofstream out(fs::path(std::u8string(file.begin(), file.end())), std::ios::binary);
    out << bytes;
    if (!out.flush()) throw std::runtime_error("cannot write " + file);
  }
};

// Makes the folders the component assembles workbooks in, each going with its handle; it can
// be told to refuse.
struct TestFolders {
  fs::path parent;
  int made = 0;
  bool refuse = false;

  WorkFolder operator()() {
    if (refuse) throw std::runtime_error("no folder");
    const fs::path folder = parent / ("work-" + std::to_string(++made));
    fs::create_directory(folder);
    const std::u8string name = folder.u8string();
    return {std::string(name.begin(), name.end()),
            std::shared_ptr<void>(nullptr, [folder](void *) { fs::remove_all(folder); })};
  }
};

class Spreadsheet : public testing::Test {
 protected:
  void SetUp() override {
    RegisterSpreadsheetComponent(
        [this](const std::string &file, const std::string &bytes) { writer_(file, bytes); },
        [this] { return folders_(); });
    dir_ =
        fs::temp_directory_path() / ("aervik-xlsx-" + std::to_string(std::random_device()()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    folders_.parent = dir_;
  }
  void TearDown() override { fs::remove_all(dir_); }
  // Files in the folder, to see that nothing half-written stays behind.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto &e : fs::directory_iterator(dir_))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  TestWriter writer_;
  TestFolders folders_;
  fs::path dir_;
};

const std::vector<SheetRow> kRows{{"Код", "Наименование", "Количество"},
                                  {"HK-V400", "Обогреватель, P=400W", "2"},
                                  {"TK-NC", "Termostat, range -10 ~ +80С, NC", "1"}};

TEST_F(Spreadsheet, ExportWritesEveryCellInOrder) {
  const fs::path file = dir_ / "total.xlsx";
  ExportToSpreadsheet(kRows, file.string());
  ExpectRows(file,
             (std::vector<std::string>{R"(["Код", "Наименование", "Количество"])",
                                       R"(["HK-V400", "Обогреватель, P=400W", 2])",
                                       R"(["TK-NC", "Termostat, range -10 ~ +80С, NC", 1])"}));
}

TEST_F(Spreadsheet, SaveAsAddsTheExtensionOnlyWhenMissing) {
  ExportToSpreadsheet(kRows, (dir_ / "total").string());
  ExportToSpreadsheet(kRows, (dir_ / "other.dat").string());
  EXPECT_EQ(Files(), (std::vector<std::string>{"other.dat", "total.xlsx"}));
  ExpectRowCount(dir_ / "other.dat", 3);
}

TEST_F(Spreadsheet, RefusedWorkbookWritesNothing) {
  // A cell longer than a worksheet cell can hold: the workbook is refused before any file
  // is handed over.
  const std::vector<SheetRow> too_long{{"code", std::string(40000, 'x'), "1"}};
  try {
    ExportToSpreadsheet(too_long, (dir_ / "kept.xlsx").string());
    FAIL() << "a refused workbook was saved";
  } catch (const Error &e) {
    EXPECT_NE(std::string(e.what()).find("(1, 2)"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(writer_.files.empty());
}

TEST_F(Spreadsheet, AFailedWriteReportsTheWritersCauseAsItIs) {
  writer_.refusal = "Не удалось записать файл «total.xlsx»: No space left on device";
  try {
    ExportToSpreadsheet(kRows, (dir_ / "total.xlsx").string());
    FAIL() << "a refused write was reported as a success";
  } catch (const Error &e) {
    EXPECT_EQ(std::string(e.what()), writer_.refusal);
  }
  EXPECT_EQ(writer_.files, std::vector<std::string>{(dir_ / "total.xlsx").string()});
}

TEST_F(Spreadsheet, TheWorkbookIsAssembledInAFolderGivenForEachSaveAndLetGo) {
  ExportToSpreadsheet(kRows, (dir_ / "total.xlsx").string());
  // Without a folder there is no place to assemble a workbook.
  folders_.refuse = true;
  EXPECT_THROW(ExportToSpreadsheet(kRows, (dir_ / "other.xlsx").string()), Error);
  EXPECT_EQ(folders_.made, 1);
  EXPECT_EQ(Files(), (std::vector<std::string>{"total.xlsx"}));
}

TEST_F(Spreadsheet, AssemblesInATemporaryFolderWithCyrillicLetters) {
  // The temporary folder of a user named in Cyrillic, like C:\Users\Иван\AppData\Local\Temp.
  auto utf8 = [](const fs::path &path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
  };
  folders_.parent = dir_ / u8"Иван";
  fs::create_directories(folders_.parent);
  const fs::path file = dir_ / u8"спецификация.xlsx";
  std::string failure;
  try {
    ExportToSpreadsheet(kRows, utf8(file));
  } catch (const Error &e) {
    failure = e.what();
  }
  EXPECT_EQ(failure, "");
  ExpectRowCount(file, 3);
  EXPECT_TRUE(fs::is_empty(folders_.parent));
}

#ifndef _WIN32
// A desktop in a language that writes decimal commas sets the C library's numbers to them; the
// workbook's own numbers (its page margins, the quantities) must not follow.
TEST_F(Spreadsheet, AWorkbookSavedInTheUsersLocaleIsTheOneSavedInC) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  ExportToSpreadsheet(kRows, (dir_ / "c.xlsx").string());
  const bool russian = std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr;
  if (russian) ExportToSpreadsheet(kRows, (dir_ / "ru.xlsx").string());
  std::setlocale(LC_ALL, previous.c_str());
  ASSERT_TRUE(russian) << "no locale ru_RU.UTF-8: the build makes one and names it in LOCPATH";
  ExpectRowCount(dir_ / "ru.xlsx", 3);
  EXPECT_EQ(ReadBack(dir_ / "ru.xlsx", "--members"), ReadBack(dir_ / "c.xlsx", "--members"));
}
#endif

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

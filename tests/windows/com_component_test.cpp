// The export through the system's automation on Windows, against the stand-in spreadsheet
// application registered with the system: the calls it receives, what is let go, and the
// program's own component where the system has no application.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "report/automation.h"
#include "report/sheet_layout.h"
#include "report/xlsx_component.h"
#include "tests/windows/standin/standin.h"

namespace climate::automation::com_component_test {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path &path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

// Whether `file` begins as a workbook (a zip archive) does.
bool IsWorkbook(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  char magic[4] = {};
  in.read(magic, sizeof magic);
  return std::string(magic, sizeof magic) == std::string("PK\3\4", 4);
}

class SystemSpreadsheet : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("aervik-com-" + std::to_string(std::random_device()()));
    fs::create_directories(dir_);
    RegisterSpreadsheetComponent(
        [this](const std::string &file, const std::string &bytes) {
          written_.push_back(file);
          std::ofstream(fs::path(std::u8string(file.begin(), file.end())), std::ios::binary)
              << bytes;
        },
        [this] {
          const fs::path folder = dir_ / ("work-" + std::to_string(++folders_));
          fs::create_directory(folder);
          return WorkFolder{Utf8(folder), std::shared_ptr<void>(nullptr, [folder](void *) {
                              fs::remove_all(folder);
                            })};
        });
  }
  void TearDown() override {
    UnregisterComponent(kSpreadsheetProgId);
    fs::remove_all(dir_);
  }

  standin::StandIn standin_;
  fs::path dir_;
  int folders_ = 0;
  std::vector<std::string> written_;  // every file put in place
};

const std::vector<SheetRow> kRows{{"Код", "Наименование", "Количество"},
                                  {"HK-V400", "Обогреватель, P=400W", "2"}};

TEST_F(SystemSpreadsheet, TheExportsCallsReachTheApplicationInOrderAndAllIsLetGo) {
  ExportToSpreadsheet(kRows, Utf8(dir_ / "спецификация"));

  const std::string saved = Utf8(dir_ / "work-1") + "\\book.xlsx";
  EXPECT_EQ(standin_.Calls(), (std::vector<std::string>{
                                  "Application created",
                                  "Application Visible put VT_BOOL=false",
                                  "Application DisplayAlerts put VT_BOOL=false",
                                  "Application WorkBooks get",
                                  "Workbooks Add call",
                                  "Application Cells get VT_I4=1 VT_I4=1",
                                  "Range Value put VT_BSTR=Код",
                                  "Application Cells get VT_I4=1 VT_I4=2",
                                  "Range Value put VT_BSTR=Наименование",
                                  "Application Cells get VT_I4=1 VT_I4=3",
                                  "Range Value put VT_BSTR=Количество",
                                  "Application Cells get VT_I4=2 VT_I4=1",
                                  "Range Value put VT_BSTR=HK-V400",
                                  "Application Cells get VT_I4=2 VT_I4=2",
                                  "Range Value put VT_BSTR=Обогреватель, P=400W",
                                  "Application Cells get VT_I4=2 VT_I4=3",
                                  "Range Value put VT_BSTR=2",
                                  "Application ActiveWorkbook get",
                                  "Workbook SaveAs call VT_BSTR=" + saved + " VT_I4=51",
                                  "Workbook Close call VT_BOOL=false",
                                  "Application Quit call",
                                  "Application released",
                              }));
  EXPECT_TRUE(standin_.NothingLeft());
  // The application's bytes, put in place by the program under the name with its extension;
  // the private folder is gone.
  const fs::path file = dir_ / "спецификация.xlsx";
  EXPECT_EQ(written_, std::vector<std::string>{Utf8(file)});
  EXPECT_TRUE(IsWorkbook(file));
  EXPECT_FALSE(fs::exists(dir_ / "work-1"));
}

TEST_F(SystemSpreadsheet, AFailedSaveAsQuitsAndReportsTheApplicationsDescription) {
  standin_.FailSaveAs();
  try {
    ExportToSpreadsheet(kRows, Utf8(dir_ / "book.xlsx"));
    ADD_FAILURE() << "the failed SaveAs was not reported";
  } catch (const Error &e) {
    EXPECT_NE(std::string(e.what()).find("Стенд: книга не сохранена"), std::string::npos)
        << e.what();
  }
  const std::vector<std::string> calls = standin_.Calls();
  ASSERT_GE(calls.size(), 3U);
  EXPECT_EQ(calls[calls.size() - 2], "Application Quit call");
  EXPECT_EQ(calls.back(), "Application released");
  EXPECT_TRUE(standin_.NothingLeft());
  EXPECT_TRUE(written_.empty());
}

TEST_F(SystemSpreadsheet, TheProbeLeavesNoInstance) {
  // The save window's probe: created, then let go without a call of its own.
  EXPECT_NE(CreateObject(kSpreadsheetProgId), nullptr);
  EXPECT_EQ(standin_.Calls(),
            (std::vector<std::string>{"Application created", "Application Quit call",
                                      "Application released"}));
  EXPECT_TRUE(standin_.NothingLeft());
}

TEST_F(SystemSpreadsheet, WithoutTheApplicationTheProgramsOwnComponentWrites) {
  standin_.Unregister();
  ExportToSpreadsheet(kRows, Utf8(dir_ / "book"));
  EXPECT_TRUE(IsWorkbook(dir_ / "book.xlsx"));
  EXPECT_FALSE(fs::exists(standin_.Log()));
}

}  // namespace
}  // namespace climate::automation::com_component_test

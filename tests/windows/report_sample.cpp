// Writes one total specification as a text file and as a workbook into the folder given as
// the argument: спецификация.txt and спецификация.xlsx. The Windows build and the Linux
// build each write them, and scripts/windows-core.sh compares the two sets: the text files
// byte for byte, the workbooks by the rows the independent reader finds in them.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <system_error>

#include "report/sheet_layout.h"
#include "report/text_report.h"
#include "report/windows1251.h"
#include "report/xlsx_component.h"

namespace {

namespace fs = std::filesystem;

fs::path Utf8Path(const std::string &name) {
  return fs::path(std::u8string(name.begin(), name.end()));
}

// The workbook is assembled in a folder beside the samples, which goes when the component lets
// it go.
climate::automation::WorkFolder AssemblyFolder(const std::string &folder) {
  const std::string work = folder + "/work";
  fs::create_directory(Utf8Path(work));
  return {work, std::shared_ptr<void>(nullptr, [work](void *) {
            std::error_code ignored;
            fs::remove_all(Utf8Path(work), ignored);
          })};
}

void WriteFile(const std::string &file, const std::string &bytes) {
  std::ofstream out(Utf8Path(file), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + file);
}

// Heater with two models and a fan: every kind of row and section but cooling, with Cyrillic
// names, the typographic characters of the code page, and a list line the user typed with
// characters the code page lacks.
climate::TextReportInput Text() {
  climate::TextReportInput in;
  in.heat = 2;
  in.vent = 1;
  in.heater_list =
      "HK-V400 - Обогреватель, P=400W x 1 шт.\r\nHK-V250 - Обогреватель, P=250W x 1 шт.\r\n"
      "TK-NC - Термостат, диапазон -10 ~ +80°С x 1 шт.\r\nHG-CO - Гигростат x 1 шт.";
  in.fan_list =
      "FK-270-230 - Вентилятор «Ёлка» № 2 — 230 В x 1 шт.\r\nGK-270 - Решётка x 1 шт.\r\n"
      "Müller: установить до 1 ½ м 😀";
  return in;
}

climate::SheetInput Sheet() {
  climate::SheetInput in;
  in.heat = 2;
  in.vent = 1;
  in.q_mem = 2;
  in.heater_listed = in.fan_listed = true;
  in.heater = {"HK-V400", "Обогреватель, P=400W", "1"};
  in.heater_2 = {"HK-V250", "Обогреватель, P=250W", "2"};
  in.heater_thermostat = {"TK-NC", "Термостат, диапазон -10 ~ +80°С", "1"};
  in.heater_hygrostat = {"HG-CO", "Гигростат", "1"};
  in.fan = {"FK-270-230", "Вентилятор «Ёлка» № 2 — 230 В", "1"};
  in.grille = {"GK-270", "Решётка", "1"};
  in.fan_thermostat = {"TK-NO", "Термостат", "1"};
  in.fan_hygrostat = {"HG-CO", "Гигростат", "1"};
  return in;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::cerr << "usage: report_sample FOLDER\n";
    return 2;
  }
  try {
    const std::string folder = argv[1];
    WriteFile(folder + "/спецификация.txt",
              climate::Utf8ToWindows1251(climate::ReportFileText(Text())));
    climate::automation::RegisterSpreadsheetComponent(WriteFile,
                                                      [folder] { return AssemblyFolder(folder); });
    climate::ExportToSpreadsheet(climate::SheetRows(Sheet()), folder + "/спецификация.xlsx");
  } catch (const std::exception &e) {
    std::cerr << "report_sample: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

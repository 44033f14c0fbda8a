// Writes one total specification as a text file and as a workbook into the folder given as
// the argument: спецификация.txt and спецификация.xlsx. The Windows build and the Linux
// build each write them, and scripts/windows.sh compares the two sets: the text files
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
using climate::automation::Utf8Path;

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
climate::BalanceFields Counters() {
  climate::BalanceFields counters;
  counters.heat = 2;
  counters.vent = 1;
  return counters;
}

climate::ReportLists Lists() {
  climate::ReportLists lists;
  lists.heater =
      "HK-V400 - Обогреватель, P=400W x 1 шт.\r\nHK-V250 - Обогреватель, P=250W x 1 шт.\r\n"
      "TK-NC - Термостат, диапазон -10 ~ +80°С x 1 шт.\r\nHG-CO - Гигростат x 1 шт.";
  lists.fan =
      "FK-270-230 - Вентилятор «Ёлка» № 2 — 230 В x 1 шт.\r\nGK-270 - Решётка x 1 шт.\r\n"
      "Müller: установить до 1 ½ м 😀";
  return lists;
}

climate::HeaterFields Heater() {
  climate::HeaterFields h;
  h.q_mem = 2;
  h.heat_code = "HK-V400", h.heat_name = "Обогреватель, P=400W", h.heat_qnt = "1";
  h.heat_code_2 = "HK-V250", h.heat_name_2 = "Обогреватель, P=250W", h.heat_qnt_2 = "2";
  h.term_code = "TK-NC", h.term_name = "Термостат, диапазон -10 ~ +80°С", h.term_qnt = "1";
  h.gigro_code = "HG-CO", h.gigro_name = "Гигростат", h.gigro_qnt = "1";
  return h;
}

climate::FanFields Fan() {
  climate::FanFields v;
  v.vent_code = "FK-270-230", v.vent_name = "Вентилятор «Ёлка» № 2 — 230 В", v.vent_qnt = "1";
  v.vent_code_2 = "GK-270", v.vent_name_2 = "Решётка", v.vent_qnt_2 = "1";
  v.term_code = "TK-NO", v.term_name = "Термостат", v.term_qnt = "1";
  v.gigro_code = "HG-CO", v.gigro_name = "Гигростат", v.gigro_qnt = "1";
  return v;
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
              climate::Utf8ToWindows1251(climate::ReportFileText(Counters(), Lists())));
    climate::automation::RegisterSpreadsheetComponent(WriteFile,
                                                      [folder] { return AssemblyFolder(folder); });
    climate::ExportToSpreadsheet(
        climate::SheetRows(Counters(), Heater(), {}, Fan(), {true, false, true}),
        folder + "/спецификация.xlsx");
  } catch (const std::exception &e) {
    std::cerr << "report_sample: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

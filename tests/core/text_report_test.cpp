#include "report/text_report.h"

#include <gtest/gtest.h>

#include <ostream>

#include "report/sheet_layout.h"
#include "tests/core/case_names.h"

namespace climate::text_report_test {
namespace {

const std::string kHeater = "HK-V400 - Обогреватель x 1 шт.\r\nTK-NC - Термостат x 1 шт.";
const std::string kHeaterWithThermostat = "HK-P1200T - Обогреватель x 1 шт.\r\n";
const std::string kCooler = "CK-W0800-2 - Навесной кондиционер x 1 шт.";
const std::string kFan = "FK-270-230 - Вентилятор x 1 шт.\r\nGK-270 - Решётка x 1 шт.";

struct Layout {
  const char *what;
  int32_t heat, cooler, vent;
  std::string heater_list;
  std::string file;
};

void PrintTo(const Layout &l, std::ostream *os) {
  *os << l.what;
}

class TextLayouts : public testing::TestWithParam<Layout> {};

TEST_P(TextLayouts, FileText) {
  const Layout &l = GetParam();
  TextReportInput in{l.heat, l.cooler, l.vent, l.heater_list, kCooler, kFan};
  EXPECT_EQ(ReportFileText(in), l.file) << l.what;
}

INSTANTIATE_TEST_SUITE_P(
    , TextLayouts,
    testing::Values(
        Layout{
            "heater and fan", 1, 0, 1, kHeater,
            "Обогрев воздуха:\r\n" + kHeater + "\r\n\r\nВентиляторы воздуха:\r\n" + kFan + "\r\n"},
        Layout{"heater exported, and cooling", 2, 1, 0, kHeater,
               "Обогрев воздуха:\r\n" + kHeater + "\r\n\r\nКондиционер воздуха:\r\n" + kCooler +
                   "\r\n"},
        Layout{"heater alone ends in two empty lines", 2, 0, 0, kHeater,
               "Обогрев воздуха:\r\n" + kHeater + "\r\n\r\n\r\n"},
        Layout{"heater with built-in thermostat alone: three empty lines", 2, 0, 0,
               kHeaterWithThermostat,
               "Обогрев воздуха:\r\nHK-P1200T - Обогреватель x 1 шт.\r\n\r\n\r\n\r\n"},
        Layout{"heater with built-in thermostat and fan: one more empty line", 1, 0, 1,
               kHeaterWithThermostat,
               "Обогрев воздуха:\r\n" + kHeaterWithThermostat + "\r\n\r\nВентиляторы воздуха:\r\n" +
                   kFan + "\r\n"},
        Layout{"cooling alone", 0, 1, 0, kHeater, "Кондиционер воздуха:\r\n" + kCooler + "\r\n"},
        Layout{"fan alone", 0, 0, 1, kHeater, "Вентиляторы воздуха:\r\n" + kFan + "\r\n"},
        Layout{"empty list under its heading", 1, 0, 0, "", "Обогрев воздуха:\r\n\r\n\r\n\r\n"},
        Layout{"nothing needed", 0, 0, 0, kHeater, "\r\n"}),
    testing_names::ByWhat());

TEST(TextReport, FileNameAlwaysGetsTxt) {
  EXPECT_EQ(ReportFileName("spec"), "spec.txt");
  EXPECT_EQ(ReportFileName("spec.txt"), "spec.txt.txt");
  EXPECT_EQ(ReportFileName("/tmp/отчёт"), "/tmp/отчёт.txt");
}

SheetInput Fields() {
  SheetInput in;
  in.heater_listed = in.cooler_listed = in.fan_listed = true;
  in.heater = {"HK-V400", "heater", "1"};
  in.heater_2 = {"HK-V250", "heater 2", "1"};
  in.heater_thermostat = {"TK-NC", "heater thermostat", "1"};
  in.heater_hygrostat = {"HG-CO", "heater hygrostat", "1"};
  in.cooler_unit = {"CK-W0800-2", "cooler", "1"};
  in.fan = {"FK-270-230", "fan", "1"};
  in.grille = {"GK-270", "grille", "1"};
  in.fan_thermostat = {"TK-NO", "fan thermostat", "1"};
  in.fan_hygrostat = {"HG-CO", "fan hygrostat", "1"};
  return in;
}

// Each row as "code name", enough to tell which window an accessory came from.
std::vector<std::string> CodesAndNames(const std::vector<SheetRow> &rows) {
  std::vector<std::string> out;
  for (std::size_t i = 1; i < rows.size(); ++i) out.push_back(rows[i][0] + " " + rows[i][1]);
  return out;
}

struct SheetCase {
  const char *what;
  int32_t heat, cooler, vent;
  float q_mem;
  std::vector<std::string> rows;  // after the header
};

void PrintTo(const SheetCase &c, std::ostream *os) {
  *os << c.what;
}

class SheetLayouts : public testing::TestWithParam<SheetCase> {};

TEST_P(SheetLayouts, Rows) {
  const SheetCase &c = GetParam();
  SheetInput in = Fields();
  in.heat = c.heat;
  in.cooler = c.cooler;
  in.vent = c.vent;
  in.q_mem = c.q_mem;
  const std::vector<SheetRow> rows = SheetRows(in);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], (SheetRow{"Код", "Наименование", "Количество"}));
  EXPECT_EQ(CodesAndNames(rows), c.rows) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    , SheetLayouts,
    testing::Values(SheetCase{"heater with one model and a fan",
                              2,
                              0,
                              1,
                              1,
                              {"HK-V400 heater", "FK-270-230 fan", "GK-270 grille",
                               "TK-NC heater thermostat", "HG-CO heater hygrostat"}},
                    SheetCase{"heater with two models alone",
                              2,
                              0,
                              0,
                              2,
                              {"HK-V400 heater", "HK-V250 heater 2", "TK-NC heater thermostat",
                               "HG-CO heater hygrostat"}},
                    SheetCase{"heater suggested but not exported still counts",
                              1,
                              1,
                              0,
                              1,
                              {"HK-V400 heater", "CK-W0800-2 cooler", "TK-NC heater thermostat",
                               "HG-CO heater hygrostat"}},
                    SheetCase{"cooling alone: no accessories", 0, 1, 0, 2, {"CK-W0800-2 cooler"}},
                    SheetCase{"fan alone: the fan window's accessories",
                              0,
                              0,
                              1,
                              2,
                              {"FK-270-230 fan", "GK-270 grille", "TK-NO fan thermostat",
                               "HG-CO fan hygrostat"}},
                    SheetCase{"nothing needed: header only", 0, 0, 0, 2, {}}),
    testing_names::ByWhat());

TEST(SheetLayout, AccessoriesOnlyWithTheEquipmentTheySwitch) {
  // The heater window found no heater and the fan window no fan: the heater window's
  // thermostat and hygrostat, kept for a fan, have nothing to switch.
  SheetInput in = Fields();
  in.heat = 2;
  in.vent = 1;
  in.heater_listed = in.fan_listed = true;
  in.heater = in.fan = in.grille = {"", "", ""};
  EXPECT_EQ(SheetRows(in).size(), 1u);
  in.fan = {"FK-270-230", "fan", "1"};
  EXPECT_EQ(CodesAndNames(SheetRows(in)),
            (std::vector<std::string>{"FK-270-230 fan", "TK-NC heater thermostat",
                                      "HG-CO heater hygrostat"}));
}

TEST(SheetLayout, EmptyItemsGetNoRowOthersAreWrittenAsTheyAre) {
  SheetInput in = Fields();
  in.heat = 1;
  in.vent = 1;
  in.q_mem = 1;
  in.heater = {"", "", ""};    // a heater selection without a solution
  in.fan = {"FK-X", "", "1"};  // partly filled: written as it is
  in.grille = {"", "", ""};
  EXPECT_EQ(SheetRows(in), (std::vector<SheetRow>{{"Код", "Наименование", "Количество"},
                                                  {"FK-X", "", "1"},
                                                  {"TK-NC", "heater thermostat", "1"},
                                                  {"HG-CO", "heater hygrostat", "1"}}));
}

// A window whose list was emptied after its create (a reset, a new choice, an option ticked)
// gives the workbook nothing, not even the accessories of its last create.
TEST(SheetLayout, AWindowWhoseListWasEmptiedGivesNoRows) {
  struct Case {
    const char *what;
    int32_t heat, cooler, vent;
    bool heater_listed, cooler_listed, fan_listed;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"heater and fan, heater list emptied",
       1,
       0,
       1,
       false,
       true,
       true,
       {"FK-270-230 fan", "GK-270 grille"}},
      {"heater and fan, fan list emptied",
       2,
       0,
       1,
       true,
       true,
       false,
       {"HK-V400 heater", "TK-NC heater thermostat", "HG-CO heater hygrostat"}},
      {"heater alone, list emptied", 2, 0, 0, false, true, true, {}},
      {"fan alone, list emptied", 0, 0, 1, true, true, false, {}},
      {"cooling alone, list emptied", 0, 1, 0, true, false, true, {}},
      {"heater and cooling, both emptied", 2, 1, 0, false, false, true, {}},
  };
  for (const Case &c : cases) {
    SheetInput in = Fields();
    in.heat = c.heat;
    in.cooler = c.cooler;
    in.vent = c.vent;
    in.q_mem = 1;
    in.heater_listed = c.heater_listed;
    in.cooler_listed = c.cooler_listed;
    in.fan_listed = c.fan_listed;
    EXPECT_EQ(CodesAndNames(SheetRows(in)), c.rows) << c.what;
  }
}

}  // namespace
}  // namespace climate::text_report_test

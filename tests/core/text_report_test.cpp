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
  const BalanceFields counters{.heat = l.heat, .vent = l.vent, .cooler = l.cooler};
  EXPECT_EQ(ReportFileText(counters, {l.heater_list, kCooler, kFan}), l.file) << l.what;
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
  EXPECT_EQ(ReportFileName("total"), "total.txt");
  EXPECT_EQ(ReportFileName("total.txt"), "total.txt.txt");
  EXPECT_EQ(ReportFileName("/tmp/отчёт"), "/tmp/отчёт.txt");
}

// The three selection windows' fields and the main window's counters, as the save window
// reads them.
struct Windows {
  BalanceFields counters;
  HeaterFields heater;
  CoolerFields cooler;
  FanFields fan;
  ListedItems listed{true, true, true};
};

Windows Fields() {
  Windows w;
  HeaterFields &h = w.heater;
  h.heat_code = "HK-V400", h.heat_name = "heater", h.heat_qnt = "1";
  h.heat_code_2 = "HK-V250", h.heat_name_2 = "heater 2", h.heat_qnt_2 = "1";
  h.term_code = "TK-NC", h.term_name = "heater thermostat", h.term_qnt = "1";
  h.gigro_code = "HG-CO", h.gigro_name = "heater hygrostat", h.gigro_qnt = "1";
  CoolerFields &c = w.cooler;
  c.cool_code = "CK-W0800-2", c.cool_name = "cooler", c.cool_qnt = "1";
  FanFields &v = w.fan;
  v.vent_code = "FK-270-230", v.vent_name = "fan", v.vent_qnt = "1";
  v.vent_code_2 = "GK-270", v.vent_name_2 = "grille", v.vent_qnt_2 = "1";
  v.term_code = "TK-NO", v.term_name = "fan thermostat", v.term_qnt = "1";
  v.gigro_code = "HG-CO", v.gigro_name = "fan hygrostat", v.gigro_qnt = "1";
  return w;
}

std::vector<SheetRow> Rows(const Windows &w) {
  return SheetRows(w.counters, w.heater, w.cooler, w.fan, w.listed);
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
  Windows in = Fields();
  in.counters.heat = c.heat;
  in.counters.cooler = c.cooler;
  in.counters.vent = c.vent;
  in.heater.q_mem = c.q_mem;
  const std::vector<SheetRow> rows = Rows(in);
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
  Windows in = Fields();
  in.counters.heat = 2;
  in.counters.vent = 1;
  in.heater.heat_code = in.heater.heat_name = in.heater.heat_qnt = "";
  in.fan.ClearItems();
  EXPECT_EQ(Rows(in).size(), 1u);
  in.fan.vent_code = "FK-270-230", in.fan.vent_name = "fan", in.fan.vent_qnt = "1";
  EXPECT_EQ(CodesAndNames(Rows(in)),
            (std::vector<std::string>{"FK-270-230 fan", "TK-NC heater thermostat",
                                      "HG-CO heater hygrostat"}));
}

TEST(SheetLayout, EmptyItemsGetNoRowOthersAreWrittenAsTheyAre) {
  Windows in = Fields();
  in.counters.heat = 1;
  in.counters.vent = 1;
  in.heater.q_mem = 1;
  // A heater selection without a solution; a fan item partly filled, written as it is.
  in.heater.heat_code = in.heater.heat_name = in.heater.heat_qnt = "";
  in.fan.vent_name = "";
  in.fan.vent_code = "FK-X";
  in.fan.vent_code_2 = in.fan.vent_name_2 = in.fan.vent_qnt_2 = "";
  EXPECT_EQ(Rows(in), (std::vector<SheetRow>{{"Код", "Наименование", "Количество"},
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
    Windows in = Fields();
    in.counters.heat = c.heat;
    in.counters.cooler = c.cooler;
    in.counters.vent = c.vent;
    in.heater.q_mem = 1;
    in.listed = {c.heater_listed, c.cooler_listed, c.fan_listed};
    EXPECT_EQ(CodesAndNames(Rows(in)), c.rows) << c.what;
  }
}

}  // namespace
}  // namespace climate::text_report_test

// The total specification as a table (Qt-free): a header and one row per item, from the item fields
// of the selection windows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace climate {

struct SheetItem {
  std::string code;
  std::string name;
  std::string qnt;
};

struct SheetInput {
  int32_t heat = 0;
  int32_t cooler = 0;
  int32_t vent = 0;
  // Whether each window's list shows the result of the create that chose its items. A list
  // emptied since (a reset, a new choice in the window) takes the window's items out of the
  // workbook; what the user types into a list does not.
  bool heater_listed = false;
  bool cooler_listed = false;
  bool fan_listed = false;
  // Heater window.
  SheetItem heater;
  SheetItem heater_2;
  float q_mem = 0;  // number of heater models; a second heater row when greater than 1
  SheetItem heater_thermostat;
  SheetItem heater_hygrostat;
  // Cooling window.
  SheetItem cooler_unit;
  // Fan window.
  SheetItem fan;
  SheetItem grille;
  SheetItem fan_thermostat;
  SheetItem fan_hygrostat;
};

using SheetRow = std::array<std::string, 3>;

// The rows from the first down, the header "Код", "Наименование", "Количество" first.
// A kind of equipment gets rows when its counter is greater than 0 and its window lists the
// items. The thermostat and hygrostat come from the heater window when a heater is part of
// the solution, otherwise from the fan window when a fan is, and only together with a heater
// or fan that gets a row. An item whose code, name and quantity are all empty (a selection
// without a solution) gets no row.
std::vector<SheetRow> SheetRows(const SheetInput &in);

// Writes the rows into a new workbook of the spreadsheet application and saves it under
// `file_name` exactly as given. Every call goes through the automation layer; a failing
// call raises automation::Error with its text. An application instance that was started
// is told to quit in any case.
void ExportToSpreadsheet(const std::vector<SheetRow> &rows, const std::string &file_name);

}  // namespace climate

// The total specification as a table (Qt-free): a header and one row per item, from the item fields
// of the selection windows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "balance/heat_balance.h"
#include "selection/cooler_selection.h"
#include "selection/fan_selection.h"
#include "selection/heater_selection.h"

namespace climate {

// Whether each selection window's list shows the result of the create that chose its items.
// A list emptied since (a reset, a new choice in the window) takes the window's items out of the
// workbook; what the user types into a list does not.
struct ListedItems {
  bool heater = false;
  bool cooler = false;
  bool fan = false;
};

using SheetRow = std::array<std::string, 3>;

// The rows from the first down, the header "Код", "Наименование", "Количество" first, from the
// counters of the main window's balance and the item fields of the three selection windows.
// A kind of equipment gets rows when its counter is greater than 0 and its window lists the
// items. The thermostat and hygrostat come from the heater window when a heater is part of
// the solution, otherwise from the fan window when a fan is, and only together with a heater
// or fan that gets a row. An item whose code, name and quantity are all empty (a selection
// without a solution) gets no row.
std::vector<SheetRow> SheetRows(const BalanceFields &counters, const HeaterFields &heater,
                                const CoolerFields &cooler, const FanFields &fan,
                                const ListedItems &listed);

// Writes the rows into a new workbook of the spreadsheet application and saves it under
// `file_name` exactly as given. Every call goes through the automation layer; a failing
// call raises automation::Error with its text. An application instance that was started
// is told to quit in any case.
void ExportToSpreadsheet(const std::vector<SheetRow> &rows, const std::string &file_name);

}  // namespace climate

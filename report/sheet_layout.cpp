#include "report/sheet_layout.h"

#include "report/automation.h"
#include "report/xlsx_component.h"

namespace climate {

std::vector<SheetRow> SheetRows(const SheetInput &in) {
  std::vector<SheetRow> rows{{"Код", "Наименование", "Количество"}};
  // A selection without a solution leaves its item empty: such an item gets no row.
  auto chosen = [](const SheetItem &item) {
    return !(item.code.empty() && item.name.empty() && item.qnt.empty());
  };
  auto add = [&](const SheetItem &item) {
    if (chosen(item)) rows.push_back({item.code, item.name, item.qnt});
  };
  const bool heater = in.heat > 0 && in.heater_listed;
  const bool fan = in.vent > 0 && in.fan_listed;
  if (heater) add(in.heater);
  if (heater && in.q_mem > 1) add(in.heater_2);
  if (in.cooler > 0 && in.cooler_listed) add(in.cooler_unit);
  if (fan) {
    add(in.fan);
    add(in.grille);
  }
  // With a heater in the solution its window switches the climate, listed or not: the fan
  // window then holds no accessories of this calculation. A thermostat and a hygrostat go
  // with the equipment they switch: with no heater and no fan listed there is none.
  if (heater) {
    if (chosen(in.heater) || (fan && chosen(in.fan))) {
      add(in.heater_thermostat);
      add(in.heater_hygrostat);
    }
  } else if (in.heat <= 0 && fan) {
    add(in.fan_thermostat);
    add(in.fan_hygrostat);
  }
  return rows;
}

void ExportToSpreadsheet(const std::vector<SheetRow> &rows, const std::string &file_name) {
  using automation::AsObject;
  using automation::Value;
  automation::ObjectPtr excel = automation::CreateObject(automation::kSpreadsheetProgId);
  try {
    excel->Put("Visible", false);
    AsObject(excel->Get("WorkBooks"), "WorkBooks")->Call("Add");
    int32_t row = 1;
    for (const SheetRow &cells : rows) {
      for (int32_t column = 1; column <= 3; ++column) {
        AsObject(excel->Get("Cells", {row, column}), "Cells")
            ->Put("value", Value{cells[static_cast<std::size_t>(column - 1)]});
      }
      ++row;
    }
    AsObject(excel->Get("ActiveWorkbook"), "ActiveWorkbook")->Call("SaveAs", {file_name});
  } catch (...) {
    // Do not leave a failed instance running; the first error is the one reported.
    try {
      excel->Call("Quit");
    } catch (...) {
    }
    throw;
  }
  excel->Call("Quit");
}

}  // namespace climate

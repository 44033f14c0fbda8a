#include "report/sheet_layout.h"

#include <cstdint>

#include "report/automation.h"
#include "report/xlsx_component.h"

namespace climate {

namespace {

// One item of a window's fields: code, name and quantity.
struct Item {
  const std::string &code;
  const std::string &name;
  const std::string &qnt;
  // A selection without a solution leaves its item empty.
  bool Chosen() const { return !(code.empty() && name.empty() && qnt.empty()); }
};

}  // namespace

std::vector<SheetRow> SheetRows(const BalanceFields &counters, const HeaterFields &h,
                                const CoolerFields &c, const FanFields &v,
                                const ListedItems &listed) {
  std::vector<SheetRow> rows{{"Код", "Наименование", "Количество"}};
  auto add = [&rows](const Item &item) {
    if (item.Chosen()) rows.push_back({item.code, item.name, item.qnt});
  };
  const Item heater{h.heat_code, h.heat_name, h.heat_qnt};
  const Item fan{v.vent_code, v.vent_name, v.vent_qnt};
  const bool heater_listed = counters.heat > 0 && listed.heater;
  const bool fan_listed = counters.vent > 0 && listed.fan;
  if (heater_listed) add(heater);
  if (heater_listed && h.q_mem > 1) add({h.heat_code_2, h.heat_name_2, h.heat_qnt_2});
  if (counters.cooler > 0 && listed.cooler) add({c.cool_code, c.cool_name, c.cool_qnt});
  if (fan_listed) {
    add(fan);
    add({v.vent_code_2, v.vent_name_2, v.vent_qnt_2});
  }
  // With a heater in the solution its window switches the climate, listed or not: the fan
  // window then holds no accessories of this calculation. A thermostat and a hygrostat go
  // with the equipment they switch: with no heater and no fan listed there is none.
  auto accessories = [&add](const AccessoryFields &a) {
    add({a.term_code, a.term_name, a.term_qnt});
    add({a.gigro_code, a.gigro_name, a.gigro_qnt});
  };
  if (heater_listed) {
    if (heater.Chosen() || (fan_listed && fan.Chosen())) accessories(h);
  } else if (counters.heat <= 0 && fan_listed) {
    accessories(v);
  }
  return rows;
}

void ExportToSpreadsheet(const std::vector<SheetRow> &rows, const std::string &file_name) {
  using automation::AsObject;
  using automation::Value;
  automation::ObjectPtr excel = automation::CreateObject(automation::kSpreadsheetProgId);
  try {
    excel->Put("Visible", false);
    // No message of the application may wait for an answer while it runs unseen.
    excel->Put("DisplayAlerts", false);
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

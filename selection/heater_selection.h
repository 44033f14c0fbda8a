// Heater selection (Qt-free): the required heating power of the enclosure, the heaters that
// cover it, the thermostat and the hygrostat, and the specification lines of the list. The
// heater window (selection/heat.*) drives it.
#pragma once

#include <cstdint>
#include <string>

#include "balance/heat_balance.h"
#include "selection/accessories.h"
#include "selection/selection_result.h"

namespace climate {

// The choices of the heater window.
struct HeaterChoice {
  int mode = -1;         // operating mode index: 0 constant, any other periodic
  bool compact = false;  // use compact heaters (decides up to 800 W)
  bool termo = false;    // use heaters with built-in thermostat (decides above 800 W)
};

// The fields of the heater window: the required power of the last create and its items.
// Texts are UTF-8; quantities are texts ("1", "2").
struct HeaterFields : AccessoryFields {
  float PCOM_HEAT = 0;  // required heating power, W
  float q_mem = 0;      // number of different heater models: 1 or 2, 0 when there is none
  std::string heat_name;
  std::string heat_qnt;
  std::string heat_name_2;
  std::string heat_qnt_2;
  std::string heat_code;
  std::string heat_code_2;
  // The thermostat and the hygrostat: term_code ... gigro_qnt of AccessoryFields.
  std::string qnt_p;  // unit word of the lines

  // Forgets the items of the last create; the required power and the unit word stay.
  void ClearItems();
};

// The heater window's create: the heaters for the required power of the main window's balance
// and the window's choices, with the thermostat and the hygrostat, and the list's lines, in
// the language `t_lang`; starting from the window's fields as they are. The list text is
// always set (empty for a language number other than 1 and 2 when there is no line to show).
SelectionResult<HeaterFields> CreateSpecification(const BalanceFields &balance,
                                                  const HeaterChoice &choice, int32_t t_lang,
                                                  const HeaterFields &previous);

}  // namespace climate

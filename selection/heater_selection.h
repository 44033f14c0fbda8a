// Heater selection (Qt-free): the required heating power of the enclosure, the heaters that
// cover it, the thermostat and the hygrostat, and the specification lines of the list. The
// heater window (selection/heat.*) drives it.
#pragma once

#include <cstdint>
#include <string>

#include "selection/heater_catalogue.h"

namespace climate {

// What the selection reads: the window's choices and the main window's heat balance.
struct HeaterSelectionInput {
  int mode = -1;         // operating mode index: 0 constant, any other periodic
  bool compact = false;  // use compact heaters (decides up to 800 W)
  bool termo = false;    // use heaters with built-in thermostat (decides above 800 W)
  float K = 0;           // heat-transfer coefficient, W/(m²·K)
  float S = 0;           // effective surface, m²
  float TENMIN = 0;      // minimum inside temperature, °C
  float TEMIN = 0;       // minimum ambient temperature, °C
  float PHG = 0;         // heat dissipated inside, W
  int32_t vent = 0;      // non-zero when a fan is needed as well
  int32_t t_lang = 0;    // 1 Russian, 2 English
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

enum class HeaterOutcome {
  Items,            // heaters found in a power band
  NoPowerRequired,  // required power 0 W or less
  NoSolution,       // required power above the largest band
};

struct HeaterSelection {
  HeaterOutcome outcome = HeaterOutcome::Items;
  // The window's fields after the selection. A field the selection does not write keeps its
  // previous value: the second heater code outside the two-model band, and texts of a
  // language number other than 1 and 2.
  HeaterFields fields;
  // The whole list text, lines joined by CR LF; empty for a language number other than 1
  // and 2 when there are no lines to show.
  std::string list_text;
};

// Required heating power: the losses through the walls at the minimum temperatures, less
// the heat dissipated inside when the equipment runs constantly (mode 0).
float RequiredHeatingPower(const HeaterSelectionInput &in);

// Selects the items for `in`, starting from the window's fields as they are.
HeaterSelection SelectHeaters(const HeaterSelectionInput &in, const HeaterFields &previous);

}  // namespace climate

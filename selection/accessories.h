// The thermostat and hygrostat among a selection window's fields (Qt-free): the heater window
// always holds them, the fan window when no heater is part of the solution.
#pragma once

#include <string>

namespace climate {

// Texts are UTF-8; quantities are texts ("1").
struct AccessoryFields {
  std::string term_code;
  std::string term_name;
  std::string term_qnt;
  std::string gigro_code;
  std::string gigro_name;
  std::string gigro_qnt;
};

}  // namespace climate

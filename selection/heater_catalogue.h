// The built-in catalogue of heaters and accessories (Qt-free): the heaters, the thermostats
// and the hygrostat of the heater window and the thermostat the fan window adds, each with
// its article code and its name in Russian and English. The one table of accessories.
#pragma once

#include <span>
#include <string_view>

#include "app/lang.h"

namespace climate {

enum class HeaterItemKind { Heater, Thermostat, Hygrostat };

struct HeaterCatalogueItem {
  const char *code;
  HeaterItemKind kind;
  Text name;  // the rated power of a heater stands only in its names
};

// Every item, heaters first, in catalogue order.
std::span<const HeaterCatalogueItem> HeaterCatalogue();

// The item with article code `code`; std::out_of_range when the catalogue has none.
const HeaterCatalogueItem &HeaterItem(std::string_view code);

}  // namespace climate

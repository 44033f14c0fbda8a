// The built-in catalogue of the heater selection: heaters, thermostats and the hygrostat,
// each with its article code and its name in Russian and English.
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

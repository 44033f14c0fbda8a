#include "selection/heater_catalogue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace climate {
namespace {

using enum HeaterItemKind;

// Names are the manufacturer's wording, punctuation included. The "С" after the
// temperatures of the thermostats is the Cyrillic capital Es in both languages.
constexpr std::array<HeaterCatalogueItem, 27> kItems{{
    {"HK-C005",
     Heater,
     {"Компактный обогреватель с кабелем, P=5W", "Compact heater with cable, P=5W"}},
    {"HK-C015",
     Heater,
     {"Компактный обогреватель с кабелем, P=15W", "Compact heater with cable, P=15W"}},
    {"HK-C030",
     Heater,
     {"Компактный обогреватель с кабелем, P=30W", "Compact heater with cable, P=30W"}},
    {"HK-S015", Heater, {"Обогреватель с кабелем, P=15W", "Heater with cable, P=15W"}},
    {"HK-S030", Heater, {"Обогреватель с кабелем, P=30W", "Heater with cable, P=30W"}},
    {"HK-F075",
     Heater,
     {"Компактный обогреватель с кабелем и вентилятором, P=75W",
      "Compact heater with cable and fan, P=75W"}},
    {"HK-F100",
     Heater,
     {"Компактный обогреватель с кабелем и вентилятором, P=100W",
      "Compact heater with cable and fan, P=100W"}},
    {"HK-F150",
     Heater,
     {"Компактный обогреватель с кабелем и вентилятором, P=150W",
      "Compact heater with cable and fan, P=150W"}},
    {"HK-F230",
     Heater,
     {"Компактный обогреватель с кабелем и вентилятором, P=230W",
      "Compact heater with cable and fan, P=230W"}},
    {"HK-F300",
     Heater,
     {"Компактный обогреватель с кабелем и вентилятором, P=300W",
      "Compact heater with cable and fan, P=300W"}},
    {"HK-T045",
     Heater,
     {"Обогреватель с клеммной колодкой, б/кабеля, P=45W",
      "Heater with terminal bloch, without cable P=45W"}},
    {"HK-T060",
     Heater,
     {"Обогреватель с клеммной колодкой, б/кабеля, P=60W",
      "Heater with terminal bloch, without cable P=60W"}},
    {"HK-T080",
     Heater,
     {"Обогреватель с клеммной колодкой, б/кабеля P=80W",
      "Heater with terminal bloch, without cable P=80W"}},
    {"HK-T100",
     Heater,
     {"Обогреватель с клеммной колодкой, б/кабеля P=100W",
      "Heater with terminal bloch, without cable P=100W"}},
    {"HK-TS150",
     Heater,
     {"Обогреватель с клеммной колодкой, б/кабеля P=150W",
      "Heater with terminal bloch, without cable P=150W"}},
    {"HK-V250",
     Heater,
     {"Обогреватель с клеммной колодкой и вентилятором, б/кабеля P=250W",
      "Heater with terminal bloch and fan, without cable P=250W"}},
    {"HK-V400",
     Heater,
     {"Обогреватель с клеммной колодкой и вентилятором, б/кабеля P=400W",
      "Heater with terminal bloch and fan, without cable P=400W"}},
    {"HK-P1200T",
     Heater,
     {"Обогреватель на повышенные мощности с термостатом, P=1200W",
      "Heater for high power, with termostat , P=1200W"}},
    {"HK-P1500T",
     Heater,
     {"Обогреватель на повышенные мощности с термостатом, P=1500W",
      "Heater for high power, with termostat , P=1500W"}},
    {"HK-P2000T",
     Heater,
     {"Обогреватель на повышенные мощности с термостатом, P=2000W",
      "Heater for high power, with termostat , P=2000W"}},
    {"HK-P1200",
     Heater,
     {"Обогреватель на повышенные мощности без термостата, P=1200W",
      "Heater for high power, without termostat , P=1200W"}},
    {"HK-P1500",
     Heater,
     {"Обогреватель на повышенные мощности без термостата, P=1500W",
      "Heater for high power, without termostat , P=1500W"}},
    {"HK-P2000",
     Heater,
     {"Обогреватель на повышенные мощности без термостата, P=2000W",
      "Heater for high power, without termostat , P=2000W"}},
    {"TK-NC",
     Thermostat,
     {"Термостат, диапазон -10 ~ +80 градусов С, контакт NC (нормально закрытый)",
      "Termostat, range -10 ~ +80С, NC"}},
    {"TK-CO",
     Thermostat,
     {"Термостат, диапазон +5 ~ +60 градусов С, перекидной контакт (NO/NC)",
      "Termostat, range +5 ~ +60С, NO/NC"}},
    {"HG-CO", Hygrostat, {"Гигростат, перекидной контакт", "Gigrostat, NO/NC"}},
    // The thermostat the fan window adds when no heater is part of the solution.
    {"TK-NO",
     Thermostat,
     {"Термостат, диапазон -10 ~ +80 градусов С, контакт NO (нормально открытый)",
      "Termostat, range -10 ~ +80С, NO"}},
}};

}  // namespace

std::span<const HeaterCatalogueItem> HeaterCatalogue() {
  return kItems;
}

const HeaterCatalogueItem &HeaterItem(std::string_view code) {
  for (const HeaterCatalogueItem &item : kItems) {
    if (code == item.code) return item;
  }
  throw std::out_of_range("No heater catalogue item " + std::string(code));
}

}  // namespace climate

// The catalogue articles with their codes and names in Russian and English, exactly as the
// range names them: wording and punctuation as they are (a comma before "P=" in some heater
// names and not in others, a blank before the comma in the English names of the
// high-power heaters), the Latin "c" and the double spaces of most Russian fan names, the
// Cyrillic "С" after the temperatures of the thermostats, and the range's own spellings
// "Termostat", "Gigrostat" and "bloch". The names are written out here as the range writes
// them, independently of the program's tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "app/lang.h"
#include "selection/cooler_selection.h"
#include "selection/fan_selection.h"
#include "selection/heater_catalogue.h"
#include "tests/core/builders.h"

namespace climate::catalogue_test {
namespace {

struct Article {
  const char *code;
  const char *ru;
  const char *en;
};

const Article kHeaters[] = {
    {"HK-C005", "Компактный обогреватель с кабелем, P=5W", "Compact heater with cable, P=5W"},
    {"HK-C015", "Компактный обогреватель с кабелем, P=15W", "Compact heater with cable, P=15W"},
    {"HK-C030", "Компактный обогреватель с кабелем, P=30W", "Compact heater with cable, P=30W"},
    {"HK-S015", "Обогреватель с кабелем, P=15W", "Heater with cable, P=15W"},
    {"HK-S030", "Обогреватель с кабелем, P=30W", "Heater with cable, P=30W"},
    {"HK-F075", "Компактный обогреватель с кабелем и вентилятором, P=75W",
     "Compact heater with cable and fan, P=75W"},
    {"HK-F100", "Компактный обогреватель с кабелем и вентилятором, P=100W",
     "Compact heater with cable and fan, P=100W"},
    {"HK-F150", "Компактный обогреватель с кабелем и вентилятором, P=150W",
     "Compact heater with cable and fan, P=150W"},
    {"HK-F230", "Компактный обогреватель с кабелем и вентилятором, P=230W",
     "Compact heater with cable and fan, P=230W"},
    {"HK-F300", "Компактный обогреватель с кабелем и вентилятором, P=300W",
     "Compact heater with cable and fan, P=300W"},
    {"HK-T045", "Обогреватель с клеммной колодкой, б/кабеля, P=45W",
     "Heater with terminal bloch, without cable P=45W"},
    {"HK-T060", "Обогреватель с клеммной колодкой, б/кабеля, P=60W",
     "Heater with terminal bloch, without cable P=60W"},
    {"HK-T080", "Обогреватель с клеммной колодкой, б/кабеля P=80W",
     "Heater with terminal bloch, without cable P=80W"},
    {"HK-T100", "Обогреватель с клеммной колодкой, б/кабеля P=100W",
     "Heater with terminal bloch, without cable P=100W"},
    {"HK-TS150", "Обогреватель с клеммной колодкой, б/кабеля P=150W",
     "Heater with terminal bloch, without cable P=150W"},
    {"HK-V250", "Обогреватель с клеммной колодкой и вентилятором, б/кабеля P=250W",
     "Heater with terminal bloch and fan, without cable P=250W"},
    {"HK-V400", "Обогреватель с клеммной колодкой и вентилятором, б/кабеля P=400W",
     "Heater with terminal bloch and fan, without cable P=400W"},
    {"HK-P1200T", "Обогреватель на повышенные мощности с термостатом, P=1200W",
     "Heater for high power, with termostat , P=1200W"},
    {"HK-P1500T", "Обогреватель на повышенные мощности с термостатом, P=1500W",
     "Heater for high power, with termostat , P=1500W"},
    {"HK-P2000T", "Обогреватель на повышенные мощности с термостатом, P=2000W",
     "Heater for high power, with termostat , P=2000W"},
    {"HK-P1200", "Обогреватель на повышенные мощности без термостата, P=1200W",
     "Heater for high power, without termostat , P=1200W"},
    {"HK-P1500", "Обогреватель на повышенные мощности без термостата, P=1500W",
     "Heater for high power, without termostat , P=1500W"},
    {"HK-P2000", "Обогреватель на повышенные мощности без термостата, P=2000W",
     "Heater for high power, without termostat , P=2000W"},
};

const Article kHeaterAccessories[] = {
    {"TK-NC", "Термостат, диапазон -10 ~ +80 градусов С, контакт NC (нормально закрытый)",
     "Termostat, range -10 ~ +80С, NC"},
    {"TK-CO", "Термостат, диапазон +5 ~ +60 градусов С, перекидной контакт (NO/NC)",
     "Termostat, range +5 ~ +60С, NO/NC"},
    {"HG-CO", "Гигростат, перекидной контакт", "Gigrostat, NO/NC"},
};

// Every fan size: its band's limits, its 230 V and 115 V fans and its outlet grille.
struct FanSizeRow {
  float min_air_flow, max_air_flow;  // m³/h
  const char *fan_230v, *fan_115v, *grille;
};

const FanSizeRow kFanBands[] = {
    {0, 15, "FK-015-230", "FK-015-115", "GK-015"},
    {15, 50, "FK-050-230", "FK-050-115", "GK-050"},
    {50, 270, "FK-270-230", "FK-270-115", "GK-270"},
    {270, 580, "FK-580-230", "FK-580-115", "GK-580"},
};

const Article kFansAndGrilles[] = {
    {"FK-015-230", "Вентилятор c решёткой и фильтром, 12/15  м3/час, 230В",
     "Fan filter, 12/15 m3/hour, 230Vac"},
    {"FK-015-115", "Вентилятор c решёткой и фильтром, 12/15  м3/час, 115В",
     "Fan filter, 12/15 m3/hour, 115Vac"},
    {"GK-015", "Вентиляционная решётка с фильтром, 106,5 x 106,5 мм", "Filter, 106,5 x 106,5 mm"},
    {"FK-050-230", "Вентилятор c решёткой и фильтром, 45/50  м3/час, 230В",
     "Fan filter, 45/50 m3/hour, 230Vac"},
    {"FK-050-115", "Вентилятор с  решёткой и фильтром, 45/50 м3/час, 115В",
     "Fan filter, 45/50 m3/hour, 115Vac"},
    {"GK-050", "Вентиляционная решётка с фильтром, 150 x 150 мм", "Filter, 150 x 150 mm"},
    {"FK-270-230", "Вентилятор c решёткой и фильтром, 230/270  м3/час, 230В",
     "Fan filter, 230/270 m3/hour, 230Vac"},
    {"FK-270-115", "Вентилятор c решёткой и фильтром, 230/270  м3/час, 115В",
     "Fan filter, 230/270 m3/hour, 115Vac"},
    {"GK-270", "Вентиляционная решётка с фильтром, 250 x 250 мм", "Filter, 250 x 250 mm"},
    {"FK-580-230", "Вентилятор c решёткой и фильтром, 520/580  м3/час, 230В",
     "Fan filter, 520/580 m3/hour, 230Vac"},
    {"FK-580-115", "Вентилятор c решёткой и фильтром, 520/580 м3/час, 115В",
     "Fan filter, 520/580 m3/hour, 115Vac"},
    {"GK-580", "Вентиляционная решётка с фильтром, 325 x 325 мм", "Filter, 325 x 325 mm"},
};

// The fan window's accessories: Russian names only, and the fixed line each gives the list.
struct FanAccessoryRow {
  const char *code;
  const char *name;
  const char *line;
};

const FanAccessoryRow kFanAccessories[] = {
    {"TK-NO", "Термостат, диапазон -10 ~ +80 градусов С, контакт NO (нормально открытый)",
     "TK-NO - Термостат, диапазон -10 ~ +80 градусов С, контакт NO (нормально открытый) x 1 шт."},
    {"HG-CO", "Гигростат, перекидной контакт", "HG-CO - Гигростат, перекидной контакт x 1 шт."},
};

struct CoolingUnitRow {
  const char *code;
  Mounting mounting;
  int power_w;
  int supply;
  const char *ru;
  const char *en;
};

const CoolingUnitRow kCoolers[] = {
    {"CK-W0300-1", Mounting::Wall, 300, 1, "Навесной кондиционер 300 Вт, 230В (1 фаза)",
     "Wall mount cooler 300 W, 230Vac (1 ph)"},
    {"CK-W0300-2", Mounting::Wall, 300, 2, "Навесной кондиционер 300 Вт, 400В (2 фазы)",
     "Wall mount cooler 300 W, 400Vac (2 ph)"},
    {"CK-W0500-1", Mounting::Wall, 500, 1, "Навесной кондиционер 500 Вт, 230В (1 фаза)",
     "Wall mount cooler 500 W, 230Vac (1 ph)"},
    {"CK-W0500-2", Mounting::Wall, 500, 2, "Навесной кондиционер 500 Вт, 400В (2 фазы)",
     "Wall mount cooler 500 W, 400Vac (2 ph)"},
    {"CK-W0800-1", Mounting::Wall, 800, 1, "Навесной кондиционер 800 Вт, 230В (1 фаза)",
     "Wall mount cooler 800 W, 230Vac (1 ph)"},
    {"CK-W0800-2", Mounting::Wall, 800, 2, "Навесной кондиционер 800 Вт, 400В (2 фазы)",
     "Wall mount cooler 800 W, 400Vac (2 ph)"},
    {"CK-W1000-1", Mounting::Wall, 1000, 1, "Навесной кондиционер 1000 Вт, 230В (1 фаза)",
     "Wall mount cooler 1000 W, 230Vac (1 ph)"},
    {"CK-W1000-2", Mounting::Wall, 1000, 2, "Навесной кондиционер 1000 Вт, 400В (2 фазы)",
     "Wall mount cooler 1000 W, 400Vac (2 ph)"},
    {"CK-W1500-1", Mounting::Wall, 1500, 1, "Навесной кондиционер 1500 Вт, 230В (1 фаза)",
     "Wall mount cooler 1500 W, 230Vac (1 ph)"},
    {"CK-W1500-2", Mounting::Wall, 1500, 2, "Навесной кондиционер 1500 Вт, 400В (2 фазы)",
     "Wall mount cooler 1500 W, 400Vac (2 ph)"},
    {"CK-W1500-3", Mounting::Wall, 1500, 3, "Навесной кондиционер 1500 Вт, 400/440В (3 фазы)",
     "Wall mount cooler 1500 W, 400/440Vac (3 ph)"},
    {"CK-W2000-1", Mounting::Wall, 2000, 1, "Навесной кондиционер 2000 Вт, 230В (1 фаза)",
     "Wall mount cooler 2000 W, 230Vac (1 ph)"},
    {"CK-W2000-2", Mounting::Wall, 2000, 2, "Навесной кондиционер 2000 Вт, 400В (2 фазы)",
     "Wall mount cooler 2000 W, 400Vac (2 ph)"},
    {"CK-W2000-3", Mounting::Wall, 2000, 3, "Навесной кондиционер 2000 Вт, 400/440В (3 фазы)",
     "Wall mount cooler 2000 W, 400/440Vac (3 ph)"},
    {"CK-W3000-3", Mounting::Wall, 3000, 3, "Навесной кондиционер 3000 Вт, 400/440В (3 фазы)",
     "Wall mount cooler 3000 W, 400/440Vac (3 ph)"},
    {"CK-W4000-3", Mounting::Wall, 4000, 3, "Навесной кондиционер 4000 Вт, 400/440В (3 фазы)",
     "Wall mount cooler 4000 W, 400/440Vac (3 ph)"},
    {"CK-R1000-1", Mounting::Roof, 1000, 1, "Потолочный кондиционер 1000 Вт, 230В (1 фаза)",
     "Roof mount cooler 1000 W, 230Vac (1 ph)"},
    {"CK-R1000-2", Mounting::Roof, 1000, 2, "Потолочный кондиционер 1000 Вт, 400В (2 фазы)",
     "Roof mount cooler 1000 W, 400Vac (2 ph)"},
    {"CK-R1500-1", Mounting::Roof, 1500, 1, "Потолочный кондиционер 1500 Вт, 230В (1 фаза)",
     "Roof mount cooler 1500 W, 230Vac (1 ph)"},
    {"CK-R1500-2", Mounting::Roof, 1500, 2, "Потолочный кондиционер 1500 Вт, 400В (2 фазы)",
     "Roof mount cooler 1500 W, 400Vac (2 ph)"},
    {"CK-R1500-3", Mounting::Roof, 1500, 3, "Потолочный кондиционер 1500 Вт, 400/440В (3 фазы)",
     "Roof mount cooler 1500 W, 400/440Vac (3 ph)"},
    {"CK-R2000-1", Mounting::Roof, 2000, 1, "Потолочный кондиционер 2000 Вт, 230В (1 фаза)",
     "Roof mount cooler 2000 W, 230Vac (1 ph)"},
    {"CK-R2000-2", Mounting::Roof, 2000, 2, "Потолочный кондиционер 2000 Вт, 400В (2 фазы)",
     "Roof mount cooler 2000 W, 400Vac (2 ph)"},
    {"CK-R2000-3", Mounting::Roof, 2000, 3, "Потолочный кондиционер 2000 Вт, 400/440В (3 фазы)",
     "Roof mount cooler 2000 W, 400/440Vac (3 ph)"},
    {"CK-R3000-3", Mounting::Roof, 3000, 3, "Потолочный кондиционер 3000 Вт, 400/440В (3 фазы)",
     "Roof mount cooler 3000 W, 400/440Vac (3 ph)"},
    {"CK-R4000-3", Mounting::Roof, 4000, 3, "Потолочный кондиционер 4000 Вт, 400/440В (3 фазы)",
     "Roof mount cooler 4000 W, 400/440Vac (3 ph)"},
};

template <class Rows>
std::vector<std::string> SortedCodes(const Rows &rows) {
  std::vector<std::string> codes;
  for (const auto &row : rows) codes.emplace_back(row.code);
  std::sort(codes.begin(), codes.end());
  return codes;
}

TEST(Catalogue, HeatersThermostatsAndHygrostat) {
  std::vector<std::string> expected = SortedCodes(kHeaters);
  for (const std::string &code : SortedCodes(kHeaterAccessories)) expected.push_back(code);
  expected.push_back("TK-NO");  // the fan window's thermostat, kept with the others
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(SortedCodes(HeaterCatalogue()), expected);

  auto check = [](const Article &a, HeaterItemKind kind) {
    SCOPED_TRACE(a.code);
    const HeaterCatalogueItem &item = HeaterItem(a.code);
    EXPECT_EQ(item.kind, kind);
    EXPECT_STREQ(item.name.ru, a.ru);
    EXPECT_STREQ(item.name.en, a.en);
  };
  for (const Article &a : kHeaters) check(a, HeaterItemKind::Heater);
  check(kHeaterAccessories[0], HeaterItemKind::Thermostat);
  check(kHeaterAccessories[1], HeaterItemKind::Thermostat);
  check(kHeaterAccessories[2], HeaterItemKind::Hygrostat);
  EXPECT_EQ(HeaterItem("TK-NO").kind, HeaterItemKind::Thermostat);
}

TEST(Catalogue, FansGrillesAndTheirAccessories) {
  std::map<std::string, const CatalogueItem *> items;
  ASSERT_EQ(kFanSizes.size(), std::size(kFanBands));
  for (std::size_t i = 0; i < kFanSizes.size(); ++i) {
    const FanSize &size = kFanSizes[i];
    const FanSizeRow &band = kFanBands[i];
    SCOPED_TRACE(band.fan_230v);
    EXPECT_EQ(size.min_air_flow, band.min_air_flow);
    EXPECT_EQ(size.max_air_flow, band.max_air_flow);
    EXPECT_STREQ(size.fan_230v.code, band.fan_230v);
    EXPECT_STREQ(size.fan_115v.code, band.fan_115v);
    EXPECT_STREQ(size.grille.code, band.grille);
    for (const CatalogueItem *item : {&size.fan_230v, &size.fan_115v, &size.grille}) {
      items[item->code] = item;
    }
  }
  std::vector<std::string> codes;
  for (const auto &[code, item] : items) codes.push_back(code);
  EXPECT_EQ(codes, SortedCodes(kFansAndGrilles));
  for (const Article &a : kFansAndGrilles) {
    SCOPED_TRACE(a.code);
    const auto it = items.find(a.code);
    ASSERT_NE(it, items.end());
    EXPECT_STREQ(it->second->name.ru, a.ru);
    EXPECT_STREQ(it->second->name.en, a.en);
  }

  for (const FanAccessoryRow &a : kFanAccessories) {
    SCOPED_TRACE(a.code);
    EXPECT_STREQ(HeaterItem(a.code).name.ru, a.name);
  }
  // Without a heater, in Russian, the list closes with the two fixed lines.
  FanFields window;
  window.PCOM_VENT = 245;
  const auto s = CreateSpecification(test_input::ForFan(30, 40), FanChoice{0, 0}, kRussian, window);
  ASSERT_TRUE(s.list_text);
  const std::string tail =
      std::string("\r\n") + kFanAccessories[0].line + "\r\n" + kFanAccessories[1].line;
  ASSERT_GE(s.list_text->size(), tail.size());
  EXPECT_EQ(s.list_text->substr(s.list_text->size() - tail.size()), tail);
}

TEST(Catalogue, CoolingUnits) {
  EXPECT_EQ(SortedCodes(kCoolingUnits), SortedCodes(kCoolers));
  for (const CoolingUnitRow &row : kCoolers) {
    SCOPED_TRACE(row.code);
    const CoolingUnit *unit = FindCoolingUnit(row.mounting, row.power_w, row.supply);
    ASSERT_NE(unit, nullptr);
    EXPECT_STREQ(unit->code, row.code);
    EXPECT_STREQ(unit->name.ru, row.ru);
    EXPECT_STREQ(unit->name.en, row.en);
  }
}

}  // namespace
}  // namespace climate::catalogue_test

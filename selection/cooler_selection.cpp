#include "selection/cooler_selection.h"

#include <utility>

#include "app/lang.h"
#include "selection/list_line.h"

namespace climate {
// clang-format off
const std::array<CoolingUnit, 26> kCoolingUnits{{
    {"CK-W0300-1", Mounting::Wall,  300, 1, {"Навесной кондиционер 300 Вт, 230В (1 фаза)",
                                             "Wall mount cooler 300 W, 230Vac (1 ph)"}},
    {"CK-W0300-2", Mounting::Wall,  300, 2, {"Навесной кондиционер 300 Вт, 400В (2 фазы)",
                                             "Wall mount cooler 300 W, 400Vac (2 ph)"}},
    {"CK-W0500-1", Mounting::Wall,  500, 1, {"Навесной кондиционер 500 Вт, 230В (1 фаза)",
                                             "Wall mount cooler 500 W, 230Vac (1 ph)"}},
    {"CK-W0500-2", Mounting::Wall,  500, 2, {"Навесной кондиционер 500 Вт, 400В (2 фазы)",
                                             "Wall mount cooler 500 W, 400Vac (2 ph)"}},
    {"CK-W0800-1", Mounting::Wall,  800, 1, {"Навесной кондиционер 800 Вт, 230В (1 фаза)",
                                             "Wall mount cooler 800 W, 230Vac (1 ph)"}},
    {"CK-W0800-2", Mounting::Wall,  800, 2, {"Навесной кондиционер 800 Вт, 400В (2 фазы)",
                                             "Wall mount cooler 800 W, 400Vac (2 ph)"}},
    {"CK-W1000-1", Mounting::Wall, 1000, 1, {"Навесной кондиционер 1000 Вт, 230В (1 фаза)",
                                             "Wall mount cooler 1000 W, 230Vac (1 ph)"}},
    {"CK-W1000-2", Mounting::Wall, 1000, 2, {"Навесной кондиционер 1000 Вт, 400В (2 фазы)",
                                             "Wall mount cooler 1000 W, 400Vac (2 ph)"}},
    {"CK-W1500-1", Mounting::Wall, 1500, 1, {"Навесной кондиционер 1500 Вт, 230В (1 фаза)",
                                             "Wall mount cooler 1500 W, 230Vac (1 ph)"}},
    {"CK-W1500-2", Mounting::Wall, 1500, 2, {"Навесной кондиционер 1500 Вт, 400В (2 фазы)",
                                             "Wall mount cooler 1500 W, 400Vac (2 ph)"}},
    {"CK-W1500-3", Mounting::Wall, 1500, 3, {"Навесной кондиционер 1500 Вт, 400/440В (3 фазы)",
                                             "Wall mount cooler 1500 W, 400/440Vac (3 ph)"}},
    {"CK-W2000-1", Mounting::Wall, 2000, 1, {"Навесной кондиционер 2000 Вт, 230В (1 фаза)",
                                             "Wall mount cooler 2000 W, 230Vac (1 ph)"}},
    {"CK-W2000-2", Mounting::Wall, 2000, 2, {"Навесной кондиционер 2000 Вт, 400В (2 фазы)",
                                             "Wall mount cooler 2000 W, 400Vac (2 ph)"}},
    {"CK-W2000-3", Mounting::Wall, 2000, 3, {"Навесной кондиционер 2000 Вт, 400/440В (3 фазы)",
                                             "Wall mount cooler 2000 W, 400/440Vac (3 ph)"}},
    {"CK-W3000-3", Mounting::Wall, 3000, 3, {"Навесной кондиционер 3000 Вт, 400/440В (3 фазы)",
                                             "Wall mount cooler 3000 W, 400/440Vac (3 ph)"}},
    {"CK-W4000-3", Mounting::Wall, 4000, 3, {"Навесной кондиционер 4000 Вт, 400/440В (3 фазы)",
                                             "Wall mount cooler 4000 W, 400/440Vac (3 ph)"}},
    {"CK-R1000-1", Mounting::Roof, 1000, 1, {"Потолочный кондиционер 1000 Вт, 230В (1 фаза)",
                                             "Roof mount cooler 1000 W, 230Vac (1 ph)"}},
    {"CK-R1000-2", Mounting::Roof, 1000, 2, {"Потолочный кондиционер 1000 Вт, 400В (2 фазы)",
                                             "Roof mount cooler 1000 W, 400Vac (2 ph)"}},
    {"CK-R1500-1", Mounting::Roof, 1500, 1, {"Потолочный кондиционер 1500 Вт, 230В (1 фаза)",
                                             "Roof mount cooler 1500 W, 230Vac (1 ph)"}},
    {"CK-R1500-2", Mounting::Roof, 1500, 2, {"Потолочный кондиционер 1500 Вт, 400В (2 фазы)",
                                             "Roof mount cooler 1500 W, 400Vac (2 ph)"}},
    {"CK-R1500-3", Mounting::Roof, 1500, 3, {"Потолочный кондиционер 1500 Вт, 400/440В (3 фазы)",
                                             "Roof mount cooler 1500 W, 400/440Vac (3 ph)"}},
    {"CK-R2000-1", Mounting::Roof, 2000, 1, {"Потолочный кондиционер 2000 Вт, 230В (1 фаза)",
                                             "Roof mount cooler 2000 W, 230Vac (1 ph)"}},
    {"CK-R2000-2", Mounting::Roof, 2000, 2, {"Потолочный кондиционер 2000 Вт, 400В (2 фазы)",
                                             "Roof mount cooler 2000 W, 400Vac (2 ph)"}},
    {"CK-R2000-3", Mounting::Roof, 2000, 3, {"Потолочный кондиционер 2000 Вт, 400/440В (3 фазы)",
                                             "Roof mount cooler 2000 W, 400/440Vac (3 ph)"}},
    {"CK-R3000-3", Mounting::Roof, 3000, 3, {"Потолочный кондиционер 3000 Вт, 400/440В (3 фазы)",
                                             "Roof mount cooler 3000 W, 400/440Vac (3 ph)"}},
    {"CK-R4000-3", Mounting::Roof, 4000, 3, {"Потолочный кондиционер 4000 Вт, 400/440В (3 фазы)",
                                             "Roof mount cooler 4000 W, 400/440Vac (3 ph)"}},
}};
// clang-format on

const std::array<CoolingBand, 8> kCoolingBands{{
    {0, 300, 300, 1000, kSupply230, kSupply400x2},
    {300, 500, 500, 1000, kSupply230, kSupply400x2},
    {500, 800, 800, 1000, kSupply230, kSupply400x2},
    {800, 1000, 1000, 1000, kSupply230, kSupply400x2},
    {1000, 1500, 1500, 1500, kSupply230, kSupply400x3},
    {1500, 2000, 2000, 2000, kSupply230, kSupply400x3},
    {2000, 3000, 3000, 3000, kSupply400x3, kSupply400x3},
    {3000, 4000, 4000, 4000, kSupply400x3, kSupply400x3},
}};

const CoolingBand *FindCoolingBand(float power_w) {
  const double p = power_w;
  for (const CoolingBand &band : kCoolingBands) {
    if (p > band.lower_w && p <= band.upper_w) return &band;
  }
  return nullptr;
}

const CoolingUnit *FindCoolingUnit(Mounting mounting, int power_w, int supply) {
  for (const CoolingUnit &unit : kCoolingUnits) {
    if (unit.mounting == mounting && unit.power_w == power_w && unit.supply == supply) {
      return &unit;
    }
  }
  return nullptr;
}

Mounting MountingOf(int mounting_index) {
  return mounting_index == 0 ? Mounting::Wall : Mounting::Roof;
}

int SupplyOf(const CoolingBand &band, int voltage_index) {
  const int offered = band.last_supply - band.first_supply + 1;
  if (voltage_index >= 0 && voltage_index < offered) return band.first_supply + voltage_index;
  return band.last_supply;
}

std::optional<std::vector<std::string>> VoltageItems(float PCOM_COOL, int32_t t_lang) {
  const CoolingBand *band = FindCoolingBand(PCOM_COOL);
  if (band == nullptr) return std::nullopt;

  std::vector<std::string> items;
  for (int supply = band->first_supply; supply <= band->last_supply; ++supply) {
    std::string text;
    SetText(t_lang, cool_texts::kVoltage[supply - 1], text);
    items.push_back(std::move(text));
  }
  return items;
}

void CoolerFields::ClearItems() {
  CoolerFields cleared;
  cleared.PCOM_COOL = PCOM_COOL;
  *this = cleared;
}

SelectionResult<CoolerFields> CreateSpecification(const BalanceFields &, const CoolerChoice &choice,
                                                  int32_t t_lang, const CoolerFields &previous) {
  SelectionResult<CoolerFields> out;
  out.fields = previous;
  out.listed = true;
  CoolerFields &f = out.fields;
  const CoolingUnit *unit = nullptr;
  const CoolingBand *band = FindCoolingBand(f.PCOM_COOL);
  if (band != nullptr) {
    const Mounting mounting = MountingOf(choice.mounting_index);
    const int power = mounting == Mounting::Wall ? band->wall_w : band->roof_w;
    unit = FindCoolingUnit(mounting, power, SupplyOf(*band, choice.voltage_index));
  }

  if (unit == nullptr) {
    // No unit of the range: the item fields are emptied, so that no report can list the
    // unit of an earlier create, and the list says that nothing fits the power.
    f.ClearItems();
    out.list_text = NoSolutionText(t_lang, cool_texts::kNoSolutionBefore, f.PCOM_COOL,
                                   cool_texts::kNoSolutionAfter);
    return out;
  }

  f.cool_code = unit->code;
  SetText(t_lang, unit->name, f.cool_name);
  f.cool_qnt = std::string(kOne);
  std::string unit_word;
  SetText(t_lang, kUnitWord, unit_word);
  if (!unit_word.empty()) {
    out.list_text = SpecificationLine(f.cool_code, f.cool_name, f.cool_qnt, unit_word);
  }
  return out;
}

}  // namespace climate

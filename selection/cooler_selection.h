// Cooling-unit selection (Qt-free): the catalogue of cooling units, the power bands that sort
// the required cooling power, and the create operation of the cooling window
// (selection/cool.*).
//
// Powers are 32-bit floats: the cooling power is evaluated in double precision from the
// stored floats and rounded to float when it is stored; the bands compare stored values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/lang.h"
#include "balance/heat_balance.h"
#include "selection/selection_result.h"

namespace climate {

enum class Mounting { Wall, Roof };

// Supply variants of the cooling units.
inline constexpr int kSupply230 = 1;    // 230 V, 1 phase
inline constexpr int kSupply400x2 = 2;  // 400 V, 2 phases
inline constexpr int kSupply400x3 = 3;  // 400/440 V, 3 phases

struct CoolingUnit {
  const char *code;
  Mounting mounting;
  int power_w;
  int supply;  // supply variant, 1 to 3
  Text name;
};

extern const std::array<CoolingUnit, 26> kCoolingUnits;

// A power band (lower_w, upper_w]: the unit power for each mounting and the supply variants
// on offer, first_supply to last_supply in this order.
struct CoolingBand {
  int lower_w;
  int upper_w;
  int wall_w;
  int roof_w;
  int first_supply;
  int last_supply;
};

// The bands in ascending order; they cover 0 < P ≤ 4000 W without gaps.
extern const std::array<CoolingBand, 8> kCoolingBands;

// The band holding `power_w`, or nullptr when there is none (no positive power, above
// 4000 W, or not a number).
const CoolingBand *FindCoolingBand(float power_w);

// The unit of the catalogue with this mounting, power and supply variant, or nullptr.
const CoolingUnit *FindCoolingUnit(Mounting mounting, int power_w, int supply);

// The mounting chosen by the index of the mounting list: 0 is wall, anything else,
// including no choice (-1), is roof.
Mounting MountingOf(int mounting_index);

// The supply variant chosen by the index of the voltage list of `band`: the variant of that
// item, or the band's last variant when no item of the band is chosen.
int SupplyOf(const CoolingBand &band, int voltage_index);

// The voltage items the window offers on activation for the band of `PCOM_COOL`, in the
// language of `t_lang` (empty texts for any other number); an empty optional when the power
// lies in no band and the list stays as it is.
std::optional<std::vector<std::string>> VoltageItems(float PCOM_COOL, int32_t t_lang);

// The choices of the cooling window, as list indexes (-1: none chosen).
struct CoolerChoice {
  int mounting_index = -1;
  int voltage_index = -1;
};

// The fields of the cooling window: the cooling power and the unit of the last create.
struct CoolerFields {
  float PCOM_COOL = 0;  // cooling power the unit must deliver, W
  std::string cool_name;
  std::string cool_qnt;
  std::string cool_code;

  // Forgets the unit of the last create; the cooling power stays.
  void ClearItems();
};

// The cooling window's create: the unit for the band of the cooling power (the window's
// PCOM_COOL), the mounting and the supply variant, and its line in the language `t_lang`. A
// power in no band empties the item fields and gives the no-solution text, so a unit of an
// earlier create is never listed for it.
SelectionResult<CoolerFields> CreateSpecification(const BalanceFields &balance,
                                                  const CoolerChoice &choice, int32_t t_lang,
                                                  const CoolerFields &previous);

}  // namespace climate

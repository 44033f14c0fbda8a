// Filter-fan selection (Qt-free): the heat that ventilation must carry out of the enclosure,
// the air flow it needs at the site's altitude, and the fan, outlet grille and accessories
// that deliver it. The fan window (selection/venti.*) drives it.
//
// Physical quantities are 32-bit floats: expressions are evaluated in double precision from
// the stored floats and rounded to float when stored; the band of a fan size is decided on
// the stored air flow.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/lang.h"
#include "balance/heat_balance.h"
#include "selection/accessories.h"
#include "selection/selection_result.h"

namespace climate {

// Air-flow factor of the site's altitude band, by the index of the altitude list: from
// 0-100 m up to 750-1000 m above sea level. With the heat in W and a temperature difference
// in K it gives the air flow in m³/h.
inline constexpr std::array<float, 5> kAltitudeFactors{3.1f, 3.2f, 3.3f, 3.4f, 3.5f};

// An article of the catalogue: its code and its name in both languages.
struct CatalogueItem {
  const char *code;
  Text name;
};

// One fan size: the band of air flow it serves, its fans for the two supply voltages and
// the outlet grille with filter that goes with either.
struct FanSize {
  float min_air_flow;  // m³/h, excluded from the band
  float max_air_flow;  // m³/h, included in the band; the larger rating of the fan
  CatalogueItem fan_230v;
  CatalogueItem fan_115v;
  CatalogueItem grille;
};

// The four sizes, by ascending air flow.
extern const std::array<FanSize, 4> kFanSizes;

// The size whose band holds `air_flow`, or nullptr when no size delivers it (above the
// largest size, or no flow at all).
const FanSize *FanSizeFor(float air_flow);

// The choices of the fan window, as list indexes (-1: none chosen).
struct FanChoice {
  int altitude = -1;  // index into kAltitudeFactors
  int voltage = -1;   // 0: 230 V; any other index, or none chosen: 115 V
};

// The fields of the fan window: the heat to carry out, the air flow of the last create and
// its items. Texts are UTF-8; quantities are texts ("1").
struct FanFields : AccessoryFields {
  float PCOM_VENT = 0;  // heat to carry out, W
  float F = 0;          // altitude factor of the last create
  float VFP = 0;        // required air flow, m³/h
  std::string vent_name;
  std::string vent_qnt;
  std::string vent_name_2;
  std::string vent_qnt_2;
  std::string vent_code;
  std::string vent_code_2;
  // The thermostat and the hygrostat: term_code ... gigro_qnt of AccessoryFields.
  std::string qnt_pv;  // unit word of the lines

  // Forgets the items of the last create; the heat, the air flow and the unit word stay.
  void ClearItems();
};

// The fan window's create: the air flow for the heat to carry out (the window's PCOM_VENT) at
// the chosen altitude, the fan and grille for it and, when no heater is part of the main
// window's balance, the thermostat and hygrostat, with the list's lines in the language
// `t_lang`; or the no-solution text when no size is large enough. Without an altitude nothing
// is computed, the list asks for one and shows no result.
SelectionResult<FanFields> CreateSpecification(const BalanceFields &balance,
                                               const FanChoice &choice, int32_t t_lang,
                                               const FanFields &previous);

}  // namespace climate

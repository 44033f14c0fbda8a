#include "selection/fan_selection.h"

#include "app/lang.h"
#include "balance/heat_balance.h"
#include "selection/heater_catalogue.h"
#include "selection/list_line.h"

namespace climate {

// The names are kept exactly as the articles are named, spelling and spacing included: most
// Russian fan names carry a Latin "c" and a double space before the unit.
const std::array<FanSize, 4> kFanSizes{{
    {0,
     15,
     {"FK-015-230",
      {"Вентилятор c решёткой и фильтром, 12/15  м3/час, 230В",
       "Fan filter, 12/15 m3/hour, 230Vac"}},
     {"FK-015-115",
      {"Вентилятор c решёткой и фильтром, 12/15  м3/час, 115В",
       "Fan filter, 12/15 m3/hour, 115Vac"}},
     {"GK-015",
      {"Вентиляционная решётка с фильтром, 106,5 x 106,5 мм", "Filter, 106,5 x 106,5 mm"}}},
    {15,
     50,
     {"FK-050-230",
      {"Вентилятор c решёткой и фильтром, 45/50  м3/час, 230В",
       "Fan filter, 45/50 m3/hour, 230Vac"}},
     {"FK-050-115",
      {"Вентилятор с  решёткой и фильтром, 45/50 м3/час, 115В",
       "Fan filter, 45/50 m3/hour, 115Vac"}},
     {"GK-050", {"Вентиляционная решётка с фильтром, 150 x 150 мм", "Filter, 150 x 150 mm"}}},
    {50,
     270,
     {"FK-270-230",
      {"Вентилятор c решёткой и фильтром, 230/270  м3/час, 230В",
       "Fan filter, 230/270 m3/hour, 230Vac"}},
     {"FK-270-115",
      {"Вентилятор c решёткой и фильтром, 230/270  м3/час, 115В",
       "Fan filter, 230/270 m3/hour, 115Vac"}},
     {"GK-270", {"Вентиляционная решётка с фильтром, 250 x 250 мм", "Filter, 250 x 250 mm"}}},
    {270,
     580,
     {"FK-580-230",
      {"Вентилятор c решёткой и фильтром, 520/580  м3/час, 230В",
       "Fan filter, 520/580 m3/hour, 230Vac"}},
     {"FK-580-115",
      {"Вентилятор c решёткой и фильтром, 520/580 м3/час, 115В",
       "Fan filter, 520/580 m3/hour, 115Vac"}},
     {"GK-580", {"Вентиляционная решётка с фильтром, 325 x 325 мм", "Filter, 325 x 325 mm"}}},
}};

const FanSize *FanSizeFor(float air_flow) {
  for (const FanSize &size : kFanSizes) {
    if (air_flow > size.min_air_flow && air_flow <= size.max_air_flow) return &size;
  }
  return nullptr;
}

void FanFields::ClearItems() {
  FanFields cleared;
  cleared.PCOM_VENT = PCOM_VENT;
  cleared.F = F;
  cleared.VFP = VFP;
  cleared.qnt_pv = qnt_pv;
  *this = cleared;
}

SelectionResult<FanFields> CreateSpecification(const BalanceFields &balance,
                                               const FanChoice &choice, int32_t t_lang,
                                               const FanFields &previous) {
  SelectionResult<FanFields> result;
  result.fields = previous;
  FanFields &f = result.fields;

  // The air flow depends on the altitude: without one there is nothing to compute.
  if (choice.altitude < 0 || choice.altitude >= static_cast<int>(kAltitudeFactors.size())) {
    SetText(t_lang, vent_texts::kChooseAltitude,
            [&result](const char *s) { result.list_text = s; });
    return result;
  }
  result.listed = true;

  f.F = kAltitudeFactors[static_cast<std::size_t>(choice.altitude)];
  f.VFP = static_cast<float>(static_cast<double>(f.F) * f.PCOM_VENT /
                             (static_cast<double>(balance.TENMAX) - balance.TEMAX));
  SetText(t_lang, kUnitWord, f.qnt_pv);

  // Without a heater the fan alone keeps the climate, switched by a thermostat and a
  // hygrostat.
  const bool accessories = balance.heat <= 0;
  const FanSize *size = FanSizeFor(f.VFP);
  if (size == nullptr) {
    // No size delivers this flow. The fan, the grille and, without a heater, the accessories
    // are emptied, so that no report can list the items of an earlier create.
    if (accessories) {
      f.ClearItems();
    } else {
      for (std::string *field : {&f.vent_code, &f.vent_name, &f.vent_qnt, &f.vent_code_2,
                                 &f.vent_name_2, &f.vent_qnt_2}) {
        field->clear();
      }
    }
    result.list_text =
        NoSolutionText(t_lang, vent_texts::kNoSolutionPrefix, f.VFP, vent_texts::kNoSolutionSuffix);
    return result;
  }

  const CatalogueItem &fan = choice.voltage == 0 ? size->fan_230v : size->fan_115v;
  f.vent_code = fan.code;
  SetText(t_lang, fan.name, f.vent_name);
  f.vent_qnt = std::string(kOne);
  f.vent_code_2 = size->grille.code;
  SetText(t_lang, size->grille.name, f.vent_name_2);
  f.vent_qnt_2 = std::string(kOne);
  if (accessories) {
    const HeaterCatalogueItem &term = HeaterItem("TK-NO");
    const HeaterCatalogueItem &gigro = HeaterItem("HG-CO");
    f.term_code = term.code;
    SetText(t_lang, term.name, f.term_name);
    f.term_qnt = std::string(kOne);
    f.gigro_code = gigro.code;
    SetText(t_lang, gigro.name, f.gigro_name);
    f.gigro_qnt = std::string(kOne);
  }

  // The names and the unit word exist for the two languages only; for another language
  // number the list keeps its text.
  if (t_lang != kRussian && t_lang != kEnglish) return result;
  std::string text = SpecificationLine(f.vent_code, f.vent_name, f.vent_qnt, f.qnt_pv);
  text += "\r\n" + SpecificationLine(f.vent_code_2, f.vent_name_2, f.vent_qnt_2, f.qnt_pv);
  if (accessories) {
    text += "\r\n" + SpecificationLine(f.term_code, f.term_name, f.term_qnt, f.qnt_pv);
    text += "\r\n" + SpecificationLine(f.gigro_code, f.gigro_name, f.gigro_qnt, f.qnt_pv);
  }
  result.list_text = std::move(text);
  return result;
}

}  // namespace climate

#include "selection/fan_selection.h"

#include "app/lang.h"
#include "balance/heat_balance.h"
#include "balance/numbers.h"

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

// The English thermostat name writes the degree sign as a Cyrillic "С", like the other
// thermostats of the range.
const CatalogueItem kFanThermostat{
    "TK-NO",
    {"Термостат, диапазон -10 ~ +80 градусов С, контакт NO (нормально открытый)",
     "Termostat, range -10 ~ +80\u0421, NO"}};
const CatalogueItem kFanHygrostat{"HG-CO", {"Гигростат, перекидной контакт", "Gigrostat, NO/NC"}};

const FanSize *FanSizeFor(float air_flow) {
  for (const FanSize &size : kFanSizes) {
    if (air_flow > size.min_air_flow && air_flow <= size.max_air_flow) return &size;
  }
  return nullptr;
}

float HeatToCarryOut(float PHG, float K, float S, float TEMAX, float TENMAX) {
  return HeatSurplus(PHG, K, S, TEMAX, TENMAX);
}

namespace {

inline constexpr const char *kOne = "1";

// One line of the list: code, name, quantity and unit word.
std::string Line(const std::string &code, const std::string &name, const std::string &qnt,
                 const std::string &unit) {
  return code + " - " + name + " x " + qnt + " " + unit;
}

// Appends a line to a list text, after a line break.
void AddLine(std::string &text, const std::string &line) {
  text += "\r\n";
  text += line;
}

// The name of `item` in the language `t_lang`, or nothing for another language number.
std::optional<std::string> NameIn(int32_t t_lang, const CatalogueItem &item) {
  std::optional<std::string> name;
  SetText(t_lang, item.name, [&name](const char *s) { name = s; });
  return name;
}

}  // namespace

FanSpecification CreateFanSpecification(const FanRequest &request) {
  FanSpecification result;
  const int32_t t_lang = request.t_lang;

  // The air flow depends on the altitude: without one there is nothing to compute.
  if (request.altitude < 0 || request.altitude >= static_cast<int>(kAltitudeFactors.size())) {
    SetText(t_lang, vent_texts::kChooseAltitude,
            [&result](const char *s) { result.list_text = s; });
    return result;
  }
  result.export_enabled = true;

  FanFields &f = result.fields;
  const float F = kAltitudeFactors[static_cast<std::size_t>(request.altitude)];
  f.F = F;
  const float VFP = static_cast<float>(static_cast<double>(F) * request.PCOM_VENT /
                                       (static_cast<double>(request.TENMAX) - request.TEMAX));
  f.VFP = VFP;

  std::optional<std::string> unit;
  SetText(t_lang, vent_texts::kUnit, [&unit](const char *s) { unit = s; });
  f.qnt_pv = unit;

  const FanSize *size = FanSizeFor(VFP);
  if (size == nullptr) {
    // No size delivers this flow. The fan, the grille and, without a heater, the accessories
    // are emptied, so that no report can list the items of an earlier create.
    for (auto *field :
         {&f.vent_code, &f.vent_name, &f.vent_qnt, &f.vent_code_2, &f.vent_name_2, &f.vent_qnt_2}) {
      field->emplace();
    }
    if (request.heat <= 0) {
      for (auto *field :
           {&f.term_code, &f.term_name, &f.term_qnt, &f.gigro_code, &f.gigro_name, &f.gigro_qnt}) {
        field->emplace();
      }
    }
    SetText(t_lang, vent_texts::kNoSolutionPrefix, [&](const char *prefix) {
      std::string text = prefix;
      text += RoundHalfEven(VFP);
      SetText(t_lang, vent_texts::kNoSolutionSuffix, [&text](const char *s) { text += s; });
      result.list_text = std::move(text);
    });
    return result;
  }

  const CatalogueItem &fan = request.voltage == 0 ? size->fan_230v : size->fan_115v;
  f.vent_code = fan.code;
  f.vent_name = NameIn(t_lang, fan);
  f.vent_qnt = kOne;
  f.vent_code_2 = size->grille.code;
  f.vent_name_2 = NameIn(t_lang, size->grille);
  f.vent_qnt_2 = kOne;

  // Without a heater the fan alone keeps the climate, switched by a thermostat and a
  // hygrostat.
  const bool accessories = request.heat <= 0;
  if (accessories) {
    f.term_code = kFanThermostat.code;
    f.term_name = NameIn(t_lang, kFanThermostat);
    f.term_qnt = kOne;
    f.gigro_code = kFanHygrostat.code;
    f.gigro_name = NameIn(t_lang, kFanHygrostat);
    f.gigro_qnt = kOne;
  }

  // The names and the unit word exist for the two languages only; for another language
  // number the list keeps its text.
  if (!unit) return result;
  std::string text = Line(*f.vent_code, *f.vent_name, *f.vent_qnt, *unit);
  AddLine(text, Line(*f.vent_code_2, *f.vent_name_2, *f.vent_qnt_2, *unit));
  if (accessories) {
    AddLine(text, Line(*f.term_code, *f.term_name, *f.term_qnt, *unit));
    AddLine(text, Line(*f.gigro_code, *f.gigro_name, *f.gigro_qnt, *unit));
  }
  result.list_text = std::move(text);
  return result;
}

}  // namespace climate

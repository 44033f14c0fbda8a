#include "selection/heater_selection.h"

#include <array>
#include <utility>

#include "app/lang.h"
#include "selection/heater_catalogue.h"
#include "selection/list_line.h"

namespace climate {
namespace {

// One choice of a band: the heater model and its quantity, and a second model (quantity 1)
// where one model alone would not be enough.
struct Pick {
  const char *code;
  const char *qnt;
  const char *code_2 = nullptr;
};

// A power band: from the upper limit of the band before it (excluded; 0 for the first) up
// to `upper` (included). Up to 800 W the compact option decides, above it the option of a
// built-in thermostat.
struct Band {
  float upper;
  Pick plain;
  Pick option;
};

constexpr float kLargestBand = 2000;
constexpr float kOptionLimit = 800;  // above it the thermostat option decides

constexpr std::array<Band, 16> kBands{{
    {5, {"HK-S015", "1"}, {"HK-C005", "1"}},
    {15, {"HK-S015", "1"}, {"HK-C015", "1"}},
    {30, {"HK-S030", "1"}, {"HK-C030", "1"}},
    {45, {"HK-T045", "1"}, {"HK-F075", "1"}},
    {60, {"HK-T060", "1"}, {"HK-F075", "1"}},
    {80, {"HK-T080", "1"}, {"HK-F075", "1"}},
    {100, {"HK-T100", "1"}, {"HK-F100", "1"}},
    {150, {"HK-TS150", "1"}, {"HK-F150", "1"}},
    {250, {"HK-V250", "1"}, {"HK-F230", "1"}},
    // No compact model goes above 300 W.
    {300, {"HK-V400", "1"}, {"HK-F300", "1"}},
    {400, {"HK-V400", "1"}, {"HK-V400", "1"}},
    {600, {"HK-V400", "1", "HK-V250"}, {"HK-F300", "2"}},
    {800, {"HK-V400", "2"}, {"HK-F300", "3"}},
    {1200, {"HK-P1200", "1"}, {"HK-P1200T", "1"}},
    {1500, {"HK-P1500", "1"}, {"HK-P1500T", "1"}},
    {kLargestBand, {"HK-P2000", "1"}, {"HK-P2000T", "1"}},
}};

// The band of a power within (0, kLargestBand].
const Band &BandOf(float power) {
  for (const Band &band : kBands) {
    if (power <= band.upper) return band;
  }
  return kBands.back();
}

}  // namespace

void HeaterFields::ClearItems() {
  HeaterFields cleared;
  cleared.PCOM_HEAT = PCOM_HEAT;
  cleared.qnt_p = qnt_p;
  *this = cleared;
}

SelectionResult<HeaterFields> CreateSpecification(const BalanceFields &balance,
                                                  const HeaterChoice &choice, int32_t lang,
                                                  const HeaterFields &previous) {
  SelectionResult<HeaterFields> result;
  HeaterFields &f = result.fields;
  f = previous;

  f.heat_name.clear();
  f.heat_qnt.clear();
  f.heat_name_2.clear();
  f.heat_qnt_2.clear();

  // Accessories: the hygrostat always; the changeover thermostat when a fan works with the
  // heater, the normally closed one otherwise.
  const bool with_fan = balance.vent != 0;
  const HeaterCatalogueItem &gigro = HeaterItem("HG-CO");
  f.gigro_code = gigro.code;
  SetText(lang, gigro.name, f.gigro_name);
  f.gigro_qnt = std::string(kOne);
  const HeaterCatalogueItem &term = HeaterItem(with_fan ? "TK-CO" : "TK-NC");
  f.term_code = term.code;
  SetText(lang, term.name, f.term_name);
  f.term_qnt = std::string(kOne);

  const float power = RequiredHeatingPower(balance, choice.mode);
  f.PCOM_HEAT = power;

  const bool found = power > 0 && power <= kLargestBand;
  if (found) {
    const Band &band = BandOf(power);
    const bool option = power > kOptionLimit ? choice.termo : choice.compact;
    const Pick &pick = option ? band.option : band.plain;
    const HeaterCatalogueItem &heater = HeaterItem(pick.code);
    f.heat_code = heater.code;
    SetText(lang, heater.name, f.heat_name);
    f.heat_qnt = std::string(pick.qnt);
    f.q_mem = 1;
    if (pick.code_2 != nullptr) {
      const HeaterCatalogueItem &second = HeaterItem(pick.code_2);
      f.heat_code_2 = second.code;
      SetText(lang, second.name, f.heat_name_2);
      f.heat_qnt_2 = std::string(kOne);
      f.q_mem = 2;
    }
  } else if (with_fan) {
    // No heater: nothing of an earlier selection may remain for the reports. With a fan the
    // thermostat and hygrostat stay, since the fan takes its thermostat from this window;
    // without one they would switch nothing.
    f.heat_code.clear();
    f.heat_code_2.clear();
    f.q_mem = 0;
  } else {
    f.ClearItems();
  }

  SetText(lang, kUnitWord, f.qnt_p);

  auto line = [&f](const std::string &code, const std::string &name, const std::string &qnt) {
    return SpecificationLine(code, name, qnt, f.qnt_p);
  };
  const std::string heater_line = line(f.heat_code, f.heat_name, f.heat_qnt);
  const std::string accessory_lines = line(f.term_code, f.term_name, f.term_qnt) + "\r\n" +
                                      line(f.gigro_code, f.gigro_name, f.gigro_qnt);
  std::string text;
  if (power > kLargestBand) {
    text = NoSolutionText(lang, heat_texts::kNoSolutionPrefix, power, heat_texts::kNoSolutionSuffix)
               .value_or("");
  } else if (!found) {
    SetText(lang, heat_texts::kNoPowerRequired, text);
  } else if (f.q_mem == 2) {
    text = heater_line + "\r\n" + line(f.heat_code_2, f.heat_name_2, f.heat_qnt_2) + "\r\n" +
           accessory_lines;
  } else if (power > kOptionLimit && choice.termo) {
    // The heater's own thermostat does the work: no accessories.
    text = heater_line + "\r\n";
  } else {
    text = heater_line + "\r\n" + accessory_lines;
  }
  result.list_text = std::move(text);
  result.listed = true;
  return result;
}

}  // namespace climate

#include "balance/heat_balance.h"

#include <utility>

#include "app/lang.h"
#include "balance/number_text.h"

namespace climate {

const std::array<std::array<int, 10>, 16> kDewPointTable{{
    {8, 19, 26, 32, 36, 40, 43, 45, 48, 50},
    {4, 15, 22, 27, 32, 36, 38, 41, 43, 45},
    {1, 11, 18, 23, 27, 30, 33, 36, 38, 40},
    {-2, 8, 14, 18, 21, 25, 28, 31, 33, 35},
    {-6, 3, 10, 14, 18, 21, 24, 26, 28, 30},
    {-8, 0, 5, 10, 13, 16, 19, 21, 23, 25},
    {-12, -4, 1, 5, 9, 12, 14, 16, 18, 20},
    {-16, -7, -3, 1, 4, 7, 9, 11, 13, 15},
    {-19, -11, -7, -3, 0, 1, 4, 6, 8, 10},
    {-23, -15, -11, -7, -5, -2, 0, 2, 3, 5},
    {-26, -19, -14, -11, -8, -6, -4, -3, -2, 0},
    {-29, -22, -18, -15, -13, -11, -8, -7, -6, -5},
    {-34, -26, -22, -19, -17, -15, -13, -11, -11, -10},
    {-37, -30, -26, -23, -21, -19, -17, -16, -15, -15},
    {-42, -35, -32, -29, -27, -25, -24, -22, -21, -20},
    {-45, -40, -36, -34, -32, -30, -29, -27, -26, -25},
}};

float EffectiveSurface(int installation, int32_t height_mm, int32_t width_mm, int32_t depth_mm) {
  // Millimetres to metres, each stored as a float.
  const double H = static_cast<float>(height_mm / 1000.0);
  const double W = static_cast<float>(width_mm / 1000.0);
  const double D = static_cast<float>(depth_mm / 1000.0);
  double s = 0;
  switch (installation) {
    case 0:  // free on all sides
      s = 1.8 * H * (W + D) + 1.4 * W * D;
      break;
    case 1:  // against a wall
      s = 1.4 * W * (H + D) + 1.8 * D * H;
      break;
    case 2:  // first or last of a row
      s = 1.4 * D * (H + W) + 1.8 * W * H;
      break;
    case 3:  // in a corner
      s = 1.4 * H * (W + D) + 1.4 * W * D;
      break;
    case 4:  // middle of a row
      s = 1.8 * W * H + 1.4 * W * D + D * H;
      break;
    case 5:  // in a niche
      s = 1.4 * W * (H + D) + D * H;
      break;
    case 6:  // in a niche, closed on top
      s = 1.4 * W * H + 0.7 * W * D + D * H;
      break;
    default:
      break;
  }
  return static_cast<float>(s);
}

float TransferCoefficient(int material) {
  switch (material) {
    case 0:  // steel
      return 5.5f;
    case 1:  // stainless steel
      return 4.5f;
    case 2:  // polycarbonate
      return 2.8f;
    default:
      return 0.0f;
  }
}

float HeatSurplus(const BalanceFields &b) {
  const double walls = static_cast<double>(b.K) * b.S * (static_cast<double>(b.TENMAX) - b.TEMAX);
  return static_cast<float>(b.PHG - walls);
}

float RequiredHeatingPower(const BalanceFields &b, int mode) {
  const double losses = static_cast<double>(b.K) * static_cast<double>(b.S) *
                        (static_cast<double>(b.TENMIN) - static_cast<double>(b.TEMIN));
  if (mode == 0) return static_cast<float>(losses - static_cast<double>(b.PHG));
  return static_cast<float>(losses);
}

Slot SlotOf(Equipment kind, const BalanceFields &b) {
  return kind == Equipment::Heater || b.heat <= 0 ? Slot::First : Slot::Second;
}

std::optional<Equipment> EquipmentIn(Slot slot, const BalanceFields &b) {
  const std::pair<Equipment, bool> needed[] = {{Equipment::Heater, b.heat > 0},
                                               {Equipment::Fan, b.vent == 1},
                                               {Equipment::Cooler, b.cooler == 1}};
  for (const auto &[kind, is_needed] : needed) {
    if (is_needed && SlotOf(kind, b) == slot) return kind;
  }
  return std::nullopt;
}

float InsideWithoutEquipment(float PHG, float K, float S, float ambient) {
  const double rise = static_cast<double>(PHG) / (static_cast<double>(K) * S);
  return static_cast<float>(rise + ambient);
}

HeatBalance ComputeBalance(const EnclosureInput &in) {
  HeatBalance b;
  b.S = EffectiveSurface(in.installation, in.height_mm, in.width_mm, in.depth_mm);
  b.PHG = static_cast<float>(in.dissipation_w);
  b.TEMAX = static_cast<float>(kAmbientMaxItems.at(in.ambient_max));
  b.TEMIN = static_cast<float>(kAmbientMinItems.at(in.ambient_min));
  b.TENMAX = static_cast<float>(kInsideMaxItems.at(in.inside_max));
  b.TENMIN = static_cast<float>(kInsideMinItems.at(in.inside_min));
  b.dew_point = static_cast<float>(kDewPointTable.at(in.ambient_max).at(in.humidity));
  b.K = TransferCoefficient(in.material);

  // Condensation: the inside minimum is raised to the dew point where the maximum allows.
  if (b.TENMIN < b.dew_point) {
    if (b.dew_point < b.TENMAX) b.TENMIN = b.dew_point;
    b.status_dew = ShortestDecimal(b.TENMIN) + " " + ShortestDecimal(b.dew_point);
  }

  b.hot_case = InsideWithoutEquipment(b.PHG, b.K, b.S, b.TEMAX);
  b.cold_case = InsideWithoutEquipment(b.PHG, b.K, b.S, b.TEMIN);

  b.no_equipment = b.TENMIN <= b.cold_case && b.TENMAX >= b.hot_case;
  b.no_solution = b.TENMAX < 30 && b.TEMAX >= b.TENMAX && b.TENMIN <= b.cold_case;
  if (b.TENMIN > b.cold_case) b.heat = 1;
  if (b.TENMAX < b.hot_case) {
    if (static_cast<double>(b.TENMAX) - b.TEMAX >= 5) b.vent = 1;
    if (static_cast<double>(b.TEMAX) - b.TENMAX > 0 && b.TENMAX >= 30) b.cooler = 1;
  }
  return b;
}

SuggestionPlan PlanSuggestions(const HeatBalance &b, int32_t t_lang) {
  namespace T = main_texts;
  SuggestionPlan p;
  auto text = [t_lang](const Text &t) {
    std::optional<std::string> out;
    SetText(t_lang, t, [&out](const char *s) { out = s; });
    return out;
  };
  // A text is written only when the language has one; otherwise the label keeps its text.
  auto set = [](std::optional<std::string> &label, const std::optional<std::string> &value) {
    if (value) label = value;
  };

  if (b.no_equipment) {
    p.image2 = {Fill::White, kPicNoEquipment, true};
    p.image3 = {Fill::Background, -1, true};
    set(p.name_p1, text(T::kNoEquipment));
  }
  if (b.no_solution) {
    p.name_p1 = "";
    p.name_p2 = "";
    p.status_alarm = T::kNoSolution;
  }
  if (b.heat == 1) {
    p.image2 = {Fill::Background, kPicHeaters, true};
    set(p.name_p1, text(T::kChooseHeater));
    p.name_p2 = "";
  }
  auto suggest_cooling = [&](Equipment kind, int picture, const Text &label) {
    if (SlotOf(kind, b) == Slot::First) {
      p.image2 = {Fill::Background, picture, true};
      set(p.name_p1, text(label));
      p.name_p2 = "";
    } else {
      p.image3 = {Fill::Background, picture, true};
      set(p.name_p2, text(label));
    }
  };
  if (b.vent == 1) suggest_cooling(Equipment::Fan, kPicFan, T::kChooseFan);
  if (b.cooler == 1) suggest_cooling(Equipment::Cooler, kPicRoofCooler, T::kChooseCooler);
  return p;
}

std::optional<std::string> MissingInputsMessage(const std::vector<std::string> &missing_captions,
                                                int32_t t_lang) {
  if (missing_captions.empty()) return std::nullopt;
  std::string list;
  for (const auto &caption : missing_captions) {
    list += "\r";
    list += main_texts::kMissingMarker;
    list += caption;
  }
  std::string message;
  SetText(t_lang, main_texts::kMissingPrefix, [&](const char *prefix) { message = prefix + list; });
  return message;
}

}  // namespace climate

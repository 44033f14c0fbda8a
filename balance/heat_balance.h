// Heat balance of one enclosure and the decision on its climate equipment (Qt-free). The
// main window (balance/aervik.*) reads its inputs and shows the decision.
//
// All physical quantities are stored as 32-bit floats. Every expression is evaluated in
// double precision from the stored floats and the constants, and rounded to float when it
// is stored; every decision compares stored values (or the difference of two of them).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace climate {

// Item values of the main window's number lists, in list order.
inline constexpr std::array<int, 16> kAmbientMaxItems{50, 45, 40, 35, 30,  25,  20,  15,
                                                      10, 5,  0,  -5, -10, -15, -20, -25};
inline constexpr std::array<int, 17> kAmbientMinItems{30,  25,  20,  15,  10,  5,   0,   -5, -10,
                                                      -15, -20, -25, -30, -35, -40, -45, -50};
inline constexpr std::array<int, 10> kHumidityItems{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
inline constexpr std::array<int, 7> kInsideMaxItems{10, 15, 20, 25, 30, 35, 40};
inline constexpr std::array<int, 12> kInsideMinItems{0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55};

inline constexpr int kMaterialCount = 3;
inline constexpr int kInstallationCount = 7;

// Dew point of the ambient air in whole degrees Celsius, by the row of the maximum ambient
// temperature and the column of the relative humidity.
extern const std::array<std::array<int, 10>, 16> kDewPointTable;

// The main window's inputs, as list indexes and numeric field values. A complete set has
// every index within its list.
struct EnclosureInput {
  int32_t height_mm = 0;
  int32_t width_mm = 0;
  int32_t depth_mm = 0;
  int material = -1;
  int installation = -1;
  int32_t dissipation_w = 0;
  int ambient_max = -1;  // index into kAmbientMaxItems; row of the dew-point table
  int ambient_min = -1;  // index into kAmbientMinItems
  int humidity = -1;     // index into kHumidityItems; column of the dew-point table
  int inside_max = -1;   // index into kInsideMaxItems
  int inside_min = -1;   // index into kInsideMinItems
};

// Effective surface in m² for the installation index, from the dimensions in millimetres.
float EffectiveSurface(int installation, int32_t height_mm, int32_t width_mm, int32_t depth_mm);

// Heat-transfer coefficient of the wall in W/(m²·K) by material index.
float TransferCoefficient(int material);

// What the select button writes on the main window: the heat balance and the counters of
// the equipment needed. The heater export later raises `heat` (1 suggested, 2 exported).
struct BalanceFields {
  float K = 0;         // heat-transfer coefficient of the wall, W/(m²·K)
  float S = 0;         // effective surface, m²
  float PHG = 0;       // heat dissipated inside, W
  float TEMAX = 0;     // maximum ambient temperature, °C
  float TEMIN = 0;     // minimum ambient temperature, °C
  float TENMAX = 0;    // maximum inside temperature, °C
  float TENMIN = 0;    // minimum inside temperature, °C, raised to the dew point where allowed
  int32_t heat = 0;    // 1 when a heater is needed
  int32_t vent = 0;    // 1 when a fan is needed
  int32_t cooler = 0;  // 1 when a cooling unit is needed
};

// The whole calculation: the fields above and the values behind the decision.
struct HeatBalance : BalanceFields {
  float dew_point = 0;
  float hot_case = 0;   // inside temperature without equipment at the maximum ambient
  float cold_case = 0;  // inside temperature without equipment at the minimum ambient
  // Text for the dew-point label when the minimum inside temperature lies below the dew
  // point; empty optional when the label keeps its text.
  std::optional<std::string> status_dew;
  // Outcomes of the four decision tests, in the order they run.
  bool no_equipment = false;
  bool no_solution = false;
};

// Heat in W that a fan or a cooling unit must take out of the enclosure: the dissipation
// less what the walls give off at the maximum inside temperature against the maximum
// ambient (with an ambient above the inside maximum, plus what flows in through them).
float HeatSurplus(const BalanceFields &balance);

// Required heating power in W: the losses through the walls at the minimum temperatures, less
// the heat dissipated inside when the equipment runs constantly (mode 0).
float RequiredHeatingPower(const BalanceFields &balance, int mode);

// The kinds of climate equipment, and the two places of the main window that suggest them.
enum class Equipment { Heater, Fan, Cooler };
enum class Slot { First, Second };

// The place a kind of equipment takes: a heater is always the first suggestion; a fan or a
// cooling unit is the second exactly when a heater is part of the solution (heat > 0).
Slot SlotOf(Equipment kind, const BalanceFields &balance);

// The kind of equipment the balance's counters put in `slot`, if any.
std::optional<Equipment> EquipmentIn(Slot slot, const BalanceFields &balance);

// Temperature in °C the inside of the enclosure reaches without climate equipment at the
// ambient temperature `ambient`: the dissipation raises it by PHG / (K · S).
float InsideWithoutEquipment(float PHG, float K, float S, float ambient);

// Computes the balance of a complete input whose effective surface is not zero.
HeatBalance ComputeBalance(const EnclosureInput &in);

// How the main window's two suggestion slots change after a calculation.
enum class Fill { None, White, Background };

struct SlotPlan {
  Fill fill = Fill::None;  // colour the box is filled with before drawing, if any
  int picture = -1;        // picture of the equipment list drawn over the fill, -1 none
  bool show = false;       // the box is made visible (otherwise its visibility stays)
};

struct SuggestionPlan {
  SlotPlan image2;
  SlotPlan image3;
  std::optional<std::string> name_p1;  // empty optional: the label keeps its text
  std::optional<std::string> name_p2;
  std::string status_alarm;
};

// Equipment pictures of the main window's list.
enum EquipmentPicture : int {
  kPicNoEquipment = 0,
  kPicWallCooler = 1,
  kPicRoofCooler = 2,
  kPicFan = 3,
  kPicHeaters = 4,
  kPicHeatersDone = 5,
  kPicCoolerDone = 6,
  kPicFanDone = 7,
};

// Turns the decision into the suggestions, with texts in the language `t_lang`.
SuggestionPlan PlanSuggestions(const HeatBalance &balance, int32_t t_lang);

// The message listing missing inputs, or an empty optional when nothing is missing.
// `missing_captions` holds the caption of each missing input in the order of the inputs.
std::optional<std::string> MissingInputsMessage(const std::vector<std::string> &missing_captions,
                                                int32_t t_lang);

}  // namespace climate

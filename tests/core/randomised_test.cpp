// Randomised checks of the computation. Many thousands of random and extreme enclosures go
// through the heat balance and, wherever the main window would offer it, through the heater,
// fan and cooling-unit selection; dense sweeps of the required power and air flow check that
// a larger demand never gets a smaller choice.
//
// The sequence is fixed so that a failure replays: the seed is printed, and AERVIK_SEED=<n>
// runs another sequence.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/lang.h"
#include "balance/heat_balance.h"
#include "selection/cooler_selection.h"
#include "selection/fan_selection.h"
#include "selection/heater_catalogue.h"
#include "selection/heater_selection.h"
#include "tests/core/builders.h"

namespace climate::randomised_test {
namespace {

constexpr uint32_t kDefaultSeed = 20240611;

uint32_t Seed() {
  static const uint32_t seed = [] {
    const char *text = std::getenv("AERVIK_SEED");
    const uint32_t value =
        text != nullptr ? static_cast<uint32_t>(std::strtoul(text, nullptr, 10)) : kDefaultSeed;
    std::printf("[   SEED   ] %u (AERVIK_SEED=<n> runs another sequence)\n", value);
    return value;
  }();
  return seed;
}

// Random draws. The engine gives the same numbers with every standard library, its
// distributions do not, so the draws reduce the engine's output themselves.
class Draw {
 public:
  explicit Draw(uint32_t seed) : engine_(seed) {}

  // 0 to n - 1.
  int Below(std::size_t n) { return static_cast<int>(engine_() % static_cast<uint32_t>(n)); }
  bool Coin() { return Below(2) == 1; }
  // lo to hi.
  float Between(float lo, float hi) {
    const double unit = static_cast<double>(engine_()) / 4294967295.0;
    return static_cast<float>(lo + (static_cast<double>(hi) - lo) * unit);
  }
  // A numeric field of the main window, 0 to 9999. The extremes and small values come often:
  // they give zero and tiny surfaces and temperature rises of millions of degrees. So do the
  // values of real enclosures, where most selections find an item.
  int32_t Field() {
    static constexpr std::array<int32_t, 5> kExtremes{0, 1, 2, 9998, 9999};
    switch (Below(5)) {
      case 0:
        return kExtremes[static_cast<std::size_t>(Below(kExtremes.size()))];
      case 1:
        return Below(21);
      case 2:
        return 100 + Below(2401);
      default:
        return Below(10000);
    }
  }

 private:
  std::mt19937 engine_;
};

EnclosureInput RandomEnclosure(Draw &draw) {
  EnclosureInput in;
  in.height_mm = draw.Field();
  in.width_mm = draw.Field();
  in.depth_mm = draw.Field();
  in.material = draw.Below(kMaterialCount);
  in.installation = draw.Below(kInstallationCount);
  in.dissipation_w = draw.Field();
  in.ambient_max = draw.Below(kAmbientMaxItems.size());
  in.ambient_min = draw.Below(kAmbientMinItems.size());
  in.humidity = draw.Below(kHumidityItems.size());
  in.inside_max = draw.Below(kInsideMaxItems.size());
  in.inside_min = draw.Below(kInsideMinItems.size());
  return in;
}

std::string Describe(const EnclosureInput &in) {
  std::ostringstream out;
  out << in.height_mm << " x " << in.width_mm << " x " << in.depth_mm << " mm, material "
      << in.material << ", installation " << in.installation << ", " << in.dissipation_w
      << " W, list indexes: ambient max " << in.ambient_max << " min " << in.ambient_min
      << ", humidity " << in.humidity << ", inside max " << in.inside_max << " min "
      << in.inside_min;
  return out.str();
}

testing::AssertionResult Finite(std::initializer_list<std::pair<const char *, float>> fields) {
  for (const auto &[name, value] : fields) {
    if (!std::isfinite(value)) return testing::AssertionFailure() << name << " = " << value;
  }
  return testing::AssertionSuccess();
}

// A list text that shows a number which is not one.
testing::AssertionResult ShowsNoBrokenNumber(const std::string &text) {
  for (const char *broken : {"nan", "NaN", "inf", "INF"}) {
    if (text.find(broken) != std::string::npos) {
      return testing::AssertionFailure() << "list text shows " << broken << ": " << text;
    }
  }
  return testing::AssertionSuccess();
}

bool IsHeaterCatalogueItem(const std::string &code, HeaterItemKind kind) {
  for (const HeaterCatalogueItem &item : HeaterCatalogue()) {
    if (code == item.code) return item.kind == kind;
  }
  return false;
}

// Rated power of a heater in W, as its names state it ("P=400W"); 0 when a name lacks it
// or the two names disagree.
int RatedPower(std::string_view code) {
  auto watts = [](std::string_view name) {
    const std::size_t at = name.find("P=");
    if (at == std::string_view::npos) return 0;
    return std::atoi(std::string(name.substr(at + 2)).c_str());
  };
  const HeaterCatalogueItem &item = HeaterItem(code);
  const int ru = watts(item.name.ru);
  return ru == watts(item.name.en) ? ru : 0;
}

int Quantity(const std::string &qnt) {
  if (qnt == "1") return 1;
  if (qnt == "2") return 2;
  if (qnt == "3") return 3;
  return 0;
}

// Total rated power of the heaters a selection lists.
int TotalRatedPower(const HeaterFields &items) {
  int total = RatedPower(items.heat_code) * Quantity(items.heat_qnt);
  if (items.q_mem == 2) total += RatedPower(items.heat_code_2) * Quantity(items.heat_qnt_2);
  return total;
}

// The fan size whose fan has `code` in the voltage column of `voltage_index`, or nullptr.
const FanSize *SizeOfFan(const std::string &code, int voltage_index) {
  for (const FanSize &size : kFanSizes) {
    if (code == (voltage_index == 0 ? size.fan_230v : size.fan_115v).code) return &size;
  }
  return nullptr;
}

float LargestFanFlow() {
  return kFanSizes.back().max_air_flow;
}

// The cooling unit of the catalogue with this article code, or nullptr.
const CoolingUnit *UnitOf(const std::string &code) {
  for (const CoolingUnit &unit : kCoolingUnits) {
    if (code == unit.code) return &unit;
  }
  return nullptr;
}

// Counts of what the random enclosures reached, so that the run is known to cover every
// list index and every kind of outcome.
struct Coverage {
  std::array<int, kMaterialCount> material{};
  std::array<int, kInstallationCount> installation{};
  std::array<int, kAmbientMaxItems.size()> ambient_max{};
  std::array<int, kAmbientMinItems.size()> ambient_min{};
  std::array<int, kHumidityItems.size()> humidity{};
  std::array<int, kInsideMaxItems.size()> inside_max{};
  std::array<int, kInsideMinItems.size()> inside_min{};
  int zero_surface = 0, no_equipment = 0, no_solution = 0;
  int heaters = 0, heaters_too_large = 0, fans = 0, fans_too_large = 0, coolers = 0,
      coolers_too_large = 0;

  void Count(const EnclosureInput &in) {
    ++material[static_cast<std::size_t>(in.material)];
    ++installation[static_cast<std::size_t>(in.installation)];
    ++ambient_max[static_cast<std::size_t>(in.ambient_max)];
    ++ambient_min[static_cast<std::size_t>(in.ambient_min)];
    ++humidity[static_cast<std::size_t>(in.humidity)];
    ++inside_max[static_cast<std::size_t>(in.inside_max)];
    ++inside_min[static_cast<std::size_t>(in.inside_min)];
  }
};

template <std::size_t N>
testing::AssertionResult EveryIndexReached(const char *list, const std::array<int, N> &counts) {
  for (std::size_t i = 0; i < N; ++i) {
    if (counts[i] == 0) return testing::AssertionFailure() << list << " index " << i;
  }
  return testing::AssertionSuccess();
}

// The heater window: a random mode, options and language, starting from the fields the window
// holds from the enclosures before.
void CheckHeater(Draw &draw, const HeatBalance &b, const std::string &where, HeaterFields &window,
                 Coverage &seen) {
  HeaterChoice choice;
  choice.mode = draw.Below(2);
  choice.compact = draw.Coin();
  choice.termo = draw.Coin();
  const int32_t lang = draw.Coin() ? kRussian : kEnglish;
  const auto h = CreateSpecification(b, choice, lang, window);
  window = h.fields;
  const HeaterFields &f = h.fields;
  const float power = h.fields.PCOM_HEAT;
  ++seen.heaters;

  ASSERT_TRUE(Finite({{"PCOM_HEAT", power}, {"q_mem", f.q_mem}})) << where;
  EXPECT_TRUE(ShowsNoBrokenNumber(h.list_text.value_or(""))) << where;
  // Accessories go with a heater, or with a fan that takes its thermostat from this window.
  if (!f.heat_code.empty() || b.vent != 0) {
    EXPECT_TRUE(IsHeaterCatalogueItem(f.term_code, HeaterItemKind::Thermostat)) << where;
    EXPECT_TRUE(IsHeaterCatalogueItem(f.gigro_code, HeaterItemKind::Hygrostat)) << where;
  } else {
    EXPECT_EQ(f.term_code + f.term_name + f.term_qnt + f.gigro_code + f.gigro_name + f.gigro_qnt,
              "")
        << power << " W; " << where;
  }
  if (power > 0 && power <= 2000) {
    EXPECT_TRUE(IsHeaterCatalogueItem(f.heat_code, HeaterItemKind::Heater))
        << "'" << f.heat_code << "' for " << power << " W; " << where;
    EXPECT_GT(Quantity(f.heat_qnt), 0) << "'" << f.heat_qnt << "'; " << where;
    EXPECT_TRUE(f.q_mem == 1 || f.q_mem == 2) << f.q_mem << "; " << where;
    if (f.q_mem == 2) {
      EXPECT_TRUE(IsHeaterCatalogueItem(f.heat_code_2, HeaterItemKind::Heater))
          << "'" << f.heat_code_2 << "'; " << where;
    }
  } else {
    if (power > 2000) ++seen.heaters_too_large;
    EXPECT_EQ(f.heat_code, "") << power << " W; " << where;
    EXPECT_EQ(f.q_mem, 0) << power << " W; " << where;
  }
}

// The fan window: a random altitude (or none) and voltage (or none); a heater may be part of
// the solution and may already be exported.
void CheckFan(Draw &draw, const HeatBalance &b, const std::string &where, FanFields &window,
              Coverage &seen) {
  BalanceFields balance = b;
  balance.heat = b.heat == 0 ? 0 : 1 + draw.Below(2);
  FanChoice r;
  r.altitude = draw.Below(kAltitudeFactors.size() + 1) - 1;
  r.voltage = draw.Below(3) - 1;
  const int32_t lang = draw.Coin() ? kRussian : kEnglish;
  ++seen.fans;

  // The fan is offered only when ventilation has heat to carry out.
  window.PCOM_VENT = HeatSurplus(b);
  ASSERT_TRUE(Finite({{"PCOM_VENT", window.PCOM_VENT}})) << where;
  EXPECT_GT(window.PCOM_VENT, 0) << where;

  const auto s = CreateSpecification(balance, r, lang, window);
  window = s.fields;
  if (s.list_text) {
    EXPECT_TRUE(ShowsNoBrokenNumber(*s.list_text)) << where;
  }
  if (r.altitude < 0) {
    EXPECT_FALSE(s.listed) << where;
    return;
  }
  const float flow = s.fields.VFP;
  ASSERT_TRUE(Finite({{"F", s.fields.F}, {"VFP", flow}})) << where;
  EXPECT_GT(flow, 0) << where;

  const FanSize *size = SizeOfFan(window.vent_code, r.voltage);
  if (flow > LargestFanFlow()) {
    ++seen.fans_too_large;
    EXPECT_EQ(window.vent_code, "") << flow << " m3/h; " << where;
    EXPECT_EQ(window.vent_code_2, "") << flow << " m3/h; " << where;
    return;
  }
  ASSERT_NE(size, nullptr) << "fan '" << window.vent_code << "' of voltage index " << r.voltage
                           << " for " << flow << " m3/h; " << where;
  EXPECT_EQ(window.vent_code_2, size->grille.code) << where;
  EXPECT_TRUE(flow > size->min_air_flow && flow <= size->max_air_flow)
      << window.vent_code << " for " << flow << " m3/h; " << where;
  if (balance.heat == 0) {
    EXPECT_EQ(window.term_code, "TK-NO") << where;
    EXPECT_EQ(window.gigro_code, "HG-CO") << where;
  }
}

// The cooling window: a random mounting and voltage item, or none chosen.
void CheckCooler(Draw &draw, const HeatBalance &b, const std::string &where, Coverage &seen) {
  const int32_t lang = draw.Coin() ? kRussian : kEnglish;
  CoolerFields window;
  window.PCOM_COOL = HeatSurplus(b);
  const float power = window.PCOM_COOL;
  const auto voltage_items = VoltageItems(power, lang);
  ++seen.coolers;
  ASSERT_TRUE(Finite({{"PCOM_COOL", power}})) << where;
  EXPECT_GT(power, 0) << where;

  const int items = voltage_items ? static_cast<int>(voltage_items->size()) : 3;
  const int mounting = draw.Below(3) - 1;
  const int voltage = draw.Below(static_cast<std::size_t>(items) + 1) - 1;
  const auto c = CreateSpecification(b, {mounting, voltage}, lang, window);
  const CoolingUnit *unit = UnitOf(c.fields.cool_code);
  if (c.list_text) {
    EXPECT_TRUE(ShowsNoBrokenNumber(*c.list_text)) << where;
  }

  const CoolingBand *band = FindCoolingBand(power);
  if (power > 4000) {
    ++seen.coolers_too_large;
    EXPECT_EQ(band, nullptr) << power << " W; " << where;
    EXPECT_FALSE(voltage_items) << power << " W; " << where;
    EXPECT_EQ(c.fields.cool_code, "") << where;
    return;
  }
  ASSERT_NE(band, nullptr) << power << " W; " << where;
  ASSERT_TRUE(unit) << "'" << c.fields.cool_code << "' for " << power << " W; " << where;
  EXPECT_EQ(unit->mounting, MountingOf(mounting)) << unit->code << "; " << where;
  EXPECT_GE(unit->power_w, power) << unit->code << "; " << where;
  EXPECT_TRUE(unit->supply >= band->first_supply && unit->supply <= band->last_supply)
      << unit->code << " for " << power << " W; " << where;
  ASSERT_TRUE(voltage_items) << power << " W; " << where;
  EXPECT_EQ(static_cast<int>(voltage_items->size()), band->last_supply - band->first_supply + 1)
      << power << " W; " << where;
}

// Every enclosure runs through the select button's balance, then through each selection
// window that its decision opens, the way the user can drive that window. The selection
// windows keep their fields from one enclosure to the next, as they do in the program.
TEST(RandomEnclosures, StayFiniteAndSelectOnlyFromTheCatalogues) {
  SCOPED_TRACE(testing::Message() << "seed " << Seed());
  Draw draw(Seed());
  Coverage seen;
  HeaterFields heater_window;
  FanFields fan_window;
  constexpr int kEnclosures = 40000;

  for (int i = 0; i < kEnclosures && !HasFailure(); ++i) {
    const EnclosureInput in = RandomEnclosure(draw);
    seen.Count(in);
    const std::string where = "enclosure " + std::to_string(i) + ": " + Describe(in);

    // The surface vanishes exactly when two dimensions are 0; the main window refuses such
    // input before calculating.
    const float surface = EffectiveSurface(in.installation, in.height_mm, in.width_mm, in.depth_mm);
    const int zero_dimensions = (in.height_mm == 0) + (in.width_mm == 0) + (in.depth_mm == 0);
    ASSERT_TRUE(Finite({{"S", surface}})) << where;
    ASSERT_EQ(surface == 0, zero_dimensions >= 2) << surface << " m2; " << where;
    ASSERT_GE(surface, 0) << where;
    if (surface == 0) {
      ++seen.zero_surface;
      continue;
    }

    const HeatBalance b = ComputeBalance(in);
    ASSERT_TRUE(Finite({{"K", b.K},
                        {"S", b.S},
                        {"PHG", b.PHG},
                        {"TEMAX", b.TEMAX},
                        {"TEMIN", b.TEMIN},
                        {"TENMAX", b.TENMAX},
                        {"TENMIN", b.TENMIN},
                        {"dew point", b.dew_point},
                        {"hot case", b.hot_case},
                        {"cold case", b.cold_case}}))
        << where;
    // The main window has two suggestion slots: a heater, and a fan or a cooling unit.
    ASSERT_TRUE(b.heat == 0 || b.heat == 1) << where;
    ASSERT_TRUE(b.vent == 0 || b.vent == 1) << where;
    ASSERT_TRUE(b.cooler == 0 || b.cooler == 1) << where;
    ASSERT_FALSE(b.vent == 1 && b.cooler == 1) << where;
    if (b.no_equipment) {
      ++seen.no_equipment;
      ASSERT_EQ(b.heat + b.vent + b.cooler, 0) << where;
    }
    if (b.no_solution) ++seen.no_solution;

    if (b.heat == 1) CheckHeater(draw, b, where, heater_window, seen);
    if (b.vent == 1) CheckFan(draw, b, where, fan_window, seen);
    if (b.cooler == 1) CheckCooler(draw, b, where, seen);
  }

  std::printf(
      "[   SEEN   ] %d enclosures: %d with zero surface, %d needing nothing, %d without "
      "solution; heater window %d (%d above the range), fan window %d (%d above), cooling "
      "window %d (%d above)\n",
      kEnclosures, seen.zero_surface, seen.no_equipment, seen.no_solution, seen.heaters,
      seen.heaters_too_large, seen.fans, seen.fans_too_large, seen.coolers, seen.coolers_too_large);
  if (HasFailure()) return;
  EXPECT_TRUE(EveryIndexReached("material", seen.material));
  EXPECT_TRUE(EveryIndexReached("installation", seen.installation));
  EXPECT_TRUE(EveryIndexReached("ambient maximum", seen.ambient_max));
  EXPECT_TRUE(EveryIndexReached("ambient minimum", seen.ambient_min));
  EXPECT_TRUE(EveryIndexReached("humidity", seen.humidity));
  EXPECT_TRUE(EveryIndexReached("inside maximum", seen.inside_max));
  EXPECT_TRUE(EveryIndexReached("inside minimum", seen.inside_min));
  // Each outcome, within and above the range, was reached many times.
  for (int count : {seen.zero_surface, seen.no_equipment, seen.no_solution, seen.heaters,
                    seen.heaters_too_large, seen.fans, seen.fans_too_large, seen.coolers,
                    seen.coolers_too_large}) {
    EXPECT_GE(count, 50);
  }
}

// Required values for a sweep: random ones over the whole range and beyond, every band
// limit with its neighbouring floats, and the extremes. Sorted ascending.
std::vector<float> Sweep(Draw &draw, float lo, float hi, std::initializer_list<float> limits,
                         int random_count) {
  std::vector<float> values;
  for (int i = 0; i < random_count; ++i) values.push_back(draw.Between(lo, hi));
  for (float limit : limits) {
    float below = limit;
    float above = limit;
    values.push_back(limit);
    for (int step = 0; step < 3; ++step) {
      below = std::nextafter(below, -std::numeric_limits<float>::infinity());
      above = std::nextafter(above, std::numeric_limits<float>::infinity());
      values.push_back(below);
      values.push_back(above);
    }
  }
  for (float extreme : {0.0f, -0.0f, std::numeric_limits<float>::denorm_min(),
                        std::numeric_limits<float>::max(), -std::numeric_limits<float>::max()}) {
    values.push_back(extreme);
  }
  std::sort(values.begin(), values.end());
  return values;
}

// The order of the outcomes as the required power grows: no heater required, heaters, no
// heater of the range large enough.
int Stage(const HeaterFields &f) {
  if (!f.heat_code.empty()) return 1;
  return f.PCOM_HEAT > 0 ? 2 : 0;
}

// What grows with the required heating power is the total rated power of the heaters chosen;
// the model itself does not. With the compact option 300 to 400 W takes one 400 W heater and
// 400 to 600 W two 300 W ones, and the kind of heater changes from band to band.
TEST(RandomSweeps, HeatersNeverGetSmallerWhenTheRequiredPowerGrows) {
  for (const HeaterCatalogueItem &item : HeaterCatalogue()) {
    if (item.kind == HeaterItemKind::Heater) {
      ASSERT_GT(RatedPower(item.code), 0) << item.code;
    }
  }
  SCOPED_TRACE(testing::Message() << "seed " << Seed());
  Draw draw(Seed());
  const std::vector<float> powers =
      Sweep(draw, -100, 2200,
            {0, 5, 15, 30, 45, 60, 80, 100, 150, 250, 300, 400, 600, 800, 1200, 1500, 2000}, 6000);

  for (const bool compact : {false, true}) {
    for (const bool termo : {false, true}) {
      SCOPED_TRACE(testing::Message() << "compact " << compact << ", termo " << termo);
      HeaterFields window;
      int last_rated = 0;
      float last_power = -std::numeric_limits<float>::infinity();
      int last_stage = 0;
      for (const float required : powers) {
        // Periodic mode, K = S = 1 and TEMIN = 0 make the required power exactly `required`.
        const auto h =
            CreateSpecification(test_input::ForHeatingPower(required), {1, compact, termo},
                                draw.Coin() ? kRussian : kEnglish, window);
        window = h.fields;
        ASSERT_EQ(h.fields.PCOM_HEAT, required);

        // No heater up to 0 W, heaters up to the largest band, no solution above it.
        ASSERT_GE(Stage(h.fields), last_stage) << required << " W after " << last_power << " W";
        if (Stage(h.fields) == 1) {
          const int rated = TotalRatedPower(h.fields);
          ASSERT_GT(rated, 0) << h.fields.heat_code << " for " << required << " W";
          ASSERT_GE(rated, last_rated)
              << h.fields.heat_code << " x " << h.fields.heat_qnt << " for " << required
              << " W after " << last_rated << " W for " << last_power << " W";
          last_rated = rated;
        }
        last_stage = Stage(h.fields);
        last_power = required;
      }
      EXPECT_EQ(last_stage, 2);
      EXPECT_EQ(last_rated, 2000);
    }
  }
}

// For a fixed supply voltage the fan size grows with the air flow, and the air flow with the
// heat to carry out, at every altitude and temperature difference the window can meet.
TEST(RandomSweeps, FansNeverGetSmallerWhenTheAirFlowGrows) {
  SCOPED_TRACE(testing::Message() << "seed " << Seed());
  Draw draw(Seed());
  for (int altitude = 0; altitude < static_cast<int>(kAltitudeFactors.size()); ++altitude) {
    const float factor = kAltitudeFactors[static_cast<std::size_t>(altitude)];
    for (const float difference : {5.0f, 15.0f, 65.0f}) {
      // The heat at which each band's limit is reached.
      auto heat_for = [&](float flow) { return flow * difference / factor; };
      const std::vector<float> heats =
          Sweep(draw, -10, heat_for(700),
                {heat_for(15), heat_for(50), heat_for(270), heat_for(580)}, 1500);
      for (const int voltage : {-1, 0, 1}) {
        SCOPED_TRACE(testing::Message() << "altitude index " << altitude << ", difference "
                                        << difference << " K, voltage index " << voltage);
        float last_flow = -std::numeric_limits<float>::infinity();
        int last_size = -1;
        bool beyond = false;
        for (const float heat : heats) {
          FanFields window;
          window.PCOM_VENT = heat;
          const auto s = CreateSpecification(test_input::ForFan(20, 20 + difference),
                                             {altitude, voltage}, kRussian, window);
          const float flow = s.fields.VFP;
          ASSERT_FALSE(std::isnan(flow)) << heat << " W";
          ASSERT_GE(flow, last_flow) << heat << " W";
          last_flow = flow;
          if (flow <= 0) {
            ASSERT_EQ(last_size, -1) << flow << " m3/h";
            continue;
          }
          const FanSize *size =
              s.fields.vent_code.empty() ? nullptr : SizeOfFan(s.fields.vent_code, voltage);
          if (size == nullptr) {
            // No size large enough: from here on there is none.
            ASSERT_GT(flow, LargestFanFlow()) << heat << " W";
            beyond = true;
            continue;
          }
          ASSERT_FALSE(beyond) << s.fields.vent_code << " for " << flow << " m3/h";
          ASSERT_GE(size->max_air_flow, flow) << s.fields.vent_code;
          const int index = static_cast<int>(size - kFanSizes.data());
          ASSERT_GE(index, last_size) << s.fields.vent_code << " for " << flow << " m3/h";
          last_size = index;
        }
        EXPECT_EQ(last_size, static_cast<int>(kFanSizes.size()) - 1);
        EXPECT_TRUE(beyond);
      }
    }
  }
}

// For a fixed mounting and voltage item the unit's power grows with the cooling power, every
// power of the range finds a unit of that mounting which delivers it, and none above.
TEST(RandomSweeps, CoolingUnitsNeverGetSmallerWhenTheCoolingPowerGrows) {
  SCOPED_TRACE(testing::Message() << "seed " << Seed());
  Draw draw(Seed());
  const std::vector<float> powers =
      Sweep(draw, -100, 4500, {0, 300, 500, 800, 1000, 1500, 2000, 3000, 4000}, 6000);
  for (const int mounting : {-1, 0, 1}) {
    for (const int voltage : {-1, 0, 1, 2}) {
      SCOPED_TRACE(testing::Message()
                   << "mounting index " << mounting << ", voltage index " << voltage);
      int last_power = 0;
      bool beyond = false;
      for (const float required : powers) {
        CoolerFields window;
        window.PCOM_COOL = required;
        const auto c = CreateSpecification({}, {mounting, voltage}, kRussian, window);
        const CoolingUnit *unit = UnitOf(c.fields.cool_code);
        if (required <= 0 || required > 4000) {
          ASSERT_EQ(c.fields.cool_code, "") << required << " W";
          beyond = required > 0;
          continue;
        }
        ASSERT_TRUE(unit) << "'" << c.fields.cool_code << "' for " << required << " W";
        ASSERT_FALSE(beyond);
        ASSERT_EQ(unit->mounting, MountingOf(mounting)) << unit->code;
        ASSERT_GE(unit->power_w, required) << unit->code;
        ASSERT_GE(unit->power_w, last_power)
            << unit->code << " for " << required << " W after a " << last_power << " W unit";
        last_power = unit->power_w;
      }
      EXPECT_EQ(last_power, 4000);
      EXPECT_TRUE(beyond);
    }
  }
}

}  // namespace
}  // namespace climate::randomised_test

#include "balance/heat_balance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "app/lang.h"
#include "balance/numbers.h"
#include "tests/core/case_names.h"

namespace climate {
namespace {

int IndexOf(const auto &items, int value) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == value) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no list item " << value;
  return -1;
}

// An input given by values, as the user would read them off the lists.
EnclosureInput Input(int h, int w, int d, int material, int installation, int phg, int temax,
                     int temin, int humidity, int tenmax, int tenmin) {
  EnclosureInput in;
  in.height_mm = h;
  in.width_mm = w;
  in.depth_mm = d;
  in.material = material;
  in.installation = installation;
  in.dissipation_w = phg;
  in.ambient_max = IndexOf(kAmbientMaxItems, temax);
  in.ambient_min = IndexOf(kAmbientMinItems, temin);
  in.humidity = IndexOf(kHumidityItems, humidity);
  in.inside_max = IndexOf(kInsideMaxItems, tenmax);
  in.inside_min = IndexOf(kInsideMinItems, tenmin);
  return in;
}

TEST(HeatBalance, HeaterAndFanWithDewPointCorrection) {
  const HeatBalance b = ComputeBalance(Input(2000, 800, 600, 0, 0, 500, 35, -5, 50, 40, 10));
  EXPECT_NEAR(b.S, 5.712, 1e-5);
  EXPECT_FLOAT_EQ(b.K, 5.5f);
  EXPECT_NEAR(b.hot_case, 50.92, 0.01);
  EXPECT_NEAR(b.cold_case, 10.92, 0.01);
  EXPECT_EQ(b.dew_point, 21.0f);
  EXPECT_EQ(b.TENMIN, 21.0f);
  EXPECT_EQ(b.status_dew, "21 21");
  EXPECT_EQ(b.heat, 1);
  EXPECT_EQ(b.vent, 1);
  EXPECT_EQ(b.cooler, 0);
  EXPECT_FALSE(b.no_equipment);
  EXPECT_FALSE(b.no_solution);

  const SuggestionPlan p = PlanSuggestions(b, kRussian);
  EXPECT_EQ(p.image2.picture, kPicHeaters);
  EXPECT_EQ(p.image3.picture, kPicFan);
  EXPECT_EQ(p.name_p1, "Выбрать обогреватель");
  EXPECT_EQ(p.name_p2, "Выбрать вентилятор");
  EXPECT_EQ(p.status_alarm, "");
}

TEST(HeatBalance, CoolingUnitWhenDewPointIsNotBelowMaximum) {
  const HeatBalance b = ComputeBalance(Input(2000, 600, 500, 0, 1, 800, 45, 5, 60, 35, 20));
  EXPECT_FLOAT_EQ(b.S, 3.9f);
  EXPECT_NEAR(b.hot_case, 82.30, 0.01);
  EXPECT_NEAR(b.cold_case, 42.30, 0.01);
  EXPECT_EQ(b.TENMIN, 20.0f);
  EXPECT_EQ(b.status_dew, "20 36");
  EXPECT_EQ(b.heat, 0);
  EXPECT_EQ(b.vent, 0);
  EXPECT_EQ(b.cooler, 1);

  const SuggestionPlan p = PlanSuggestions(b, kRussian);
  EXPECT_EQ(p.image2.picture, kPicRoofCooler);
  EXPECT_EQ(p.image2.fill, Fill::Background);
  EXPECT_TRUE(p.image2.show);
  EXPECT_EQ(p.image3.picture, -1);
  EXPECT_FALSE(p.image3.show);
  EXPECT_EQ(p.name_p1, "Выбрать кондиционер");
  EXPECT_EQ(p.name_p2, "");
}

TEST(HeatBalance, NoEquipmentNeeded) {
  const HeatBalance b = ComputeBalance(Input(2000, 800, 600, 0, 0, 100, 20, 10, 10, 40, 5));
  EXPECT_NEAR(b.hot_case, 23.18, 0.01);
  EXPECT_NEAR(b.cold_case, 13.18, 0.01);
  EXPECT_EQ(b.TENMIN, 5.0f);
  EXPECT_FALSE(b.status_dew);
  EXPECT_TRUE(b.no_equipment);
  EXPECT_EQ(b.heat + b.vent + b.cooler, 0);

  const SuggestionPlan p = PlanSuggestions(b, kRussian);
  EXPECT_EQ(p.image2.fill, Fill::White);
  EXPECT_EQ(p.image2.picture, kPicNoEquipment);
  EXPECT_TRUE(p.image2.show);
  EXPECT_EQ(p.image3.fill, Fill::Background);
  EXPECT_EQ(p.image3.picture, -1);
  EXPECT_TRUE(p.image3.show);
  EXPECT_EQ(p.name_p1, "оборудование микроклимата\rне требуется!!");
  EXPECT_FALSE(p.name_p2);
}

// Boundaries of the decision, each with the counters and flags it must give.
struct DecisionCase {
  const char *what;
  EnclosureInput in;
  int heat, vent, cooler;
  bool no_equipment, no_solution;
};

void PrintTo(const DecisionCase &c, std::ostream *os) {
  *os << c.what;
}

class Decision : public testing::TestWithParam<DecisionCase> {};

TEST_P(Decision, Counters) {
  const DecisionCase &c = GetParam();
  const HeatBalance b = ComputeBalance(c.in);
  EXPECT_EQ(b.heat, c.heat) << c.what;
  EXPECT_EQ(b.vent, c.vent) << c.what;
  EXPECT_EQ(b.cooler, c.cooler) << c.what;
  EXPECT_EQ(b.no_equipment, c.no_equipment) << c.what;
  EXPECT_EQ(b.no_solution, c.no_solution) << c.what;
}

// 1 m × 1 m × 1 m steel, free-standing: S = 1.8·2 + 1.4 = 5 m², K·S = 27.5 W/K.
// 2750 W gives a rise of exactly 100 K.
INSTANTIATE_TEST_SUITE_P(
    , Decision,
    testing::Values(
        DecisionCase{"fan at exactly 5 K", Input(1000, 1000, 1000, 0, 0, 2750, 35, 30, 10, 40, 0),
                     0, 1, 0, false, false},
        DecisionCase{"cooling at TENMAX 30 and TEMAX 35",
                     Input(1000, 1000, 1000, 0, 0, 2750, 35, 30, 10, 30, 0), 0, 0, 1, false, false},
        DecisionCase{"TENMAX 25 below TEMAX 35: no solution",
                     Input(1000, 1000, 1000, 0, 0, 2750, 35, 30, 10, 25, 0), 0, 0, 0, false, true},
        DecisionCase{"TENMAX 25 below TEMAX 35 with heating: heater only",
                     Input(1000, 1000, 1000, 0, 0, 2750, 35, -50, 10, 25, 55), 1, 0, 0, false,
                     false},
        DecisionCase{"TEMAX equal to TENMAX never cools",
                     Input(1000, 1000, 1000, 0, 0, 2750, 35, 30, 10, 35, 0), 0, 0, 0, false, false},
        DecisionCase{"TEMAX equal to TENMAX below 30: no solution",
                     Input(1000, 1000, 1000, 0, 0, 2750, 25, 25, 10, 25, 0), 0, 0, 0, false, true},
        DecisionCase{"PHG 0 with TENMIN equal to TEMIN needs no heating",
                     Input(1000, 1000, 1000, 0, 0, 0, 40, 10, 10, 40, 10), 0, 0, 0, true, false},
        DecisionCase{"PHG 0 with TENMAX = TEMAX < 30: both no-equipment and no-solution",
                     Input(1000, 1000, 1000, 0, 0, 0, 25, 10, 10, 25, 10), 0, 0, 0, true, true},
        DecisionCase{"inside maximum below inside minimum is still calculated",
                     Input(1000, 1000, 1000, 0, 0, 0, 10, -50, 10, 10, 30), 1, 0, 0, false, false}),
    testing_names::ByWhat());

TEST(HeatBalance, DewPointEqualToMaximumKeepsMinimumButWritesLabel) {
  // Row 35 °C, 100 % humidity: dew point 35, equal to the inside maximum.
  const HeatBalance b = ComputeBalance(Input(1000, 1000, 1000, 0, 0, 0, 35, 30, 100, 35, 10));
  EXPECT_EQ(b.TENMIN, 10.0f);
  EXPECT_EQ(b.status_dew, "10 35");
}

TEST(HeatBalance, DewPointEqualToMinimumChangesNothing) {
  // Ambient maximum 20 °C at 100 %: dew point 20, equal to the inside minimum.
  const HeatBalance b = ComputeBalance(Input(1000, 1000, 1000, 0, 0, 0, 20, 10, 100, 40, 20));
  EXPECT_EQ(b.TENMIN, 20.0f);
  EXPECT_FALSE(b.status_dew);
}

TEST(HeatBalance, SurfaceByInstallation) {
  // H = 2 m, W = 1 m, D = 0.5 m.
  const double expected[kInstallationCount] = {6.1, 5.3, 5.7, 4.9, 5.3, 4.5, 4.15};
  for (int i = 0; i < kInstallationCount; ++i) {
    EXPECT_NEAR(EffectiveSurface(i, 2000, 1000, 500), expected[i], 1e-6) << "installation " << i;
  }
  EXPECT_EQ(EffectiveSurface(0, 0, 0, 600), 0.0f);
  EXPECT_GT(EffectiveSurface(6, 0, 1, 1), 0.0f);
}

TEST(HeatBalance, CoefficientByMaterial) {
  EXPECT_EQ(TransferCoefficient(0), 5.5f);
  EXPECT_EQ(TransferCoefficient(1), 4.5f);
  EXPECT_EQ(TransferCoefficient(2), 2.8f);
}

TEST(HeatBalance, StoredValuesAreFloats) {
  // 2.8 is not exact in binary: the coefficient is the float nearest 2.8, and the surface is
  // the product of float dimensions rounded to float.
  const HeatBalance b = ComputeBalance(Input(333, 777, 999, 2, 3, 1234, 30, -20, 70, 35, 15));
  EXPECT_EQ(b.K, static_cast<float>(2.8));
  const double H = 0.333f, W = 0.777f, D = 0.999f;
  EXPECT_EQ(b.S, static_cast<float>(1.4 * H * (W + D) + 1.4 * W * D));
  EXPECT_EQ(b.hot_case, static_cast<float>(1234.0 / (double{b.K} * b.S) + 30));
}

TEST(SuggestionTexts, EnglishAndOtherLanguageNumbers) {
  HeatBalance b;
  b.heat = 1;
  b.vent = 1;
  SuggestionPlan en = PlanSuggestions(b, kEnglish);
  EXPECT_EQ(en.name_p1, "Choose heater");
  EXPECT_EQ(en.name_p2, "Choose fan");
  // A language number other than 1 and 2 writes no suggestion text, but still empties.
  b.vent = 0;
  SuggestionPlan none = PlanSuggestions(b, 0);
  EXPECT_FALSE(none.name_p1);
  EXPECT_EQ(none.name_p2, "");
}

TEST(MissingInputs, ListsCaptionsInOrder) {
  EXPECT_FALSE(MissingInputsMessage({}, kRussian));
  EXPECT_EQ(MissingInputsMessage({"Глубина (Г, мм):", "Ср. относ-я влаж-ть (%):"}, kRussian),
            "Не заполненно поле: \r---> Глубина (Г, мм):\r---> Ср. относ-я влаж-ть (%):");
  EXPECT_EQ(MissingInputsMessage({"Depth (D, mm):"}, kEnglish),
            "Please, choosing: \r---> Depth (D, mm):");
}

TEST(Numbers, RoundHalfEvenAndShortest) {
  EXPECT_EQ(RoundHalfEven(612.5f), "612");
  EXPECT_EQ(RoundHalfEven(613.5f), "614");
  EXPECT_EQ(RoundHalfEven(2500.5f), "2500");
  EXPECT_EQ(RoundHalfEven(4000.5f), "4000");
  EXPECT_EQ(RoundHalfEven(-0.4f), "0");
  EXPECT_EQ(ShortestDecimal(21.0f), "21");
  EXPECT_EQ(ShortestDecimal(-12.0f), "-12");
  EXPECT_EQ(ShortestDecimal(20.5f), "20.5");
}

}  // namespace
}  // namespace climate

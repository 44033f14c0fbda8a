#include "balance/heat_balance.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <ostream>
#include <vector>

#include "app/lang.h"
#include "balance/number_text.h"
#include "tests/core/case_names.h"

namespace climate::heat_balance_test {
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

// Each installation's surface for two enclosures whose height, width and depth all differ
// and none is 1 m, worked out by hand from the installation formulas. The two cases also
// keep the width from being twice the depth, where the formulas of installations 1 and 4
// give the same surface.
TEST(HeatBalance, SurfaceOfEveryInstallationWithThreeDifferentDimensions) {
  struct Case {
    int32_t h, w, d;                                 // mm
    std::array<double, kInstallationCount> surface;  // m², by installation index
  };
  const Case cases[] = {
      // H = 1.8, W = 0.6, D = 0.4: H·(W+D) = 1.8, W·(H+D) = 1.32, D·(H+W) = 0.96,
      // W·D = 0.24, W·H = 1.08, D·H = 0.72.
      //   0 free on all sides         1.8·1.8 + 1.4·0.24 = 3.24 + 0.336 = 3.576
      //   1 against a wall            1.4·1.32 + 1.8·0.72 = 1.848 + 1.296 = 3.144
      //   2 first or last of a row    1.4·0.96 + 1.8·1.08 = 1.344 + 1.944 = 3.288
      //   3 in a corner               1.4·1.8 + 1.4·0.24 = 2.52 + 0.336 = 2.856
      //   4 middle of a row           1.8·1.08 + 1.4·0.24 + 0.72 = 1.944 + 0.336 + 0.72 = 3
      //   5 in a niche                1.4·1.32 + 0.72 = 1.848 + 0.72 = 2.568
      //   6 in a niche, closed on top 1.4·1.08 + 0.7·0.24 + 0.72 = 1.512 + 0.168 + 0.72 = 2.4
      {1800, 600, 400, {3.576, 3.144, 3.288, 2.856, 3.0, 2.568, 2.4}},
      // H = 2.1, W = 0.8, D = 0.5: H·(W+D) = 2.73, W·(H+D) = 2.08, D·(H+W) = 1.45,
      // W·D = 0.4, W·H = 1.68, D·H = 1.05.
      //   0  1.8·2.73 + 1.4·0.4 = 4.914 + 0.56 = 5.474
      //   1  1.4·2.08 + 1.8·1.05 = 2.912 + 1.89 = 4.802
      //   2  1.4·1.45 + 1.8·1.68 = 2.03 + 3.024 = 5.054
      //   3  1.4·2.73 + 1.4·0.4 = 3.822 + 0.56 = 4.382
      //   4  1.8·1.68 + 1.4·0.4 + 1.05 = 3.024 + 0.56 + 1.05 = 4.634
      //   5  1.4·2.08 + 1.05 = 2.912 + 1.05 = 3.962
      //   6  1.4·1.68 + 0.7·0.4 + 1.05 = 2.352 + 0.28 + 1.05 = 3.682
      {2100, 800, 500, {5.474, 4.802, 5.054, 4.382, 4.634, 3.962, 3.682}},
  };
  for (const Case &c : cases) {
    for (int i = 0; i < kInstallationCount; ++i) {
      SCOPED_TRACE(testing::Message()
                   << c.h << " x " << c.w << " x " << c.d << " mm, installation " << i);
      const double expected = c.surface[static_cast<std::size_t>(i)];
      // The dimensions are stored as floats, so the surface is good to about 1e-6 m².
      EXPECT_NEAR(EffectiveSurface(i, c.h, c.w, c.d), expected, 1e-5);
      EXPECT_NEAR(ComputeBalance(Input(c.h, c.w, c.d, 0, i, 100, 35, -5, 50, 40, 10)).S, expected,
                  1e-5);
    }
  }
}

// The dew point by the row of the maximum ambient temperature (its list index) and the
// column of the humidity (its list index), for every cell of the dew-point table.
TEST(HeatBalance, DewPointOfEveryCell) {
  struct Row {
    int ambient_max;                // °C, for the messages
    std::array<int, 10> dew_point;  // at 10 % to 100 %
  };
  const Row table[] = {
      {50, {8, 19, 26, 32, 36, 40, 43, 45, 48, 50}},
      {45, {4, 15, 22, 27, 32, 36, 38, 41, 43, 45}},
      {40, {1, 11, 18, 23, 27, 30, 33, 36, 38, 40}},
      {35, {-2, 8, 14, 18, 21, 25, 28, 31, 33, 35}},
      {30, {-6, 3, 10, 14, 18, 21, 24, 26, 28, 30}},
      {25, {-8, 0, 5, 10, 13, 16, 19, 21, 23, 25}},
      {20, {-12, -4, 1, 5, 9, 12, 14, 16, 18, 20}},
      {15, {-16, -7, -3, 1, 4, 7, 9, 11, 13, 15}},
      {10, {-19, -11, -7, -3, 0, 1, 4, 6, 8, 10}},
      {5, {-23, -15, -11, -7, -5, -2, 0, 2, 3, 5}},
      {0, {-26, -19, -14, -11, -8, -6, -4, -3, -2, 0}},
      {-5, {-29, -22, -18, -15, -13, -11, -8, -7, -6, -5}},
      {-10, {-34, -26, -22, -19, -17, -15, -13, -11, -11, -10}},
      {-15, {-37, -30, -26, -23, -21, -19, -17, -16, -15, -15}},
      {-20, {-42, -35, -32, -29, -27, -25, -24, -22, -21, -20}},
      {-25, {-45, -40, -36, -34, -32, -30, -29, -27, -26, -25}},
  };
  ASSERT_EQ(std::size(table), kAmbientMaxItems.size());
  for (std::size_t row = 0; row < std::size(table); ++row) {
    for (std::size_t column = 0; column < 10; ++column) {
      EnclosureInput in = Input(2000, 800, 600, 0, 0, 500, 35, -5, 50, 40, 10);
      in.ambient_max = static_cast<int>(row);
      in.humidity = static_cast<int>(column);
      EXPECT_EQ(ComputeBalance(in).dew_point, static_cast<float>(table[row].dew_point[column]))
          << "ambient maximum " << table[row].ambient_max << " °C, " << (column + 1) * 10 << " %";
    }
  }
}

// The items of the five number lists, in list order, and the value each choice gives the
// calculation.
TEST(HeatBalance, ItemsOfTheNumberLists) {
  const std::vector<int> ambient_max{50, 45, 40, 35, 30,  25,  20,  15,
                                     10, 5,  0,  -5, -10, -15, -20, -25};
  const std::vector<int> ambient_min{30,  25,  20,  15,  10,  5,   0,   -5, -10,
                                     -15, -20, -25, -30, -35, -40, -45, -50};
  const std::vector<int> humidity{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  const std::vector<int> inside_max{10, 15, 20, 25, 30, 35, 40};
  const std::vector<int> inside_min{0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55};
  EXPECT_EQ(std::vector<int>(kAmbientMaxItems.begin(), kAmbientMaxItems.end()), ambient_max);
  EXPECT_EQ(std::vector<int>(kAmbientMinItems.begin(), kAmbientMinItems.end()), ambient_min);
  EXPECT_EQ(std::vector<int>(kHumidityItems.begin(), kHumidityItems.end()), humidity);
  EXPECT_EQ(std::vector<int>(kInsideMaxItems.begin(), kInsideMaxItems.end()), inside_max);
  EXPECT_EQ(std::vector<int>(kInsideMinItems.begin(), kInsideMinItems.end()), inside_min);

  // Each choice reaches the balance as its item's value.
  EnclosureInput base = Input(2000, 800, 600, 0, 0, 500, 50, -5, 10, 10, 0);
  for (std::size_t i = 0; i < ambient_max.size(); ++i) {
    EnclosureInput in = base;
    in.ambient_max = static_cast<int>(i);
    EXPECT_EQ(ComputeBalance(in).TEMAX, static_cast<float>(ambient_max[i])) << i;
  }
  for (std::size_t i = 0; i < ambient_min.size(); ++i) {
    EnclosureInput in = base;
    in.ambient_min = static_cast<int>(i);
    EXPECT_EQ(ComputeBalance(in).TEMIN, static_cast<float>(ambient_min[i])) << i;
  }
  for (std::size_t i = 0; i < inside_max.size(); ++i) {
    EnclosureInput in = base;
    in.inside_max = static_cast<int>(i);
    EXPECT_EQ(ComputeBalance(in).TENMAX, static_cast<float>(inside_max[i])) << i;
  }
  for (std::size_t i = 0; i < inside_min.size(); ++i) {
    EnclosureInput in = base;
    in.inside_min = static_cast<int>(i);
    in.humidity = 0;
    // At -25 °C and 10 % the dew point is -45 °C: the inside minimum is never raised.
    in.ambient_max = static_cast<int>(ambient_max.size() - 1);
    EXPECT_EQ(ComputeBalance(in).TENMIN, static_cast<float>(inside_min[i])) << i;
  }
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
}  // namespace climate::heat_balance_test

#include "balance/decision_note.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "app/lang.h"
#include "tests/core/builders.h"

namespace climate {
namespace {

const char kRussianFigures[] =
    "Эффективная площадь поверхности S: 5,71 м²\n"
    "Коэффициент теплопередачи K: 5,5 Вт/(м²·К)\n"
    "В шкафу без оборудования при 35 °С снаружи: 50,9 °С\n"
    "В шкафу без оборудования при -5 °С снаружи: 10,9 °С\n"
    "Точка росы: 21 °С\n"
    "Требуется в шкафу: от 21 до 40 °С";

const char kEnglishFigures[] =
    "Effective surface S: 5.71 m²\n"
    "Heat-transfer coefficient K: 5.5 W/(m²·K)\n"
    "Inside without equipment at 35 °C ambient: 50.9 °C\n"
    "Inside without equipment at -5 °C ambient: 10.9 °C\n"
    "Dew point: 21 °C\n"
    "To hold inside: 21 to 40 °C";

struct Case {
  const char *name;
  std::optional<Equipment> kind;  // none: the no-equipment text
  int32_t t_lang;
  std::string expected;
};

void PrintTo(const Case &c, std::ostream *os) {
  *os << c.name;
}

class DecisionNoteTest : public ::testing::TestWithParam<Case> {};

TEST_P(DecisionNoteTest, ListsTheFiguresOfTheSuggestion) {
  EXPECT_EQ(DecisionNote(test_input::FirstWorkedExample(), 21, GetParam().kind, GetParam().t_lang),
            GetParam().expected);
}

// Heating: 5.5 · 5.712 · (21 + 5) = 816.8 W with the equipment off part of the time, less
// the 500 W dissipated when it runs constantly. Heat to remove: 500 − 5.5 · 5.712 · 5.
INSTANTIATE_TEST_SUITE_P(
    WorkedExample, DecisionNoteTest,
    ::testing::Values(Case{"HeaterRussian", Equipment::Heater, kRussian,
                           std::string(kRussianFigures) +
                               "\nНужна мощность обогрева: 317 Вт постоянно, 817 Вт периодически"},
                      Case{"FanRussian", Equipment::Fan, kRussian,
                           std::string(kRussianFigures) + "\nНужно отвести тепло: 343 Вт"},
                      Case{"CoolerEnglish", Equipment::Cooler, kEnglish,
                           std::string(kEnglishFigures) + "\nHeat to remove: 343 W"},
                      Case{"HeaterEnglish", Equipment::Heater, kEnglish,
                           std::string(kEnglishFigures) +
                               "\nHeating needed: 317 W regular, 817 W cycling"},
                      Case{"NoEquipmentRussian", std::nullopt, kRussian, kRussianFigures},
                      Case{"NoLanguageYet", Equipment::Heater, 0, ""},
                      Case{"UnknownLanguage", Equipment::Fan, 3, ""}),
    [](const auto &row) { return std::string(row.param.name); });

// The figures never argue with the suggestion they explain.
TEST(DecisionNote, FiguresStayOnTheSideOfTheDecision) {
  // 2000 × 600 × 500 mm against a wall: S = 3.9 m²; 800 W at 45 °C against 35 °C inside:
  // 800 + 21.45 · 10 = 1014.5 W to remove, a power needed in full: 1015 W.
  BalanceFields f{
      .K = 5.5f, .S = 3.9f, .PHG = 800, .TEMAX = 45, .TEMIN = 5, .TENMAX = 35, .TENMIN = 20};
  std::string note = DecisionNote(f, 36, Equipment::Cooler, kEnglish);
  EXPECT_NE(note.find("Heat to remove: 1015 W"), std::string::npos) << note;
  EXPECT_NE(note.find("at 45 °C ambient: 82.3 °C"), std::string::npos) << note;

  // A fan for 27.74 − 5.5 · 1 · 5 = 0.24 W: some heat to remove, never "0 W".
  f = {.K = 5.5f, .S = 1, .PHG = 27.74f, .TEMAX = 35, .TENMAX = 40};
  note = DecisionNote(f, 0, Equipment::Fan, kRussian);
  EXPECT_NE(note.find("Нужно отвести тепло: 1 Вт"), std::string::npos) << note;

  // A heater because 149.85 / 10 − 5 = 9.985 °C stays below the 10 °C to hold: the cold case
  // shows below 10 and the constant heating (150 − 149.85 W) as more than nothing.
  f = {.K = 5, .S = 2, .PHG = 149.85f, .TEMAX = 20, .TEMIN = -5, .TENMAX = 40, .TENMIN = 10};
  note = DecisionNote(f, 0, Equipment::Heater, kRussian);
  EXPECT_NE(note.find("при -5 °С снаружи: 9,9 °С"), std::string::npos) << note;
  EXPECT_NE(note.find("обогрева: 1 Вт постоянно, 150 Вт периодически"), std::string::npos) << note;

  // An ambient just below zero that rounds to zero shows as 0.0, not -0.0.
  f.PHG = 0;
  f.TEMIN = -0.04f;
  f.TENMIN = -0.04f;
  const std::string cold = DecisionNote(f, 0, std::nullopt, kRussian);
  EXPECT_NE(cold.find("при 0 °С снаружи: 0,0 °С"), std::string::npos) << cold;
}

}  // namespace
}  // namespace climate

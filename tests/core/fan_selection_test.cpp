#include "selection/fan_selection.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "app/lang.h"
#include "tests/core/builders.h"
#include "tests/core/case_names.h"

namespace climate::fan_selection_test {
namespace {

using test_input::Above;

// What the fan window's create works from: the main window's balance, the window's choices,
// the language, and the heat to carry out that the window computed when it opened.
struct Request {
  BalanceFields balance;
  FanChoice choice;
  int32_t t_lang = kRussian;
  float PCOM_VENT = 0;
};

Request Make(int altitude, float pcom_vent, float temax, float tenmax, int voltage,
             int32_t heat = 0, int32_t t_lang = kRussian) {
  return {test_input::ForFan(temax, tenmax, heat), {altitude, voltage}, t_lang, pcom_vent};
}

SelectionResult<FanFields> Create(const Request &r, FanFields previous) {
  previous.PCOM_VENT = r.PCOM_VENT;
  return CreateSpecification(r.balance, r.choice, r.t_lang, previous);
}

// Fields as an earlier create left them, to see which ones a create leaves alone.
FanFields Earlier() {
  FanFields f;
  f.F = 3.3f;
  f.VFP = 123;
  for (std::string *field : {&f.vent_name, &f.vent_qnt, &f.vent_name_2, &f.vent_qnt_2, &f.vent_code,
                             &f.vent_code_2, &f.term_code, &f.term_name, &f.term_qnt, &f.gigro_code,
                             &f.gigro_name, &f.gigro_qnt, &f.qnt_pv}) {
    *field = "earlier";
  }
  return f;
}

TEST(FanSelection, HeatToCarryOutIsEvaluatedInDouble) {
  BalanceFields b = test_input::ForFan(30, 40);
  b.PHG = 300;
  b.K = 5.5f;
  b.S = 1;
  EXPECT_EQ(HeatSurplus(b), 245.0f);
  // Evaluated in float, the wall term would round twice and give 342.919983.
  EXPECT_EQ(HeatSurplus(test_input::FirstWorkedExample()), 342.920013f);
}

// Which size each air flow gets, around the band limits.
struct BandCase {
  const char *what;  // name of the case
  Request request;
  float VFP;
  const char *fan;  // nullptr: no size delivers the flow
  const char *grille;
};

void PrintTo(const BandCase &c, std::ostream *os) {
  *os << c.what;
}

class FanBands : public testing::TestWithParam<BandCase> {};

TEST_P(FanBands, PicksTheSizeOfTheStoredAirFlow) {
  const BandCase &c = GetParam();
  const auto s = Create(c.request, {});
  EXPECT_EQ(s.fields.F, kAltitudeFactors[static_cast<std::size_t>(c.request.choice.altitude)])
      << c.what;
  EXPECT_EQ(s.fields.VFP, c.VFP) << c.what;
  EXPECT_TRUE(s.listed) << c.what;
  if (c.fan == nullptr) {
    EXPECT_EQ(s.fields.vent_code, "") << c.what;
    EXPECT_EQ(s.fields.vent_code_2, "") << c.what;
  } else {
    EXPECT_EQ(s.fields.vent_code, c.fan) << c.what;
    EXPECT_EQ(s.fields.vent_code_2, c.grille) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    , FanBands,
    testing::Values(
        BandCase{"UpTo15", Make(4, 30, 30, 37, 0), 15, "FK-015-230", "GK-015"},
        BandCase{"JustAbove15", Make(4, Above(30), 30, 37, 1), Above(15), "FK-050-115", "GK-050"},
        BandCase{"At50", Make(4, 100, 30, 37, 0), 50, "FK-050-230", "GK-050"},
        BandCase{"At270", Make(4, 540, 30, 37, 1), 270, "FK-270-115", "GK-270"},
        BandCase{"At580NoVoltageChosen", Make(4, 1160, 30, 37, -1), 580, "FK-580-115", "GK-580"},
        BandCase{"JustAbove580", Make(4, Above(1160), 30, 37, 0), Above(580), nullptr, nullptr},
        // 3.1f · 935.483948 / 5 is 580.00003 in double and 580 once stored.
        BandCase{"StoredValueDecides", Make(0, 935.483948f, 30, 35, 0), 580, "FK-580-230",
                 "GK-580"}),
    testing_names::ByWhat());

TEST(FanSelection, WorkedExampleWithoutHeaterListsFourLines) {
  const auto s = Create(Make(0, 245, 30, 40, 0), {});
  EXPECT_NEAR(s.fields.VFP, 75.95, 1e-4);
  EXPECT_EQ(s.list_text,
            "FK-270-230 - Вентилятор c решёткой и фильтром, 230/270  м3/час, 230В x 1 шт.\r\n"
            "GK-270 - Вентиляционная решётка с фильтром, 250 x 250 мм x 1 шт.\r\n"
            "TK-NO - Термостат, диапазон -10 ~ +80 градусов С, контакт NO (нормально открытый) x "
            "1 шт.\r\n"
            "HG-CO - Гигростат, перекидной контакт x 1 шт.");
  EXPECT_EQ(s.fields.term_name,
            "Термостат, диапазон -10 ~ +80 градусов С, контакт NO (нормально открытый)");
  EXPECT_EQ(s.fields.gigro_code, "HG-CO");
  EXPECT_EQ(s.fields.gigro_qnt, "1");
  EXPECT_EQ(s.fields.qnt_pv, "шт.");
}

TEST(FanSelection, EnglishWithoutHeaterNamesTheAccessoriesInEnglish) {
  const auto s = Create(Make(0, 245, 30, 40, 1, 0, kEnglish), {});
  EXPECT_EQ(s.list_text,
            "FK-270-115 - Fan filter, 230/270 m3/hour, 115Vac x 1 pcs.\r\n"
            "GK-270 - Filter, 250 x 250 mm x 1 pcs.\r\n"
            "TK-NO - Termostat, range -10 ~ +80\u0421, NO x 1 pcs.\r\n"
            "HG-CO - Gigrostat, NO/NC x 1 pcs.");
  EXPECT_EQ(s.fields.term_name, "Termostat, range -10 ~ +80\u0421, NO");
  EXPECT_EQ(s.fields.gigro_name, "Gigrostat, NO/NC");
}

TEST(FanSelection, WithHeaterListsFanAndGrilleOnlyAndLeavesAccessories) {
  const auto ru = Create(Make(4, 100, 30, 37, 1, 1), Earlier());
  // The one 115 V name with a Cyrillic "с" and the double space after it.
  EXPECT_EQ(ru.list_text,
            "FK-050-115 - Вентилятор с  решёткой и фильтром, 45/50 м3/час, 115В x 1 шт.\r\n"
            "GK-050 - Вентиляционная решётка с фильтром, 150 x 150 мм x 1 шт.");
  for (const std::string *field :
       {&ru.fields.term_code, &ru.fields.term_name, &ru.fields.term_qnt, &ru.fields.gigro_code,
        &ru.fields.gigro_name, &ru.fields.gigro_qnt}) {
    EXPECT_EQ(*field, "earlier");
  }
}

TEST(FanSelection, NoSolutionRoundsHalfToEvenAndEmptiesTheItems) {
  struct Case {
    float pcom_vent;
    int32_t heat;
    int32_t t_lang;
    const char *text;
  };
  for (const Case &c : {Case{1225, 0, kRussian, "Для воздушного потока в 612 решение отсутствует!"},
                        Case{1227, 0, kRussian, "Для воздушного потока в 614 решение отсутствует!"},
                        Case{1225, 1, kEnglish, "For air flow 612 m3/hour is not solution!"}}) {
    const auto s = Create(Make(4, c.pcom_vent, 30, 37, 0, c.heat, c.t_lang), Earlier());
    EXPECT_EQ(s.list_text, c.text);
    EXPECT_TRUE(s.listed);
    EXPECT_EQ(s.fields.qnt_pv, c.t_lang == kRussian ? "шт." : "pcs.");
    // No fan of an earlier create may reach a report.
    for (const auto *field : {&s.fields.vent_code, &s.fields.vent_name, &s.fields.vent_qnt,
                              &s.fields.vent_code_2, &s.fields.vent_name_2, &s.fields.vent_qnt_2}) {
      EXPECT_EQ(*field, "");
    }
    // The accessories belong to the fan only without a heater; with one, the heater
    // window's accessories are listed and these fields stay as they are.
    if (c.heat <= 0) {
      EXPECT_EQ(s.fields.term_code, "");
      EXPECT_EQ(s.fields.gigro_name, "");
    } else {
      EXPECT_EQ(s.fields.term_code + s.fields.gigro_name, "earlierearlier");
    }
  }
}

TEST(FanSelection, WithoutAltitudeNothingIsComputed) {
  struct Case {
    int32_t t_lang;
    std::optional<std::string> text;
  };
  for (const Case &c :
       {Case{kRussian, "Выберите высоту над уровнем моря!"},
        Case{kEnglish, "Please, choose the altitude above sea level!"}, Case{0, std::nullopt}}) {
    const auto s = Create(Make(-1, 245, 30, 40, 0, 0, c.t_lang), Earlier());
    EXPECT_EQ(s.list_text, c.text);
    EXPECT_FALSE(s.listed);
    EXPECT_EQ(s.fields.F, 3.3f);
    EXPECT_EQ(s.fields.VFP, 123.0f);
    EXPECT_EQ(s.fields.vent_code + s.fields.term_code + s.fields.qnt_pv, "earlierearlierearlier");
  }
}

}  // namespace
}  // namespace climate::fan_selection_test

#include "selection/heater_selection.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/lang.h"
#include "selection/heater_catalogue.h"
#include "tests/core/builders.h"

namespace climate::heater_selection_test {
namespace {

using test_input::Above;

// What the heater window's create reads: the main window's balance, the window's choices and
// the language.
struct Request {
  BalanceFields balance;
  HeaterChoice choice;
  int32_t t_lang = kRussian;
};

// A request in the periodic mode whose required power is exactly `power`.
Request ForPower(float power, bool compact = false, bool termo = false, int32_t t_lang = kRussian,
                 int32_t vent = 0) {
  return {test_input::ForHeatingPower(power, vent), {1, compact, termo}, t_lang};
}

SelectionResult<HeaterFields> Create(const Request &r, const HeaterFields &previous) {
  return CreateSpecification(r.balance, r.choice, r.t_lang, previous);
}

// A selection that fills every heater field: two models.
HeaterFields TwoModels() {
  return Create(ForPower(500), {}).fields;
}

TEST(HeaterCatalogue, KindsCodesAndNames) {
  std::set<std::string> codes;
  int kinds[3] = {};
  for (const HeaterCatalogueItem &item : HeaterCatalogue()) {
    EXPECT_TRUE(codes.insert(item.code).second) << item.code;
    EXPECT_TRUE(*item.name.ru && *item.name.en) << item.code;
    EXPECT_EQ(&HeaterItem(item.code), &item);
    ++kinds[static_cast<int>(item.kind)];
  }
  EXPECT_EQ(kinds[0], 23);
  EXPECT_EQ(kinds[1], 3);  // TK-NC and TK-CO of the heater window, TK-NO of the fan window
  EXPECT_EQ(kinds[2], 1);
  EXPECT_THROW(HeaterItem("HK-X999"), std::out_of_range);
  // The temperature's unit letter is the Cyrillic Es, the only non-ASCII character.
  EXPECT_STREQ(HeaterItem("TK-NC").name.en, "Termostat, range -10 ~ +80\xD0\xA1, NC");
}

// Each band's upper limit belongs to it; the next float above goes to the band after it.
// Up to 800 W the compact option decides, above it the thermostat option.
TEST(HeaterSelection, BandsIncludeTheirUpperLimit) {
  struct Band {
    float upper;
    const char *plain, *plain_qnt, *option, *option_qnt;
  };
  const std::vector<Band> bands{
      {5, "HK-S015", "1", "HK-C005", "1"},       {15, "HK-S015", "1", "HK-C015", "1"},
      {30, "HK-S030", "1", "HK-C030", "1"},      {45, "HK-T045", "1", "HK-F075", "1"},
      {60, "HK-T060", "1", "HK-F075", "1"},      {80, "HK-T080", "1", "HK-F075", "1"},
      {100, "HK-T100", "1", "HK-F100", "1"},     {150, "HK-TS150", "1", "HK-F150", "1"},
      {250, "HK-V250", "1", "HK-F230", "1"},     {300, "HK-V400", "1", "HK-F300", "1"},
      {400, "HK-V400", "1", "HK-V400", "1"},     {600, "HK-V400", "1", "HK-F300", "2"},
      {800, "HK-V400", "2", "HK-F300", "3"},     {1200, "HK-P1200", "1", "HK-P1200T", "1"},
      {1500, "HK-P1500", "1", "HK-P1500T", "1"}, {2000, "HK-P2000", "1", "HK-P2000T", "1"},
  };
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const Band &b = bands[i];
    for (float power : {Above(i == 0 ? 0.0f : bands[i - 1].upper), b.upper}) {
      const bool high = power > 800;
      for (bool option : {false, true}) {
        // The option that does not decide is set the other way round.
        const HeaterFields f = Create(ForPower(power, high != option, high == option), {}).fields;
        SCOPED_TRACE(testing::Message() << "P=" << power << " option=" << option);
        EXPECT_EQ(f.heat_code, option ? b.option : b.plain);
        EXPECT_EQ(f.heat_qnt, option ? b.option_qnt : b.plain_qnt);
        EXPECT_STREQ(f.heat_name.c_str(), HeaterItem(f.heat_code).name.ru);
        EXPECT_EQ(f.q_mem, b.upper == 600 && !option ? 2.0f : 1.0f);
      }
    }
  }
}

TEST(HeaterSelection, RequiredPowerIsRoundedOnceFromDouble) {
  // 5.5 x 34.545456 x 5 - 150 is 800.0000381 in double and 800.0000610 once stored, above
  // the 800 W limit; rounding each float step would give 800 exactly and the band below.
  Request in;
  in.choice.mode = 0;
  in.balance.K = 5.5f;
  in.balance.S = 34.54545593261719f;
  in.balance.TENMIN = 5;
  in.balance.PHG = 150;
  const auto s = Create(in, {});
  EXPECT_EQ(s.fields.PCOM_HEAT, Above(800));
  EXPECT_EQ(s.fields.heat_code, "HK-P1200");
}

TEST(HeaterSelection, ListTexts) {
  struct Case {
    Request in;
    const char *text;
  };
  const Case cases[] = {
      {ForPower(500),
       "HK-V400 - Обогреватель с клеммной колодкой и вентилятором, б/кабеля P=400W x 1 шт.\r\n"
       "HK-V250 - Обогреватель с клеммной колодкой и вентилятором, б/кабеля P=250W x 1 шт.\r\n"
       "TK-NC - Термостат, диапазон -10 ~ +80 градусов С, контакт NC (нормально закрытый) x 1 "
       "шт.\r\nHG-CO - Гигростат, перекидной контакт x 1 шт."},
      // The heater's built-in thermostat: one line and a closing line break.
      {ForPower(900, false, true),
       "HK-P1200T - Обогреватель на повышенные мощности с термостатом, P=1200W x 1 шт.\r\n"},
      {ForPower(900, true, false, kEnglish, 1),
       "HK-P1200 - Heater for high power, without termostat , P=1200W x 1 pcs.\r\n"
       "TK-CO - Termostat, range +5 ~ +60\xD0\xA1, NO/NC x 1 pcs.\r\n"
       "HG-CO - Gigrostat, NO/NC x 1 pcs."},
      {ForPower(Above(2000)), "Для мощности 2000 Вт, решение отстутсвует!"},
      {ForPower(2500.5f), "Для мощности 2500 Вт, решение отстутсвует!"},
      {ForPower(2501.5f, false, false, kEnglish), "For power 2502 is not solution!"},
      {ForPower(0), "Требуемая мощность обогрева не больше 0 Вт, обогреватель не требуется."},
      {ForPower(-250, false, false, kEnglish),
       "The required heating power is 0 W or less, no heater is needed."},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(Create(c.in, TwoModels()).list_text, c.text) << c.in.balance.TENMIN;
  }
}

// Without a heater no field of an earlier selection may remain for the reports.
TEST(HeaterSelection, NoHeaterLeavesNoStaleHeaterFields) {
  for (float power : {0.0f, -250.0f, 2100.0f}) {
    const HeaterFields f = Create(ForPower(power), TwoModels()).fields;
    EXPECT_EQ(f.q_mem, 0.0f);
    for (const std::string *field :
         {&f.heat_code, &f.heat_name, &f.heat_qnt, &f.heat_code_2, &f.heat_name_2, &f.heat_qnt_2}) {
      EXPECT_EQ(*field, "") << power;
    }
    // Without a fan no thermostat or hygrostat is left to switch nothing.
    for (const std::string *field :
         {&f.term_code, &f.term_name, &f.term_qnt, &f.gigro_code, &f.gigro_name, &f.gigro_qnt}) {
      EXPECT_EQ(*field, "") << power;
    }
    // With a fan they stay: the fan takes its thermostat from the heater window.
    const HeaterFields with_fan =
        Create(ForPower(power, false, false, kRussian, 1), TwoModels()).fields;
    EXPECT_EQ(with_fan.term_code + " " + with_fan.term_qnt, "TK-CO 1") << power;
    EXPECT_EQ(with_fan.gigro_code + " " + with_fan.gigro_name,
              "HG-CO Гигростат, перекидной контакт")
        << power;
  }
}

TEST(HeaterSelection, FieldsNotWrittenKeepTheirValues) {
  // A single model leaves the second code but empties its name and quantity.
  const HeaterFields single = Create(ForPower(100), TwoModels()).fields;
  EXPECT_EQ(single.heat_code_2, "HK-V250");
  EXPECT_EQ(single.heat_name_2 + single.heat_qnt_2, "");

  // A language number other than 1 and 2 writes no text: the accessory names and the unit
  // word stay, the heater name stays empty and there is no no-solution text.
  const HeaterFields english = Create(ForPower(10, true, false, kEnglish), {}).fields;
  const auto other = Create(ForPower(10, true, false, 3), english);
  EXPECT_EQ(other.fields.term_name, english.term_name);
  EXPECT_EQ(other.list_text->substr(0, other.list_text->find("\r\n")), "HK-C015 -  x 1 pcs.");
  EXPECT_EQ(Create(ForPower(3000, false, false, 3), english).list_text, "");
}

}  // namespace
}  // namespace climate::heater_selection_test

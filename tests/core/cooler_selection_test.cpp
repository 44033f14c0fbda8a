#include "selection/cooler_selection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/lang.h"

namespace climate::cooler_selection_test {
namespace {

const char *const kRuVoltage[] = {"~230 В", "~400 В, 2 фазы", "~400/440 В, 3 фазы"};
const char *const kEnVoltage[] = {"~230 Vac", "~400 Vac, 2 ph", "~400/440 Vac, 3 ph"};

std::string CodeFor(const char *mounting, const char *power, char supply) {
  return std::string("CK-") + mounting + power + "-" + supply;
}

// The cooling window's create for the power it computed when it opened.
SelectionResult<CoolerFields> Create(float power, int mounting, int voltage, int32_t t_lang,
                                     CoolerFields previous = {}) {
  previous.PCOM_COOL = power;
  return CreateSpecification({}, {mounting, voltage}, t_lang, previous);
}

std::string CreateCode(float power, int mounting, int voltage) {
  return Create(power, mounting, voltage, kRussian).fields.cool_code;
}

// The heat surplus of an enclosure of K · S = 5.5 · `s`.
float CoolingPower(float phg, float s, float temax, float tenmax) {
  return HeatSurplus({.K = 5.5f, .S = s, .PHG = phg, .TEMAX = temax, .TENMAX = tenmax});
}

// The names follow one pattern per mounting and supply, so a typo in any of the 26 shows.
TEST(CoolerCatalogue, CodesAndNamesFollowMountingPowerAndSupply) {
  const char *ru_supply[] = {"230В (1 фаза)", "400В (2 фазы)", "400/440В (3 фазы)"};
  const char *en_supply[] = {"230Vac (1 ph)", "400Vac (2 ph)", "400/440Vac (3 ph)"};
  std::set<std::string> codes;
  for (const CoolingUnit &u : kCoolingUnits) {
    SCOPED_TRACE(u.code);
    const bool wall = u.mounting == Mounting::Wall;
    char power[8];
    std::snprintf(power, sizeof power, "%04d", u.power_w);
    EXPECT_EQ(u.code, CodeFor(wall ? "W" : "R", power, static_cast<char>('0' + u.supply)));
    const std::string p = std::to_string(u.power_w);
    const std::string ru = wall ? "Навесной" : "Потолочный";
    const std::string en = wall ? "Wall" : "Roof";
    EXPECT_EQ(u.name.ru, ru + " кондиционер " + p + " Вт, " + ru_supply[u.supply - 1]);
    EXPECT_EQ(u.name.en, en + " mount cooler " + p + " W, " + en_supply[u.supply - 1]);
    codes.insert(u.code);
  }
  EXPECT_EQ(codes.size(), 26u);
}

// Per power: the voltage items offered, then the unit power for wall and roof and the
// supply variant taken for the voltage index -1 (no choice), 0, 1 and 2.
struct BandCase {
  float power;
  int items;  // voltage items of the band, counted from the first variant offered
  int first;  // first variant offered
  const char *wall;
  const char *roof;
  const char *supply;  // variant for voltage index -1, 0, 1, 2
};

TEST(CoolerBands, BoundariesPickOneUnitPerMountingAndVoltage) {
  const float above = std::nextafter(0.0f, 1.0f);
  const BandCase cases[] = {
      {above, 2, 1, "0300", "1000", "2122"},
      {250, 2, 1, "0300", "1000", "2122"},
      {300, 2, 1, "0300", "1000", "2122"},
      {std::nextafter(300.0f, 1e9f), 2, 1, "0500", "1000", "2122"},
      {500, 2, 1, "0500", "1000", "2122"},
      {555, 2, 1, "0800", "1000", "2122"},
      {800, 2, 1, "0800", "1000", "2122"},
      {std::nextafter(800.0f, 1e9f), 2, 1, "1000", "1000", "2122"},
      {1000, 2, 1, "1000", "1000", "2122"},
      {std::nextafter(1000.0f, 1e9f), 3, 1, "1500", "1500", "3123"},
      {1500, 3, 1, "1500", "1500", "3123"},
      {std::nextafter(1500.0f, 1e9f), 3, 1, "2000", "2000", "3123"},
      {2000, 3, 1, "2000", "2000", "3123"},
      {std::nextafter(2000.0f, 1e9f), 1, 3, "3000", "3000", "3333"},
      {2500, 1, 3, "3000", "3000", "3333"},
      {3000, 1, 3, "3000", "3000", "3333"},
      {std::nextafter(3000.0f, 1e9f), 1, 3, "4000", "4000", "3333"},
      {4000, 1, 3, "4000", "4000", "3333"},
  };
  for (const BandCase &c : cases) {
    SCOPED_TRACE(testing::Message() << "P = " << c.power);
    const CoolingBand *band = FindCoolingBand(c.power);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->first_supply, c.first);
    EXPECT_EQ(band->last_supply - band->first_supply + 1, c.items);
    for (int voltage = -1; voltage <= 2; ++voltage) {
      const char supply = c.supply[voltage + 1];
      EXPECT_EQ(CreateCode(c.power, 0, voltage), CodeFor("W", c.wall, supply)) << voltage;
      EXPECT_EQ(CreateCode(c.power, 1, voltage), CodeFor("R", c.roof, supply)) << voltage;
    }
    // Any mounting index but 0, no choice included, is the roof.
    EXPECT_EQ(CreateCode(c.power, -1, 0), CreateCode(c.power, 1, 0));
    EXPECT_EQ(CreateCode(c.power, 7, 0), CreateCode(c.power, 1, 0));
  }
}

TEST(CoolerBands, VoltageItemsOfTheBandInTheLanguage) {
  struct Case {
    float phg;
    int32_t t_lang;
    std::vector<std::string> items;
  } cases[] = {
      {1000, kRussian, {kRuVoltage[0], kRuVoltage[1]}},
      {2500, kRussian, {kRuVoltage[2]}},
      {2000, kEnglish, {kEnVoltage[0], kEnVoltage[1], kEnVoltage[2]}},
      // Another language number sets no texts: the band's items stay blank.
      {1500, 0, {"", "", ""}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.phg << " W, language " << c.t_lang);
    const auto items = VoltageItems(CoolingPower(c.phg, 2.0f, 35, 35), c.t_lang);
    ASSERT_TRUE(items);
    EXPECT_EQ(*items, c.items);
  }
  // Outside the bands the list is not rebuilt.
  for (float phg : {0.0f, -10.0f, std::nextafter(4000.0f, 1e9f), 9000.0f}) {
    EXPECT_FALSE(VoltageItems(phg, kRussian)) << phg;
  }
}

TEST(CoolerPower, DissipationPlusHeatThroughTheWalls) {
  // 500 − 5.5 · 2 · (35 − 40) = 555 W.
  EXPECT_EQ(CoolingPower(500, 2.0f, 40, 35), 555.0f);
  // Evaluated in double and stored once: 800 + 5.5 · 1.112f · 10 is 861.15997… as a float;
  // rounding the product to float on the way would give 861.16003….
  EXPECT_EQ(CoolingPower(800, 1.112f, 45, 35), 861.15997f);
  EXPECT_EQ(CoolingPower(0, 2.0f, 30, 35), -55.0f);
}

TEST(CoolerCreate, SpecificationLineInEachLanguage) {
  const auto ru = Create(555, 0, 1, kRussian);
  EXPECT_EQ(ru.fields.cool_code, "CK-W0800-2");
  EXPECT_EQ(ru.fields.cool_name, "Навесной кондиционер 800 Вт, 400В (2 фазы)");
  EXPECT_EQ(ru.fields.cool_qnt, "1");
  EXPECT_EQ(ru.list_text, "CK-W0800-2 - Навесной кондиционер 800 Вт, 400В (2 фазы) x 1 шт.");

  const auto en = Create(2000, 1, 2, kEnglish);
  EXPECT_EQ(en.fields.cool_code, "CK-R2000-3");
  EXPECT_EQ(en.fields.cool_name, "Roof mount cooler 2000 W, 400/440Vac (3 ph)");
  EXPECT_EQ(en.list_text, "CK-R2000-3 - Roof mount cooler 2000 W, 400/440Vac (3 ph) x 1 pcs.");

  // Another language number writes no name and no line, so no line mixes two units.
  CoolerFields earlier;
  earlier.cool_name = "earlier";
  const auto other = Create(555, 0, 1, 3, earlier);
  EXPECT_EQ(other.fields.cool_code, "CK-W0800-2");
  EXPECT_EQ(other.fields.cool_name, "earlier");
  EXPECT_FALSE(other.list_text);
}

// Above the range, and for a power that needs no cooling, no unit is chosen: the item
// fields are not written and the list says so with the power rounded half to even.
TEST(CoolerCreate, NoUnitEmptiesTheItemAndGivesTheNoSolutionText) {
  const struct {
    float power;
    int32_t t_lang;
    const char *text;
  } cases[] = {
      {std::nextafter(4000.0f, 1e9f), kRussian, "Для мощности в 4000 Вт, решение отсутствует!"},
      {4000.5f, kRussian, "Для мощности в 4000 Вт, решение отсутствует!"},
      {4001.5f, kRussian, "Для мощности в 4002 Вт, решение отсутствует!"},
      {4002.5f, kEnglish, "For power 4002 W is not solution!"},
      {4002.75f, kEnglish, "For power 4003 W is not solution!"},
      {0.0f, kRussian, "Для мощности в 0 Вт, решение отсутствует!"},
      {-120.5f, kEnglish, "For power -120 W is not solution!"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "P = " << c.power);
    const auto s = Create(c.power, 0, 0, c.t_lang);
    // No unit of an earlier create may reach a report.
    EXPECT_EQ(s.fields.cool_code, "");
    EXPECT_EQ(s.fields.cool_name, "");
    EXPECT_EQ(s.fields.cool_qnt, "");
    EXPECT_EQ(s.list_text, c.text);
  }
  EXPECT_FALSE(Create(5000, 0, 0, 0).list_text);
}

}  // namespace
}  // namespace climate::cooler_selection_test

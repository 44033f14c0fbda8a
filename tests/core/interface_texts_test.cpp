// The interface texts of every window, in both languages, written out as the windows show
// them: the main window's language switches, the heater, cooling-unit, fan and save
// windows, and the texts of the select button. Misspellings that belong to the program's
// texts ("Steal", "Parametrs", "termostat", "temterature", "отстуствует", "EXCEl") stay as
// they are.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/lang.h"
#include "balance/heat_balance.h"
#include "selection/heater_catalogue.h"
#include "selection/heater_selection.h"
#include "tests/core/builders.h"

namespace climate::interface_texts_test {
namespace {

struct Shown {
  const char *control;  // "caption" for the window's own title
  int item;             // list item, or -1
  const char *ru;
  const char *en;  // nullptr: the window shows the Russian text in both languages
};

// Compares a window's table of texts, entry by entry and in order, with the texts it must
// show.
template <std::size_t N, std::size_t M>
void ExpectTexts(const std::array<TextEntry, N> &table, const Shown (&expected)[M]) {
  ASSERT_EQ(N, M);
  for (std::size_t i = 0; i < N; ++i) {
    SCOPED_TRACE(testing::Message() << expected[i].control << " " << expected[i].item);
    EXPECT_STREQ(table[i].control, expected[i].control);
    EXPECT_EQ(table[i].item, expected[i].item);
    EXPECT_STREQ(table[i].text.ru, expected[i].ru);
    if (expected[i].en == nullptr) {
      EXPECT_EQ(table[i].text.en, nullptr);
    } else {
      EXPECT_STREQ(table[i].text.en, expected[i].en);
    }
  }
}

// The 32 texts of the main window's two language switches, in the order they set them.
TEST(InterfaceTexts, MainWindowLanguageSwitches) {
  const Shown expected[] = {
      {"caption", -1, "Конфигуратор \"Norda aervik\" - Tervax - Ru",
       "Configurator \"Norda aervik\" - Tervax - EN"},
      {"Lang_m_1", -1, "Язык", "Language"},
      {"Lang_m_2_1", -1, "Русский", "Russian"},
      {"Lang_m_2_2", -1, "Английский", "English"},
      {"GroupBox1", -1, "1. Условная площадь поверхности шкафа",
       "1. Characteristics of the enclosure"},
      {"label2", -1, "Высота (В, мм):", "Height (H, mm):"},
      {"label3", -1, "Ширина (Ш, мм):", "Width (W, mm):"},
      {"label4", -1, "Глубина (Г, мм):", "Depth (D, mm):"},
      {"label5", -1, "Материал:", "Material:"},
      {"box1", 0, "Сталь", "Steal"},
      {"box1", 1, "Нержавейка", "INOX"},
      {"box1", 2, "Поликарбонат", "Polycarbonate"},
      {"label6", -1, "Установка:", "Install:"},
      {"box2", 0, "Доступ со всех сторон", "Free-standing single enclosure"},
      {"box2", 1, "Смонтирован у стены", "Ground and Wall mounted single enclosure"},
      {"box2", 2, "Смонтирован в конце сборки", "Ground-mounted first or last enclosure"},
      {"box2", 3, "Смонтирован в углу", "Mounted in corner"},
      {"box2", 4, "Смонтирован в центре сборки", "Ground-mounted middle enclosure"},
      {"box2", 5, "Смонтирован в нише", "Mounted in a wall"},
      {"box2", 6, "Смонтирован в нише и закрыт сверху", "Mounted in a wall and close on top"},
      {"GroupBox2", -1, "2. Мощность тепловыделения оборудования",
       "2. Heat generation of equipment"},
      {"label8", -1, "Мощность тепловыделения (Вт.):", "Heat generation (W):"},
      {"GroupBox3", -1, "3. Параметры окружающей среды", "3. Parametrs of environment"},
      {"label9", -1, "Макс. темп-ра окр. среды (С):", "Max. temp-re of environment (С):"},
      {"label10", -1, "Мин. темп-ра окр. среды (С):", "Min. temp-re of environment (С):"},
      {"label11", -1, "Ср. относ-я влаж-ть (%):", "Middle relative humidity (%):"},
      {"GroupBox4", -1, "4. Средняя температура внутри шкафа", "4. Temperature inside enclosure"},
      {"label14", -1, "Макс. темп-ра в шкафу (С):", "Max. temp-re in enclosure (С):"},
      {"label15", -1, "Мин. темп-ра в шкафу (С):", "Min. temp-re in enclosure (С):"},
      {"GroupBox6", -1, "5. Подбор типа оборудования ", "5. Choose type of equipment "},
      {"Button1", -1, ">>Подобрать<<", ">>Choose<<"},
      {"Total_spec", -1, ">>Итоговая спецификация<<", ">>Total specification<<"},
  };
  ExpectTexts(main_texts::kSwitchTable, expected);
  // Before any switch, the window shows its design texts: these two differ.
  EXPECT_STREQ(main_texts::kDesignCaption, "Конфигуратор \"Norda aervik\" - Tervax - RU");
  EXPECT_STREQ(main_texts::kDesignGroupBox4, "4. Температура внутри шкафа");
}

// The messages of the select button and of the inside-temperature check.
TEST(InterfaceTexts, MainWindowMessages) {
  EXPECT_EQ(MissingInputsMessage({"Материал:"}, kRussian), "Не заполненно поле: \r---> Материал:");
  EXPECT_EQ(MissingInputsMessage({"Material:"}, kEnglish), "Please, choosing: \r---> Material:");
  EXPECT_STREQ(main_texts::kMinAboveMax.ru,
               "Минимальная температура внутри шкафа не может быть больше максимальной, "
               "измените пожалуйста!");
  EXPECT_STREQ(main_texts::kMinAboveMax.en,
               "Minimal temperature in enclosure could not more than maximum temterature, please "
               "change!");
}

TEST(InterfaceTexts, HeaterWindow) {
  const Shown expected[] = {
      {"caption", -1, "Подбор обогрева", "Choosing of heater"},
      {"GroupBox6", -1, "Режим работы установленного оборудования",
       "Mode of operation for equipment"},
      {"Label2", -1, "Режим работы:", "Mode of operation:"},
      {"box1", 0, "Постоянно", "Regular"},
      {"box1", 1, "Периодически", "Cycling"},
      {"GroupBox2", -1, "Дополнительные характеристики", "Additional characteristics"},
      {"check_compact", -1, "Использовать компактные обогреватели", "Use compact heaters"},
      {"check_termo", -1, "Использовать модель со встроенным термостатом",
       "Use heaters with termostat"},
      {"GroupBox1", -1, "Список оборудования", "Specification"},
      {"Button1", -1, "Создать спецификацию", "Create specification"},
      {"Button2", -1, "Экспорт в отчет", "Save into report"},
  };
  ExpectTexts(heat_texts::kCaptionTable, expected);
}

TEST(InterfaceTexts, CoolingUnitWindow) {
  const Shown expected[] = {
      {"caption", -1, "Подбор кондиционера", "Choosing of cooler"},
      {"GroupBox6", -1, "Основные параметры", "Basic parametrs"},
      {"Label2", -1, "Тип кондиционера:", "Type of coolers:"},
      {"Label1", -1, "Напряжение:", "Voltage:"},
      {"GroupBox1", -1, "Список оборудования", "Specification"},
      {"Button1", -1, "Создать спецификацию", "Create specification"},
      {"Button2", -1, "Экспорт в отчет", "Save into report"},
      {"Type_cool", 0, "Навесной", "Wall"},
      {"Type_cool", 1, "Потолочный", "Roof"},
  };
  ExpectTexts(cool_texts::kActivationTable, expected);

  const Text voltages[] = {
      {"~230 В", "~230 Vac"},
      {"~400 В, 2 фазы", "~400 Vac, 2 ph"},
      {"~400/440 В, 3 фазы", "~400/440 Vac, 3 ph"},
  };
  ASSERT_EQ(cool_texts::kVoltage.size(), std::size(voltages));
  for (std::size_t i = 0; i < std::size(voltages); ++i) {
    EXPECT_STREQ(cool_texts::kVoltage[i].ru, voltages[i].ru) << "variant " << i + 1;
    EXPECT_STREQ(cool_texts::kVoltage[i].en, voltages[i].en) << "variant " << i + 1;
  }
  // The items the list holds before it is first rebuilt.
  EXPECT_STREQ(cool_texts::kDesignVoltage[0], "~ 230 В");
  EXPECT_STREQ(cool_texts::kDesignVoltage[1], "~ 400 В, 2 фазы");
  EXPECT_STREQ(cool_texts::kDesignVoltage[2], "~ 400/440 В, 3 фазы");
}

// The fan window shows Russian texts whatever the language.
TEST(InterfaceTexts, FanWindow) {
  const Shown expected[] = {
      {"caption", -1, "Подбор вентилятора", nullptr},
      {"GroupBox6", -1, "Основные параметры", nullptr},
      {"Label2", -1, "Высота над уровнем моря:", nullptr},
      {"Point_sea", 0, "от 0 до 100", nullptr},
      {"Point_sea", 1, "от 100 до 250", nullptr},
      {"Point_sea", 2, "от 250 до 500", nullptr},
      {"Point_sea", 3, "от 500 до 750", nullptr},
      {"Point_sea", 4, "от 750 до 1000", nullptr},
      {"Label1", -1, "Напряжение:", nullptr},
      {"Volt_vent", 0, "~230 В", nullptr},
      {"Volt_vent", 1, "~115 В", nullptr},
      {"GroupBox1", -1, "Список оборудования", nullptr},
      {"Button1", -1, "Создать спецификацию", nullptr},
      {"Button2", -1, "Экспорт в отчет", nullptr},
  };
  ExpectTexts(vent_texts::kActivationTable, expected);
}

// The save window is Russian in both languages.
TEST(InterfaceTexts, SaveWindow) {
  const Shown expected[] = {
      {"caption", -1, "Сохранение отчета", nullptr},
      {"GroupBox6", -1, "Сохранить отчет в", nullptr},
      {"Button1", -1, "В файл TXT", nullptr},
      {"Button2", -1, "В файл EXCEl", nullptr},
  };
  ExpectTexts(save_texts::kActivationTable, expected);
}

// The suggestion texts of the select button and the no-solution text, which is the same in
// both languages.
TEST(InterfaceTexts, SuggestionsAndNoSolution) {
  HeatBalance nothing;
  nothing.no_equipment = true;
  EXPECT_EQ(PlanSuggestions(nothing, kRussian).name_p1,
            "оборудование микроклимата\rне требуется!!");
  HeatBalance heater_and_fan;
  heater_and_fan.heat = 1;
  heater_and_fan.vent = 1;
  const SuggestionPlan both = PlanSuggestions(heater_and_fan, kRussian);
  EXPECT_EQ(both.name_p1, "Выбрать обогреватель");
  EXPECT_EQ(both.name_p2, "Выбрать вентилятор");
  HeatBalance cooler;
  cooler.cooler = 1;
  EXPECT_EQ(PlanSuggestions(cooler, kRussian).name_p1, "Выбрать кондиционер");

  HeatBalance none;
  none.no_solution = true;
  for (int32_t t_lang : {kRussian, kEnglish}) {
    EXPECT_EQ(PlanSuggestions(none, t_lang).status_alarm,
              "Для указанного условия\rрешение в ассортименте Тервакс\rпока отстуствует!")
        << t_lang;
  }
}

// The text of `control` (list item `item`) in a window's table.
template <std::size_t N>
Text TextOf(const std::array<TextEntry, N> &table, std::string_view control, int item = -1) {
  for (const TextEntry &e : table) {
    if (control == e.control && item == e.item) return e.text;
  }
  ADD_FAILURE() << "no text for " << control << " " << item;
  return {"", ""};
}

// The range's own spellings, each where the program must show it. A "correction" of any of
// them is a fault.
TEST(InterfaceTexts, TheRangesOwnSpellingsStayAsWritten) {
  // 2500 W required: no heater of the range.
  const auto beyond =
      CreateSpecification(test_input::ForHeatingPower(2500), HeaterChoice{1}, kRussian, {});
  HeatBalance none;
  none.no_solution = true;

  const struct {
    const char *where;
    std::string text;
    const char *spelling;
  } pins[] = {
      {"material 0 in English", TextOf(main_texts::kSwitchTable, "box1", 0).en, "Steal"},
      {"thermostat TK-NC in English", HeaterItem("TK-NC").name.en, "Termostat"},
      {"thermostat TK-CO in English", HeaterItem("TK-CO").name.en, "Termostat"},
      {"hygrostat HG-CO in English", HeaterItem("HG-CO").name.en, "Gigrostat"},
      {"heater HK-T045 in English", HeaterItem("HK-T045").name.en, "bloch"},
      {"heater HK-V400 in English", HeaterItem("HK-V400").name.en, "bloch"},
      {"main window's no-solution text", PlanSuggestions(none, kRussian).status_alarm,
       "отстуствует"},
      {"heater window's no-solution text", beyond.list_text.value_or(""), "отстутсвует"},
      {"save window's workbook button", TextOf(save_texts::kActivationTable, "Button2").ru,
       "EXCEl"},
  };
  for (const auto &pin : pins) {
    EXPECT_NE(pin.text.find(pin.spelling), std::string::npos)
        << pin.where << ": \"" << pin.text << "\" lacks \"" << pin.spelling << "\"";
  }
}

}  // namespace
}  // namespace climate::interface_texts_test

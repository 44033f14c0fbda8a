// Texts of the interface in Russian and English, side by side, one table per window.
//
// Every reader picks a text the same way: the Russian one when the language number is 1,
// then, separately, the English one when it is 2. Any other number sets nothing, so the
// target keeps what it had. Texts that exist in Russian only have an empty English column
// and are set through SetRussianOnly.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace climate {

inline constexpr int32_t kRussian = 1;
inline constexpr int32_t kEnglish = 2;

struct Text {
  const char *ru;
  const char *en;
};

template <class Setter>
void SetText(int32_t t_lang, const Text &text, Setter &&set) {
  if (t_lang == kRussian) set(text.ru);
  if (t_lang == kEnglish) set(text.en);
}

template <class Setter>
void SetRussianOnly(int32_t t_lang, const char *ru, Setter &&set) {
  if (t_lang == kRussian) set(ru);
}

// Writes the text of the language number into `target`; other numbers leave it unchanged.
inline void SetText(int32_t t_lang, const Text &text, std::string &target) {
  SetText(t_lang, text, [&target](const char *s) { target = s; });
}

namespace main_texts {

// One entry of the main window's text table: the control's object name (the window's
// caption is "caption"), the item index for list items or -1, and the two texts.
struct Entry {
  const char *control;
  int item;
  Text text;
};

// The 32 texts that the two language switches set, in the order they set them.
inline constexpr std::array<Entry, 32> kSwitchTable{{
    {"caption",
     -1,
     {"Конфигуратор \"Norda aervik\" - Tervax - Ru",
      "Configurator \"Norda aervik\" - Tervax - EN"}},
    {"Lang_m_1", -1, {"Язык", "Language"}},
    {"Lang_m_2_1", -1, {"Русский", "Russian"}},
    {"Lang_m_2_2", -1, {"Английский", "English"}},
    {"GroupBox1",
     -1,
     {"1. Условная площадь поверхности шкафа", "1. Characteristics of the enclosure"}},
    {"label2", -1, {"Высота (В, мм):", "Height (H, mm):"}},
    {"label3", -1, {"Ширина (Ш, мм):", "Width (W, mm):"}},
    {"label4", -1, {"Глубина (Г, мм):", "Depth (D, mm):"}},
    {"label5", -1, {"Материал:", "Material:"}},
    {"box1", 0, {"Сталь", "Steal"}},
    {"box1", 1, {"Нержавейка", "INOX"}},
    {"box1", 2, {"Поликарбонат", "Polycarbonate"}},
    {"label6", -1, {"Установка:", "Install:"}},
    {"box2", 0, {"Доступ со всех сторон", "Free-standing single enclosure"}},
    {"box2", 1, {"Смонтирован у стены", "Ground and Wall mounted single enclosure"}},
    {"box2", 2, {"Смонтирован в конце сборки", "Ground-mounted first or last enclosure"}},
    {"box2", 3, {"Смонтирован в углу", "Mounted in corner"}},
    {"box2", 4, {"Смонтирован в центре сборки", "Ground-mounted middle enclosure"}},
    {"box2", 5, {"Смонтирован в нише", "Mounted in a wall"}},
    {"box2", 6, {"Смонтирован в нише и закрыт сверху", "Mounted in a wall and close on top"}},
    {"GroupBox2",
     -1,
     {"2. Мощность тепловыделения оборудования", "2. Heat generation of equipment"}},
    {"label8", -1, {"Мощность тепловыделения (Вт.):", "Heat generation (W):"}},
    {"GroupBox3", -1, {"3. Параметры окружающей среды", "3. Parametrs of environment"}},
    {"label9", -1, {"Макс. темп-ра окр. среды (С):", "Max. temp-re of environment (С):"}},
    {"label10", -1, {"Мин. темп-ра окр. среды (С):", "Min. temp-re of environment (С):"}},
    {"label11", -1, {"Ср. относ-я влаж-ть (%):", "Middle relative humidity (%):"}},
    {"GroupBox4", -1, {"4. Средняя температура внутри шкафа", "4. Temperature inside enclosure"}},
    {"label14", -1, {"Макс. темп-ра в шкафу (С):", "Max. temp-re in enclosure (С):"}},
    {"label15", -1, {"Мин. темп-ра в шкафу (С):", "Min. temp-re in enclosure (С):"}},
    {"GroupBox6", -1, {"5. Подбор типа оборудования ", "5. Choose type of equipment "}},
    {"Button1", -1, {">>Подобрать<<", ">>Choose<<"}},
    {"Total_spec", -1, {">>Итоговая спецификация<<", ">>Total specification<<"}},
}};

// The two design texts that differ from the Russian column of the switch table.
inline constexpr const char *kDesignCaption = "Конфигуратор \"Norda aervik\" - Tervax - RU";
inline constexpr const char *kDesignGroupBox4 = "4. Температура внутри шкафа";
inline constexpr const char *kDesignMenuAbout = "О программе";

// Messages of the select button and of the inside-temperature check.
inline constexpr Text kMissingPrefix{"Не заполненно поле: ", "Please, choosing: "};
inline constexpr const char *kMissingMarker = "---> ";
inline constexpr Text kMinAboveMax{
    "Минимальная температура внутри шкафа не может быть больше максимальной, измените "
    "пожалуйста!",
    "Minimal temperature in enclosure could not more than maximum temterature, please change!"};
inline constexpr Text kZeroSurface{
    "Площадь поверхности шкафа при таких размерах равна нулю, расчет невозможен.\r"
    "Проверьте высоту, ширину и глубину!",
    "The surface of the enclosure is zero for these dimensions, no calculation is possible.\r"
    "Please check the height, width and depth!"};

// Suggestion texts.
inline constexpr Text kNoEquipment{"оборудование микроклимата\rне требуется!!",
                                   "No climate equipment\rrequired!!"};
inline constexpr Text kChooseHeater{"Выбрать обогреватель", "Choose heater"};
inline constexpr Text kChooseFan{"Выбрать вентилятор", "Choose fan"};
inline constexpr Text kChooseCooler{"Выбрать кондиционер", "Choose cooler"};
// The no-solution text is the same in both languages.
inline constexpr const char *kNoSolution =
    "Для указанного условия\rрешение в ассортименте Тервакс\rпока отстуствует!";

}  // namespace main_texts
}  // namespace climate

// Texts of the fan selection window.
//
// The window's own captions are Russian whatever the language number: activation sets them
// every time. The texts that the create operation writes into the list follow the language
// number like every other text reader (Russian when it is 1, English when it is 2).
#pragma once

#include <array>

#include "app/lang.h"

namespace climate {
namespace vent_texts {

// One caption set on activation: the control's object name (the window's caption is
// "caption"), the item index for list items or -1, and the Russian text.
struct Caption {
  const char *control;
  int item;
  const char *ru;
};

inline constexpr std::array<Caption, 14> kActivationTable{{
    {"caption", -1, "Подбор вентилятора"},
    {"GroupBox6", -1, "Основные параметры"},
    {"Label2", -1, "Высота над уровнем моря:"},
    {"Point_sea", 0, "от 0 до 100"},
    {"Point_sea", 1, "от 100 до 250"},
    {"Point_sea", 2, "от 250 до 500"},
    {"Point_sea", 3, "от 500 до 750"},
    {"Point_sea", 4, "от 750 до 1000"},
    {"Label1", -1, "Напряжение:"},
    {"Volt_vent", 0, "~230 В"},
    {"Volt_vent", 1, "~115 В"},
    {"GroupBox1", -1, "Список оборудования"},
    {"Button1", -1, "Создать спецификацию"},
    {"Button2", -1, "Экспорт в отчет"},
}};

// Unit word that closes every line of the list.
inline constexpr Text kUnit{"шт.", "pcs."};

// No fan for the air flow: prefix, the flow in whole m³/h, suffix.
inline constexpr Text kNoSolutionPrefix{"Для воздушного потока в ", "For air flow "};
inline constexpr Text kNoSolutionSuffix{" решение отсутствует!", " m3/hour is not solution!"};

// Create pressed before an altitude was chosen.
inline constexpr Text kChooseAltitude{"Выберите высоту над уровнем моря!",
                                      "Please, choose the altitude above sea level!"};

}  // namespace vent_texts
}  // namespace climate

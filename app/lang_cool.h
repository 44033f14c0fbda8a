// Texts of the cooling-unit window in Russian and English, side by side.
//
// They are picked like every other text of the program (app/lang.h): the Russian one when
// the language number is 1, the English one when it is 2, nothing for any other number.
#pragma once

#include <array>

#include "app/lang.h"

namespace climate {
namespace cool_texts {

// One entry of the window's text table: the control's object name (the window's caption is
// "caption"), the item index for list items or -1, and the two texts.
struct Entry {
  const char *control;
  int item;
  Text text;
};

// Voltage items by supply variant: 230 V single phase, 400 V two phases, 400/440 V three
// phases. Activation picks them first, then sets the table below.
inline constexpr std::array<Text, 3> kVoltage{{
    {"~230 В", "~230 Vac"},
    {"~400 В, 2 фазы", "~400 Vac, 2 ph"},
    {"~400/440 В, 3 фазы", "~400/440 Vac, 3 ph"},
}};

// The texts that every activation sets, in the order it sets them.
inline constexpr std::array<Entry, 9> kActivationTable{{
    {"caption", -1, {"Подбор кондиционера", "Choosing of cooler"}},
    {"GroupBox6", -1, {"Основные параметры", "Basic parametrs"}},
    {"Label2", -1, {"Тип кондиционера:", "Type of coolers:"}},
    {"Label1", -1, {"Напряжение:", "Voltage:"}},
    {"GroupBox1", -1, {"Список оборудования", "Specification"}},
    {"Button1", -1, {"Создать спецификацию", "Create specification"}},
    {"Button2", -1, {"Экспорт в отчет", "Save into report"}},
    {"Type_cool", 0, {"Навесной", "Wall"}},
    {"Type_cool", 1, {"Потолочный", "Roof"}},
}};

// The voltage items the window is built with, before the first activation replaces them.
inline constexpr std::array<const char *, 3> kDesignVoltage{"~ 230 В", "~ 400 В, 2 фазы",
                                                            "~ 400/440 В, 3 фазы"};

// Texts of the create operation: the unit word that ends a specification line, and the
// message for a cooling power no unit of the range can deliver, around the power in watts.
inline constexpr Text kUnitWord{" шт.", " pcs."};
inline constexpr Text kNoSolutionBefore{"Для мощности в ", "For power "};
inline constexpr Text kNoSolutionAfter{" Вт, решение отсутствует!", " W is not solution!"};

}  // namespace cool_texts
}  // namespace climate

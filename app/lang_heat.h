// Texts of the heater selection window in Russian and English, side by side.
#pragma once

#include <array>

#include "app/lang.h"

namespace climate::heat_texts {

// One caption of the window: the control's object name ("caption" for the window title),
// the item index for list items or -1, and the two texts.
using Entry = main_texts::Entry;

// The captions that the window sets at every activation, in the order it sets them.
inline constexpr std::array<Entry, 11> kCaptionTable{{
    {"caption", -1, {"Подбор обогрева", "Choosing of heater"}},
    {"GroupBox6",
     -1,
     {"Режим работы установленного оборудования", "Mode of operation for equipment"}},
    {"Label2", -1, {"Режим работы:", "Mode of operation:"}},
    {"box1", 0, {"Постоянно", "Regular"}},
    {"box1", 1, {"Периодически", "Cycling"}},
    {"GroupBox2", -1, {"Дополнительные характеристики", "Additional characteristics"}},
    {"check_compact", -1, {"Использовать компактные обогреватели", "Use compact heaters"}},
    {"check_termo",
     -1,
     {"Использовать модель со встроенным термостатом", "Use heaters with termostat"}},
    {"GroupBox1", -1, {"Список оборудования", "Specification"}},
    {"Button1", -1, {"Создать спецификацию", "Create specification"}},
    {"Button2", -1, {"Экспорт в отчет", "Save into report"}},
}};

// The unit word that closes every specification line.
inline constexpr Text kUnit{"шт.", "pcs."};

// The list text when no heater of the range is powerful enough: prefix, the required power
// in whole watts, suffix.
inline constexpr Text kNoSolutionPrefix{"Для мощности ", "For power "};
inline constexpr Text kNoSolutionSuffix{" Вт, решение отстутсвует!", " is not solution!"};

// The list text when the enclosure needs no heating power: the required power is 0 W or less.
inline constexpr Text kNoPowerRequired{
    "Требуемая мощность обогрева не больше 0 Вт, обогреватель не требуется.",
    "The required heating power is 0 W or less, no heater is needed."};

}  // namespace climate::heat_texts

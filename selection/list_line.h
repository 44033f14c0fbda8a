// The texts of the selection windows' lists (Qt-free): a specification line and the
// no-solution text, built one way for the heater, fan and cooling windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/lang.h"

namespace climate {

// The quantity of an item chosen once (a fan, a grille, an accessory, a second heater model).
// Assigned as a whole string: GCC 12 warns falsely (-Wrestrict) on assigning short literals
// in place.
inline constexpr const char *kOne = "1";

// One specification line: the code, " - ", the name, " x ", the quantity, " " and the unit
// word, with nothing before or after.
std::string SpecificationLine(std::string_view code, std::string_view name, std::string_view qnt,
                              std::string_view unit);

// The list text when no item of the range fits: the prefix, the value rounded to a whole
// number (a half to the even neighbour) and the suffix, in the language `t_lang`; nothing
// for a language number without a text.
std::optional<std::string> NoSolutionText(int32_t t_lang, const Text &prefix, float value,
                                          const Text &suffix);

}  // namespace climate

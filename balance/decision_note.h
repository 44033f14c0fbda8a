// The figures behind the main window's decision as a text (Qt-free), as an engineer reads them
// off the tooltip of a suggestion text: surface, heat-transfer coefficient, inside temperatures
// without equipment, dew point and, where it applies, the heating needed or the heat to remove.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "balance/heat_balance.h"

namespace climate {

// The tooltip text of a suggestion of `kind` (none: the no-equipment text) for the main
// window's balance of the last calculation (TENMIN as it left it: raised to the dew point where
// it was) and the dew point it used; lines joined by "\n", in the language `t_lang`; empty for
// a language number other than 1 and 2. Temperatures show one decimal, the surface two, powers
// whole watts rounded up; an inside temperature is never shown on the other side of the limit
// it is judged against. Russian writes a decimal comma.
std::string DecisionNote(const BalanceFields &balance, float dew_point,
                         std::optional<Equipment> kind, int32_t t_lang);

}  // namespace climate

// Numbers written into texts (Qt-free): the dew-point label and the no-solution messages.
// They never follow the C library's locale: a desktop that writes decimal commas changes
// nothing here.
#pragma once

#include <string>

namespace climate {

// Shortest decimal form that reads back as the same float; whole numbers show without a
// decimal part ("21", "20.5").
std::string ShortestDecimal(float value);

// The value rounded to the nearest whole number, a value exactly halfway going to the even
// neighbour (612.5 gives 612, 613.5 gives 614), in plain decimal digits.
std::string RoundHalfEven(float value);

}  // namespace climate

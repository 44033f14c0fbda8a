#include "balance/number_text.h"

#include <charconv>
#include <cmath>

namespace climate {

std::string ShortestDecimal(float value) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}

std::string RoundHalfEven(float value) {
  // nearbyint rounds in the default mode, to nearest with ties to even.
  const double rounded = std::nearbyint(static_cast<double>(value));
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, rounded == 0 ? 0.0 : rounded,
                                 std::chars_format::fixed, 0);
  return std::string(buf, res.ptr);
}

}  // namespace climate

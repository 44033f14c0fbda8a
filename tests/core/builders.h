// Inputs the core tests build, in one place.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "balance/heat_balance.h"

namespace climate::test_input {

// The next float above `value`.
inline float Above(float value) {
  return std::nextafter(value, std::numeric_limits<float>::infinity());
}

// A balance whose required heating power in the periodic mode is exactly `power`: K = S = 1
// and TEMIN = 0, so that the losses are TENMIN. The dissipation, not credited in that mode, is
// set so that the constant mode would differ.
inline BalanceFields ForHeatingPower(float power, int32_t vent = 0) {
  return {.K = 1, .S = 1, .PHG = 12345, .TENMIN = power, .heat = 1, .vent = vent};
}

// A balance with the ambient and inside maximum a fan works between, and the heater counter.
inline BalanceFields ForFan(float temax, float tenmax, int32_t heat = 0) {
  return {.TEMAX = temax, .TENMAX = tenmax, .heat = heat, .vent = 1};
}

// The first worked example after its calculation: 2000 × 800 × 600 mm of steel, free on all
// sides, 500 W, ambient 35 / -5 °C at 50 %, inside 40 / 10 °C raised to the dew point 21.
inline BalanceFields FirstWorkedExample() {
  return {.K = 5.5f,
          .S = 5.712f,
          .PHG = 500,
          .TEMAX = 35,
          .TEMIN = -5,
          .TENMAX = 40,
          .TENMIN = 21,
          .heat = 1,
          .vent = 1};
}

}  // namespace climate::test_input

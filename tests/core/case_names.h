// Names of the rows of parameterised tests. Each row describes itself in a few words; its
// name is those words in upper camel case ("heater with one model and a fan" becomes
// "HeaterWithOneModelAndAFan"), so the names CTest shows read as the cases and stay the same
// from build to build.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace testing_names {

// The letters and digits of `words`, each word starting with a capital; an apostrophe
// stays inside its word.
inline std::string UpperCamelCase(std::string_view words) {
  std::string name;
  bool word_start = true;
  for (const char c : words) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\'') continue;
    if (std::isalnum(u) == 0) {
      word_start = true;
      continue;
    }
    name += word_start ? static_cast<char>(std::toupper(u)) : c;
    word_start = false;
  }
  return name;
}

// Name generator for rows that carry their description in a member `what`.
struct ByWhat {
  template <class Row>
  std::string operator()(const testing::TestParamInfo<Row> &row) const {
    return UpperCamelCase(row.param.what);
  }
};

}  // namespace testing_names

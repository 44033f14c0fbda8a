#include "selection/list_line.h"

#include "balance/number_text.h"

namespace climate {

std::string SpecificationLine(std::string_view code, std::string_view name, std::string_view qnt,
                              std::string_view unit) {
  std::string line;
  line.reserve(code.size() + name.size() + qnt.size() + unit.size() + 7);
  line.append(code).append(" - ").append(name).append(" x ").append(qnt).append(" ").append(unit);
  return line;
}

std::optional<std::string> NoSolutionText(int32_t t_lang, const Text &prefix, float value,
                                          const Text &suffix) {
  std::optional<std::string> text;
  SetText(t_lang, prefix, [&](const char *before) {
    std::string after;
    SetText(t_lang, suffix, after);
    text = before + RoundHalfEven(value) + after;
  });
  return text;
}

}  // namespace climate

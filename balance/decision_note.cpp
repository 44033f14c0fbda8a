#include "balance/decision_note.h"

#include <charconv>
#include <cmath>
#include <initializer_list>

#include "app/lang.h"
#include "balance/heat_balance.h"

namespace climate {
namespace {

// `value` with `decimals` digits after the separator, the separator of the language (whatever
// the C library's locale says); no "-0".
std::string Fixed(float value, int decimals, int32_t t_lang) {
  const double scale = std::pow(10.0, decimals);
  double v = static_cast<double>(value);
  if (std::round(v * scale) == 0) v = 0;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  std::string text(buf, res.ptr);
  if (t_lang == kRussian) {
    for (char &c : text) {
      if (c == '.') c = ',';
    }
  }
  return text;
}

// The text of `t_lang` with each "{}" replaced by the next of `values`.
std::string Filled(const Text &text, int32_t t_lang, std::initializer_list<std::string> values) {
  std::string out;
  SetText(t_lang, text, out);
  std::size_t from = 0;
  for (const std::string &v : values) {
    const std::size_t at = out.find("{}", from);
    if (at == std::string::npos) break;
    out.replace(at, 2, v);
    from = at + v.size();
  }
  return out;
}

// A power the equipment must deliver, in whole watts rounded up: a power that is needed at
// all never shows as 0 W.
std::string NeededWatts(float value, int32_t t_lang) {
  const double v = value > 0 ? std::ceil(static_cast<double>(value)) : static_cast<double>(value);
  return Fixed(static_cast<float>(v), 0, t_lang);
}

// An inside temperature beside the limit it is judged against, with one decimal. A
// temperature on one side of the limit never shows equal to it or beyond it: it is rounded
// away from the limit instead (9.985 °C below 10 °C shows as 9.9).
std::string Beside(float value, float limit, int32_t t_lang) {
  const double v = value;
  double shown = std::round(v * 10) / 10;
  if (v < limit && shown >= limit) shown = std::floor(v * 10) / 10;
  if (v > limit && shown <= limit) shown = std::ceil(v * 10) / 10;
  return Fixed(static_cast<float>(shown), 1, t_lang);
}

}  // namespace

std::string DecisionNote(const BalanceFields &f, float dew_point, std::optional<Equipment> kind,
                         int32_t t_lang) {
  if (t_lang != kRussian && t_lang != kEnglish) return {};
  namespace T = note_texts;
  auto whole = [t_lang](float v) { return Fixed(v, 0, t_lang); };

  std::string note = Filled(T::kSurface, t_lang, {Fixed(f.S, 2, t_lang)});
  auto line = [&note](const std::string &text) {
    note += '\n';
    note += text;
  };
  line(Filled(T::kCoefficient, t_lang, {Fixed(f.K, 1, t_lang)}));
  // The inside temperatures are judged against the limits to hold: the hot case against the
  // maximum, the cold case against the minimum.
  line(Filled(T::kInsideWithout, t_lang,
              {whole(f.TEMAX),
               Beside(InsideWithoutEquipment(f.PHG, f.K, f.S, f.TEMAX), f.TENMAX, t_lang)}));
  line(Filled(T::kInsideWithout, t_lang,
              {whole(f.TEMIN),
               Beside(InsideWithoutEquipment(f.PHG, f.K, f.S, f.TEMIN), f.TENMIN, t_lang)}));
  line(Filled(T::kDewPoint, t_lang, {whole(dew_point)}));
  line(Filled(T::kToHold, t_lang, {whole(f.TENMIN), whole(f.TENMAX)}));

  if (kind == Equipment::Heater) {
    line(Filled(T::kHeating, t_lang,
                {NeededWatts(RequiredHeatingPower(f, 0), t_lang),
                 NeededWatts(RequiredHeatingPower(f, 1), t_lang)}));
  }
  if (kind == Equipment::Fan || kind == Equipment::Cooler) {
    line(Filled(T::kHeatToRemove, t_lang, {NeededWatts(HeatSurplus(f), t_lang)}));
  }
  return note;
}

}  // namespace climate

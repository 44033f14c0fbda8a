#include "report/windows1251.h"

#include <array>
#include <cstdint>

namespace climate {

namespace {

// Characters of the bytes 0x80 to 0xBF; 0x98 has none. 0x00 to 0x7F are ASCII and 0xC0 to
// 0xFF the Cyrillic letters А to я (U+0410 to U+044F) in alphabetical order.
constexpr std::array<char32_t, 64> kUpperHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0,      0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

constexpr char kLacking = '?';

char Encode(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  if (c >= 0x0410 && c <= 0x044F) return static_cast<char>(0xC0 + (c - 0x0410));
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] == c) return static_cast<char>(0x80 + i);
  }
  return kLacking;
}

// One well-formed UTF-8 sequence: its length and the range its second byte must lie in
// (the first byte decides both); the bytes after the second lie in 0x80 to 0xBF. The ranges
// exclude overlong forms, surrogates and values past U+10FFFF.
struct SequenceRule {
  int length = 0;  // 0: the byte cannot start a sequence
  uint8_t low = 0x80;
  uint8_t high = 0xBF;
};

SequenceRule RuleFor(uint8_t lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {};
}

}  // namespace

std::string Utf8ToWindows1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<uint8_t>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    const SequenceRule rule = RuleFor(lead);
    if (rule.length == 0) {
      out += kLacking;
      ++i;
      continue;
    }
    // The lead byte's payload bits, then six bits from each continuation byte. A sequence
    // that breaks off is replaced as a whole by one "?", and the byte that broke it is read
    // again as the start of the next character.
    char32_t c = lead & (0x7F >> rule.length);
    int taken = 1;
    for (; taken < rule.length && i + taken < utf8.size(); ++taken) {
      const auto next = static_cast<uint8_t>(utf8[i + taken]);
      const uint8_t low = taken == 1 ? rule.low : 0x80;
      const uint8_t high = taken == 1 ? rule.high : 0xBF;
      if (next < low || next > high) break;
      c = (c << 6) | (next & 0x3F);
    }
    out += taken == rule.length ? Encode(c) : kLacking;
    i += taken;
  }
  return out;
}

}  // namespace climate

// The conversion of the text specification into Windows-1251: bytes from the code page's
// chart, malformed input, and (where the C library offers iconv) every character of the
// Basic Multilingual Plane and a few beyond it against the C library's own converter.
#include "report/windows1251.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "tests/core/case_names.h"

#if __has_include(<iconv.h>)
#include <iconv.h>

#include <cerrno>
#define AERVIK_HAVE_ICONV 1
#endif

namespace climate {
namespace {

struct Conversion {
  const char *what;
  std::string utf8;
  std::string bytes;
};

void PrintTo(const Conversion &c, std::ostream *os) {
  *os << c.what;
}

class Windows1251 : public testing::TestWithParam<Conversion> {};

TEST_P(Windows1251, Bytes) {
  EXPECT_EQ(Utf8ToWindows1251(GetParam().utf8), GetParam().bytes) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Chart, Windows1251,
    testing::Values(
        Conversion{"heading with CR LF", "Обогрев воздуха:\r\n",
                   "\xCE\xE1\xEE\xE3\xF0\xE5\xE2 \xE2\xEE\xE7\xE4\xF3\xF5\xE0:\r\n"},
        Conversion{"first and last letters", "АЯая", "\xC0\xDF\xE0\xFF"},
        Conversion{"Ё and ё lie outside the alphabet block", "Ёё", "\xA8\xB8"},
        Conversion{"number sign, degree, euro", "№°€", "\xB9\xB0\x88"},
        Conversion{"dashes, quotes and ellipsis", "–—«»„“…", "\x96\x97\xAB\xBB\x84\x93\x85"},
        Conversion{"Ukrainian and Serbian letters", "ҐґЄєЇїІіЂђЉљЏџ",
                   "\xA5\xB4\xAA\xBA\xAF\xBF\xB2\xB3\x80\x90\x8A\x9A\x8F\x9F"},
        Conversion{"no-break space, soft hyphen, trade mark", "\u00A0\u00AD\u2122", "\xA0\xAD\x99"},
        Conversion{"ASCII and control characters pass as they are", std::string("a\0\x1A\x7F~", 5),
                   std::string("a\0\x1A\x7F~", 5)},
        Conversion{"Latin letters with marks are lacking", "Müller café", "M?ller caf?"},
        Conversion{"the character of the empty place 0x98 is lacking", "\u0098", "?"},
        Conversion{"CJK ideograph and replacement character", "中\uFFFD", "??"},
        Conversion{"a character outside the BMP is one question mark", "x😀y", "x?y"},
        Conversion{"empty text", "", ""}),
    testing_names::ByWhat());

INSTANTIATE_TEST_SUITE_P(
    Malformed, Windows1251,
    testing::Values(Conversion{"lone continuation byte", "a\x80z", "a?z"},
                    Conversion{"bytes that never start a sequence", "\xC0\xC1\xF5\xFF", "????"},
                    Conversion{"overlong form of NUL: two bytes, each malformed", "\xC0\x80", "??"},
                    Conversion{"overlong three-byte form", "\xE0\x80\xAF", "???"},
                    Conversion{"sequence cut off at the end", "Я\xD0", "\xDF?"},
                    Conversion{"three-byte sequence cut off by an ASCII letter", "\xE2\x82z", "?z"},
                    Conversion{"four-byte sequence cut off at the end", "\xF0\x9F\x98", "?"},
                    Conversion{"cut-off sequence followed by a letter", "\xD0\xD0\x90", "?\xC0"},
                    Conversion{"encoded surrogate", "\xED\xA0\x80", "???"},
                    Conversion{"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
                    Conversion{"last code points before the limits", "\xED\x9F\xBF\xF4\x8F\xBF\xBF",
                               "??"}),
    testing_names::ByWhat());

#ifdef AERVIK_HAVE_ICONV

std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

// The C library's conversion of one character given as UTF-32, "?" where it has none.
class Oracle {
 public:
  Oracle() : cd_(iconv_open("CP1251", "UTF-32LE")) {}
  ~Oracle() {
    if (valid()) iconv_close(cd_);
  }
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  std::string Convert(char32_t c) {
    const unsigned char in[4] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8),
                                 static_cast<unsigned char>(c >> 16),
                                 static_cast<unsigned char>(c >> 24)};
    char out[8];
    char *in_ptr = reinterpret_cast<char *>(const_cast<unsigned char *>(in));
    char *out_ptr = out;
    size_t in_left = sizeof in;
    size_t out_left = sizeof out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1)) {
      EXPECT_EQ(errno, EILSEQ) << "U+" << std::hex << static_cast<uint32_t>(c);
      return "?";
    }
    return std::string(out, out_ptr);
  }

 private:
  iconv_t cd_;
};

TEST(Windows1251Oracle, EveryCharacterOfTheBasicPlaneAndSomeBeyond) {
  Oracle oracle;
  ASSERT_TRUE(oracle.valid()) << "the C library has no CP1251 converter";
  std::string text;
  std::string expected;
  int mismatches = 0;
  auto check = [&](char32_t c) {
    const std::string want = oracle.Convert(c);
    const std::string got = Utf8ToWindows1251(Utf8(c));
    if (got != want && ++mismatches <= 10) {
      ADD_FAILURE() << "U+" << std::hex << static_cast<uint32_t>(c) << ": got " << got.size()
                    << " byte(s), first 0x" << (got.empty() ? 0 : got[0] & 0xFF)
                    << ", the C library gives 0x" << (want.empty() ? 0 : want[0] & 0xFF);
    }
    text += Utf8(c);
    expected += want;
  };
  int encodable = 0;
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;  // surrogates are no characters
    check(c);
    if (expected.back() != '?' || c == '?') ++encodable;
  }
  for (char32_t c : {0x10000, 0x1D11E, 0x1F600, 0x1F525, 0x20000, 0x10FFFF}) check(c);
  EXPECT_EQ(mismatches, 0);
  // 128 ASCII characters and 127 others: every byte but 0x98 has a character.
  EXPECT_EQ(encodable, 255);
  // The same characters in one text convert to the same bytes.
  EXPECT_TRUE(Utf8ToWindows1251(text) == expected) << "the whole plane as one text differs";
}

#endif

}  // namespace
}  // namespace climate

// The single-byte code page of the Cyrillic Windows desktops the program serves (Qt-free),
// Windows-1251, in which the text specification file is written.
#pragma once

#include <string>
#include <string_view>

namespace climate {

// The UTF-8 text in Windows-1251, one byte per character. A character the code page lacks
// (only text typed by the user can hold one) becomes "?", and so does each malformed
// stretch of the input (an invalid or truncated byte sequence, an encoded surrogate, an
// overlong form). Nothing is dropped silently and nothing raises.
std::string Utf8ToWindows1251(std::string_view utf8);

}  // namespace climate

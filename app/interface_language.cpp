#include "app/interface_language.h"

namespace climate {

namespace {

int32_t (*g_language_source)() = nullptr;

}  // namespace

void SetLanguageSource(int32_t (*source)()) {
  g_language_source = source;
}

QString InterfaceText(const Text &text) {
  return QString::fromUtf8(
      InInterfaceLanguage(text, g_language_source ? g_language_source() : kRussian));
}

}  // namespace climate

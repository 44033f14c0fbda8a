// The language the interface speaks at the moment (Qt): the main window's language number,
// read through a source the main window installs, for texts made far from the windows (error
// messages, names for screen readers, captions of the system's dialogs).
#pragma once

#include <QString>

#include <cstdint>

#include "app/lang.h"

namespace climate {

// Installs the source of the language number; without one, texts are Russian.
void SetLanguageSource(int32_t (*source)());

// `text` in the interface language: English for 2, Russian otherwise.
QString InterfaceText(const Text &text);

}  // namespace climate

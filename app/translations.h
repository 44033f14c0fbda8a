// The toolkit's own texts (Qt) — the file dialog, context menus, standard buttons — in the
// interface language.
#pragma once

#include <cstdint>

namespace climate {

// Installs the toolkit's own Russian texts while the interface language is Russian, with the
// program's own for the few its translation lacks, and removes them for any other language.
void UseToolkitTexts(int32_t t_lang);
// Whether the toolkit's Russian texts are installed.
bool ToolkitTextsInstalled();

}  // namespace climate

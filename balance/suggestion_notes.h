// Tooltips of the main window's suggestion texts with the figures behind the decision.
#pragma once

class TGaervik;

// Gives each suggestion text that shows something the figures of the last calculation as a
// read-only tooltip in the current language; a text that shows nothing has none.
void RefreshSuggestionNotes(TGaervik &window);

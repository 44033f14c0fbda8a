// Tooltips of the main window's suggestion texts (Qt): the figures behind the decision, as
// balance/decision_note.* words them.
#pragma once

class TGaervik;

// Gives each suggestion text that shows something the figures of the last calculation as a
// read-only tooltip in the current language; a text that shows nothing has none.
void RefreshSuggestionTooltips(TGaervik &window);

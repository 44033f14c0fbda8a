// The workflow (Qt) between the main window and the three selection windows: which window a
// suggestion opens, how the selection windows are reset, and what each export records on
// the main window.
#pragma once

enum class SelectionReset {
  Full,           // before every calculation: all three windows
  Plain,          // on an input change: the windows opened from the first suggestion
  PictureHiding,  // as Plain, and the windows' pictures are hidden
};

// Resets the heater, fan and cooling windows, in that order.
void ResetSelectionWindows(SelectionReset variant);

namespace climate {
class TForm;
}

// The window a click on the first or the second suggestion opens by the main window's
// counters, or nullptr when it opens none.
climate::TForm *FirstSuggestionWindow();
climate::TForm *SecondSuggestionWindow();

// Opens the window of the first suggestion by the main window's counters and, once it is
// closed however that happened, records that it was opened from there.
void OpenFromFirstSuggestion();
// Opens the window of the second suggestion; records nothing.
void OpenFromSecondSuggestion();

// What each export records on the main window, just before its window closes.
void HeaterExported();
void FanExported();
void CoolerExported();

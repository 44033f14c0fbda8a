// A user's journey through the windows for tests: the select button, the suggestions and
// the modal windows they open, and the saved files read back.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <source_location>

#include "app/labels.h"
#include "tests/ui/ui_harness.h"

namespace testing_ui {

// Enclosures the window tests share, as the user enters them.
// Needs a heater and a fan: HK-V400 with TK-CO; FK-270-230 with GK-270 at the lowest altitude.
inline const Enclosure kHeaterAndFan{"2000", "800", "600", 0, 0, "500", 35, -5, 50, 40, 10};
// Needs a cooling unit alone.
inline const Enclosure kCoolerAlone{"2000", "600", "500", 0, 1, "800", 45, 5, 60, 35, 20};
// Needs no equipment.
inline const Enclosure kNothing{"2000", "800", "600", 0, 0, "100", 20, 10, 10, 40, 5};
// No item of the range holds it.
inline const Enclosure kNoSolution{"1000", "1000", "1000", 0, 0, "2750", 35, 30, 10, 25, 0};

// Fills every input and presses the select button.
void Select(const Enclosure &e);

// Clicks a suggestion text and runs `work` in the selection window that opens. Returns the
// window that opened, or nullptr when the click opened none. A window that `work` leaves
// open is closed with its close box; one that does not close in time fails the test.
QWidget *ClickSuggestion(climate::TLinkLabel *label, const std::function<void(QWidget *)> &work,
                         std::source_location where = std::source_location::current());

// In an open selection window: makes a first choice of every list and presses create.
void Create(QWidget *window);
// Create, then the export button, which closes the window.
void Export(QWidget *window);
// Closes the window with its close box.
void CloseBox(QWidget *window);

// Opens the save window from the total-specification button and presses its text or
// workbook button with `file` chosen in the file dialog. Returns false when the save
// window did not open (the button is disabled) or did not close after the save.
bool SaveText(const QString &file);
bool SaveWorkbook(const QString &file);

// The rows of a workbook as the independent reader prints them, one JSON list per line.
QStringList ReadWorkbook(const QString &file);
// The same for several workbooks at once, in their order (one start of the reader).
QList<QStringList> ReadWorkbooks(const QStringList &files);
// The whole contents of a file, or "<missing>".
QByteArray ReadFile(const QString &file);
// Makes `file` hold `bytes`, as something other than the program would; a test failure when
// it cannot.
void WriteFile(const QString &file, const QByteArray &bytes);
// The error text of a save of `bytes` as `file` that must fail, or "<saved>" when it succeeds.
QString FailureOf(const QString &file, const QByteArray &bytes);

}  // namespace testing_ui

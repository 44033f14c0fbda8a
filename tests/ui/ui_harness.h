// Helpers for window tests: a recorder for message boxes, user actions on real widgets and
// a way to work a modal window while it is shown.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QWidget>

#include <QQueue>

#include <functional>
#include <optional>

#include "app/messages.h"

namespace testing_ui {

// Records every message box instead of showing it, as if OK were pressed at once.
class MessageRecorder : public climate::MessagePresenter {
 public:
  void Information(QWidget *, const QString &text) override { information << text; }
  void Error(QWidget *, const QString &text) override { errors << text; }
  // Answers a file dialog with the next queued name; an empty queue or a queued empty
  // optional cancels it.
  std::optional<QString> SaveFileName(QWidget *, const QString &dialog, const QString &) override {
    dialogs << dialog;
    return file_names.isEmpty() ? std::nullopt : file_names.dequeue();
  }
  void Clear() {
    information.clear();
    errors.clear();
    dialogs.clear();
    file_names.clear();
  }
  QStringList information;
  QStringList errors;
  QStringList dialogs;  // the file dialogs shown, by name
  QQueue<std::optional<QString>> file_names;
};

MessageRecorder &Messages();

// Types text into a field key by key, as a user would.
void Type(QLineEdit *edit, const QString &text);
// Chooses an item of a list with the mouse, as a user would.
void Choose(QComboBox *box, int index);
// Clicks a widget with the left mouse button.
void Click(QWidget *widget);

// An enclosure as the user enters it: list values, not indexes.
struct Enclosure {
  QString h, w, d;
  int material, installation;  // list indexes
  QString phg;
  int temax, temin, humidity, tenmax, tenmin;
};

// Types and chooses every input of the main window, as a user would.
void FillEnclosure(const Enclosure &e);

// Index of the item whose text is `value`.
int IndexOfValue(QComboBox *box, int value);

// Runs `action` as soon as `window` is shown (modally), then returns. The action usually
// ends the modal run by pressing a button of the window or closing it.
void WhenShown(QWidget *window, std::function<void()> action);

// Base of the window tests: every test function starts with the eight windows just created,
// the main window shown and no message recorded, and ends by destroying the windows.
class WindowTest : public QObject {
  Q_OBJECT

 protected slots:
  void init();
  void cleanup();
};

// Runs a test object under the program's application object with messages recorded.
int RunTests(QObject *tests, int argc, char **argv);

}  // namespace testing_ui

#define UI_TEST_MAIN(TestClass)                      \
  int main(int argc, char **argv) {                  \
    TestClass tests;                                 \
    return testing_ui::RunTests(&tests, argc, argv); \
  }

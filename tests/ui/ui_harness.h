// Helpers for window tests: a recorder for message boxes, user actions on real widgets and
// a way to work a modal window while it is shown.
//
// A helper that cannot do what it is asked (an item that cannot be chosen, a key the field
// refuses, a window that does not open) fails the current test at the caller's line.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <source_location>

#include "app/messages.h"

namespace climate {
class TForm;
}

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

// While it lives, the program shows its real message boxes and file dialogs instead of
// recording them.
class RealDialogs {
 public:
  RealDialogs() : recorder_(climate::SetMessagePresenter(nullptr)) {}
  ~RealDialogs() { climate::SetMessagePresenter(recorder_); }
  RealDialogs(const RealDialogs &) = delete;
  RealDialogs &operator=(const RealDialogs &) = delete;

 private:
  climate::MessagePresenter *recorder_;
};

// Types text into a field key by key, as a user would. Every key must reach the field: a
// key that the field's filter or length limit refuses fails the test, so that a test never
// believes it changed an input that stayed as it was.
void Type(QLineEdit *edit, const QString &text,
          std::source_location where = std::source_location::current());
// Presses the keys of `text` in a field whether or not it takes them, for tests of the
// key filter itself.
void PressKeys(QLineEdit *edit, const QString &text);
// Chooses an item of a list with the mouse, as a user would; fails the test when the item
// cannot be chosen.
void Choose(QComboBox *box, int index,
            std::source_location where = std::source_location::current());
// Clicks a widget with the left mouse button.
void Click(QWidget *widget);
// Ticks or unticks a check box with the mouse, on its indicator; fails the test when the
// box does not change.
void Tick(QAbstractButton *box, std::source_location where = std::source_location::current());

// An enclosure as the user enters it: list values, not indexes.
struct Enclosure {
  QString h, w, d;
  int material, installation;  // list indexes
  QString phg;
  int temax, temin, humidity, tenmax, tenmin;
};

// Types and chooses every input of the main window, as a user would.
void FillEnclosure(const Enclosure &e,
                   std::source_location where = std::source_location::current());

// Index of the item whose text is `value`; fails the test and gives -1 when there is none.
int IndexOfValue(QComboBox *box, int value,
                 std::source_location where = std::source_location::current());

// How long a modal window may take to open and its action to finish: far more than any
// window needs here, even under the sanitizers on a busy machine.
inline constexpr std::chrono::milliseconds kModalTimeout{20000};

// Works a modal window. `open` is what the user does to show one of `windows` modally (a
// click on a suggestion, a button, a menu item); it returns when that showing ends. As soon
// as one of the windows is shown, `action` runs with it, and a window the action leaves
// open is then closed with its close box. Returns the window that was shown, or nullptr
// when none was. With no `windows` given, any window shown modally counts (a message box or
// file dialog the program makes for the occasion).
//
// The run fails the current test when a window is shown without being modal, or when it
// has not ended within `timeout`; every modal window is then closed so that `open` returns.
// Nothing of the run outlives the call, so a run that went wrong cannot touch a later test.
QWidget *RunModal(const QList<QWidget *> &windows, const std::function<void()> &open,
                  const std::function<void(QWidget *)> &action,
                  std::chrono::milliseconds timeout = kModalTimeout,
                  std::source_location where = std::source_location::current());

// RunModal for one window that must open: fails the current test when `open` does not show
// `window` modally. Returns false when the test has failed, here or in `action`; the test
// function then returns:
//   if (!InModalWindow(save_form, [] { Click(Gaervik->Total_spec); }, [] { ... })) return;
[[nodiscard]] bool InModalWindow(QWidget *window, const std::function<void()> &open,
                                 const std::function<void()> &action,
                                 std::chrono::milliseconds timeout = kModalTimeout,
                                 std::source_location where = std::source_location::current());

// Base of the window tests: every test function starts with the eight windows just created,
// the main window shown and no message recorded, and ends by destroying the windows.
class WindowTest : public QObject {
  Q_OBJECT

 protected slots:
  void init();
  void cleanup();
};

// A window test whose test functions each get a fresh temporary folder, removed afterwards
// with whatever the test left in it.
class FolderWindowTest : public WindowTest {
  Q_OBJECT

 protected slots:
  void init();
  void cleanup();

 protected:
  QString Folder() const;
  // `name` in the folder.
  QString Path(const QString &name) const;

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

// Runs a test object under the program's application object with messages recorded.
int RunTests(QObject *tests, int argc, char **argv);

// The window tests are one program. Each test class registers itself under the name of its
// source file without folder and extension ("main_window_test"); the program runs the class
// that its first argument names, with the other arguments given to Qt Test.
using TestFactory = std::unique_ptr<QObject> (*)();
bool RegisterTestClass(const char *source_file, TestFactory make);
int RunNamedTests(int argc, char **argv);

}  // namespace testing_ui

#define UI_TEST_CLASS(TestClass)                                            \
  static const bool registered_##TestClass = testing_ui::RegisterTestClass( \
      __FILE__, []() -> std::unique_ptr<QObject> { return std::make_unique<TestClass>(); });

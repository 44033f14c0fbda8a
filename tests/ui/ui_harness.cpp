#include "tests/ui/ui_harness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/form.h"
#include "balance/aervik.h"

namespace testing_ui {
namespace {

void Fail(const QString &what, const std::source_location &where) {
  QTest::qFail(qPrintable(what), where.file_name(), static_cast<int>(where.line()));
}

QString NameOf(const QWidget *window) {
  return window != nullptr ? window->objectName() : QStringLiteral("<destroyed window>");
}

// Closes every modal window, the innermost first, so that their modal runs end.
void CloseModalWindows() {
  for (int guard = 0; guard < 32; ++guard) {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    modal->close();
    if (modal->isVisible()) modal->hide();
  }
}

}  // namespace

MessageRecorder &Messages() {
  static MessageRecorder recorder;
  return recorder;
}

void PressKeys(QLineEdit *edit, const QString &text) {
  edit->setFocus();
  QTest::keyClicks(edit, text);
}

void Type(QLineEdit *edit, const QString &text, std::source_location where) {
  // What the field holds when it takes every key: the text typed over the selection, or
  // inserted at the cursor.
  QString expected = edit->text();
  const int at = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  expected.remove(at, static_cast<int>(edit->selectedText().size()));
  expected.insert(at, text);
  PressKeys(edit, text);
  if (edit->text() != expected) {
    Fail(QStringLiteral("%1 refused keys: typing \"%2\" gave \"%3\", not \"%4\"")
             .arg(edit->objectName(), text, edit->text(), expected),
         where);
  }
}

void Choose(QComboBox *box, int index, std::source_location where) {
  if (index < 0 || index >= box->count()) {
    Fail(QStringLiteral("%1 has no item %2").arg(box->objectName()).arg(index), where);
    return;
  }
  int chosen = -1;
  auto watch = QObject::connect(box, &QComboBox::activated, [&chosen](int i) { chosen = i; });
  box->showPopup();
  QAbstractItemView *view = box->view();
  const QModelIndex item = box->model()->index(index, 0);
  view->scrollTo(item);
  const QRect rect = view->visualRect(item);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    QPoint(rect.left() + 4, rect.center().y()));
  if (view->isVisible()) box->hidePopup();
  QCoreApplication::processEvents();
  QObject::disconnect(watch);
  if (chosen != index) {
    Fail(QStringLiteral("could not choose item %1 of %2 (item at %3,%4 %5x%6, list %7x%8)")
             .arg(index)
             .arg(box->objectName())
             .arg(rect.x())
             .arg(rect.y())
             .arg(rect.width())
             .arg(rect.height())
             .arg(view->viewport()->width())
             .arg(view->viewport()->height()),
         where);
  }
}

int IndexOfValue(QComboBox *box, int value, std::source_location where) {
  const int i = box->findText(QString::number(value));
  if (i < 0) Fail(QStringLiteral("no list item %1 in %2").arg(value).arg(box->objectName()), where);
  return i;
}

void FillEnclosure(const Enclosure &e, std::source_location where) {
  // A field that already holds a number is typed over, as a user selects it and types anew.
  auto type_over = [where](QLineEdit *edit, const QString &text) {
    edit->selectAll();
    Type(edit, text, where);
  };
  type_over(Gaervik->Edit1, e.h);
  type_over(Gaervik->Edit2, e.w);
  type_over(Gaervik->Edit3, e.d);
  Choose(Gaervik->box1, e.material, where);
  Choose(Gaervik->box2, e.installation, where);
  type_over(Gaervik->Edit4, e.phg);
  Choose(Gaervik->box3, IndexOfValue(Gaervik->box3, e.temax, where), where);
  Choose(Gaervik->box4, IndexOfValue(Gaervik->box4, e.temin, where), where);
  Choose(Gaervik->box5, IndexOfValue(Gaervik->box5, e.humidity, where), where);
  Choose(Gaervik->box6, IndexOfValue(Gaervik->box6, e.tenmax, where), where);
  Choose(Gaervik->box7, IndexOfValue(Gaervik->box7, e.tenmin, where), where);
}

void Click(QWidget *widget) {
  QTest::mouseClick(widget, Qt::LeftButton);
}

void Tick(QAbstractButton *box, std::source_location where) {
  const bool was = box->isChecked();
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  if (box->isChecked() == was) {
    Fail(QStringLiteral("%1 did not change when clicked").arg(box->objectName()), where);
  }
}

namespace {

// What a modal run saw: the window that was shown, and whether the run itself failed the
// test (a failed check inside the action is the test's own).
struct ModalRun {
  QPointer<QWidget> shown;
  bool failed = false;
};

ModalRun WorkModal(const QList<QWidget *> &windows, const std::function<void()> &open,
                   const std::function<void(QWidget *)> &action, std::chrono::milliseconds timeout,
                   const std::source_location &where) {
  QList<QPointer<QWidget>> watched;
  for (QWidget *w : windows) watched << w;
  ModalRun run;
  bool modal = false;
  bool finished = false;
  bool timed_out = false;

  // Both timers live in this call: when it returns, nothing of the run is left to fire.
  QTimer poll;
  poll.setInterval(1);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  watchdog.setInterval(timeout);
  const bool any = windows.isEmpty();
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (any && QApplication::activeModalWidget() != nullptr) {
      watched = {QApplication::activeModalWidget()};
    }
    for (const QPointer<QWidget> &w : watched) {
      if (w == nullptr || !w->isVisible()) continue;
      poll.stop();
      run.shown = w;
      modal = QApplication::activeModalWidget() == w;
      if (modal) {
        action(w);
        finished = true;
      }
      if (run.shown != nullptr && run.shown->isVisible()) run.shown->close();
      return;
    }
  });
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    timed_out = true;
    poll.stop();
    CloseModalWindows();
  });
  poll.start();
  watchdog.start();
  open();
  poll.stop();
  watchdog.stop();

  if (run.shown == nullptr) {
    // Shown without a modal run, so that `open` returned at once.
    for (const QPointer<QWidget> &w : watched) {
      if (w != nullptr && w->isVisible()) {
        run.shown = w;
        w->close();
        break;
      }
    }
  }
  const qint64 ms = timeout.count();
  QString problem;
  if (run.shown != nullptr && !modal) {
    problem = QStringLiteral("%1 was shown, but not modally").arg(NameOf(run.shown));
  } else if (timed_out && run.shown == nullptr) {
    problem =
        QStringLiteral("no window opened within %1 ms, and the action did not return").arg(ms);
  } else if (timed_out && !finished) {
    problem = QStringLiteral("the action in %1 did not finish within %2 ms")
                  .arg(NameOf(run.shown))
                  .arg(ms);
  } else if (timed_out) {
    problem = QStringLiteral("%1 was still open after %2 ms").arg(NameOf(run.shown)).arg(ms);
  }
  if (!problem.isEmpty()) {
    Fail(problem, where);
    run.failed = true;
  }
  return run;
}

}  // namespace

QWidget *RunModal(const QList<QWidget *> &windows, const std::function<void()> &open,
                  const std::function<void(QWidget *)> &action, std::chrono::milliseconds timeout,
                  std::source_location where) {
  return WorkModal(windows, open, action, timeout, where).shown;
}

bool InModalWindow(QWidget *window, const std::function<void()> &open,
                   const std::function<void()> &action, std::chrono::milliseconds timeout,
                   std::source_location where) {
  const QString name = NameOf(window);
  ModalRun run = WorkModal(
      {window}, open, [&action](QWidget *) { action(); }, timeout, where);
  if (run.shown == nullptr && !run.failed) {
    Fail(QStringLiteral("%1 did not open").arg(name), where);
    run.failed = true;
  }
  return !run.failed && !QTest::currentTestFailed();
}

void WindowTest::init() {
  climate::CreateWindows();
  Gaervik->show();
  QVERIFY(QTest::qWaitForWindowExposed(Gaervik));
  Messages().Clear();
}

void WindowTest::cleanup() {
  // A test that returns with a modal window still open would leave it to the next one.
  const QWidget *modal = QApplication::activeModalWidget();
  const bool left_open = modal != nullptr;
  const QString name = left_open ? NameOf(modal) : QString();
  CloseModalWindows();
  climate::DestroyWindows();
  QVERIFY2(!left_open, qPrintable("modal window " + name + " was left open"));
}

void FolderWindowTest::init() {
  WindowTest::init();
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
}

void FolderWindowTest::cleanup() {
  WindowTest::cleanup();
  dir_.reset();
}

QString FolderWindowTest::Folder() const {
  return dir_->path();
}

QString FolderWindowTest::Path(const QString &name) const {
  return dir_->filePath(name);
}

int RunTests(QObject *tests, int argc, char **argv) {
  climate::TApplication app(argc, argv);
  climate::SetMessagePresenter(&Messages());
  return QTest::qExec(tests, argc, argv);
}

namespace {

std::map<std::string, TestFactory> &TestClasses() {
  static std::map<std::string, TestFactory> classes;
  return classes;
}

}  // namespace

bool RegisterTestClass(const char *source_file, TestFactory make) {
  return TestClasses().emplace(std::filesystem::path(source_file).stem().string(), make).second;
}

int RunNamedTests(int argc, char **argv) {
  const auto found = argc > 1 ? TestClasses().find(argv[1]) : TestClasses().end();
  if (found == TestClasses().end()) {
    std::fprintf(stderr, "usage: %s TEST [Qt Test options]\nTEST is one of:\n", argv[0]);
    for (const auto &[name, make] : TestClasses()) std::fprintf(stderr, "  %s\n", name.c_str());
    return 2;
  }
  // Qt Test sees the program's name and the options after the test's name.
  std::vector<char *> arguments{argv[0]};
  arguments.insert(arguments.end(), argv + 2, argv + argc);
  arguments.push_back(nullptr);
  int count = argc - 1;
  const std::unique_ptr<QObject> tests = found->second();
  return RunTests(tests.get(), count, arguments.data());
}

}  // namespace testing_ui

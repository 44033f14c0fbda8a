#include "tests/ui/journey.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "balance/aervik.h"
#include "report/save.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"

namespace testing_ui {

namespace {

// How long a modal window may stay open in a test before it is closed as stuck.
constexpr int kModalLimitMs = 10000;

// Runs `work` in the first of `windows` to be shown while `trigger` runs, and returns it.
QWidget *RunInModal(const QList<QWidget *> &windows, const std::function<void()> &trigger,
                    const std::function<void(QWidget *)> &work) {
  QWidget *opened = nullptr;
  bool stuck = false;
  QElapsedTimer clock;
  clock.start();
  QTimer watch;
  watch.setInterval(1);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (opened != nullptr) {
      // The work is done; a window it left open would block the test for ever.
      if (opened->isVisible() && clock.elapsed() > kModalLimitMs) {
        stuck = true;
        opened->close();
      }
      return;
    }
    for (QWidget *w : windows) {
      if (w->isVisible()) {
        opened = w;
        work(w);
        return;
      }
    }
  });
  watch.start();
  trigger();
  watch.stop();
  if (stuck)
    QTest::qFail("a modal window stayed open and was closed by the test", __FILE__, __LINE__);
  return opened;
}

QPushButton *ExportButton(QWidget *w) {
  if (w == heat_form) return heat_form->Button2;
  if (w == vent_form) return vent_form->Button2;
  return cool_form->Button2;
}

bool Save(QPushButton *button, const QString &file) {
  if (!Gaervik->Total_spec->isEnabled()) return false;
  Messages().file_names.enqueue(file);
  bool pressed = false;
  QWidget *opened = RunInModal(
      {save_form}, [] { Click(Gaervik->Total_spec); },
      [&](QWidget *) {
        Click(button);
        pressed = true;
        if (save_form->isVisible()) save_form->close();
      });
  return opened == save_form && pressed;
}

}  // namespace

void Select(const Enclosure &e) {
  FillEnclosure(e);
  Click(Gaervik->Button1);
}

QWidget *ClickSuggestion(climate::TLinkLabel *label, const std::function<void(QWidget *)> &work) {
  return RunInModal(
      {heat_form, vent_form, cool_form}, [label] { Click(label); }, work);
}

void Create(QWidget *w) {
  if (w == heat_form) {
    Choose(heat_form->box1, 0);
    Click(heat_form->Button1);
  } else if (w == vent_form) {
    Choose(vent_form->Point_sea, 0);
    Choose(vent_form->Volt_vent, 0);
    Click(vent_form->Button1);
  } else if (w == cool_form) {
    Choose(cool_form->Type_cool, 0);
    Choose(cool_form->Volt_cool, 0);
    Click(cool_form->Button1);
  }
}

void Export(QWidget *w) {
  Create(w);
  Click(ExportButton(w));
}

void CloseBox(QWidget *w) {
  w->close();
}

bool SaveText(const QString &file) {
  return Save(save_form->Button1, file);
}

bool SaveWorkbook(const QString &file) {
  return Save(save_form->Button2, file);
}

QStringList ReadWorkbook(const QString &file) {
  return ReadWorkbooks({file}).value(0);
}

QList<QStringList> ReadWorkbooks(const QStringList &files) {
  QList<QStringList> books;
  QProcess reader;
  reader.start(QStringLiteral("/usr/bin/python3"),
               QStringList{QStringLiteral(READ_XLSX_SCRIPT)} + files);
  if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
    for (qsizetype i = 0; i < files.size(); ++i) books.append({QStringLiteral("<unreadable>")});
    return books;
  }
  const QStringList lines =
      QString::fromUtf8(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  if (files.size() == 1) return {lines};
  for (const QString &line : lines) {
    if (line.startsWith(QStringLiteral("== "))) {
      books.append(QStringList());
    } else if (!books.isEmpty()) {
      books.last() << line;
    }
  }
  return books;
}

QByteArray ReadFile(const QString &file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll();
}

}  // namespace testing_ui

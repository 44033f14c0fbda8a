#include "tests/ui/journey.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "balance/aervik.h"
#include "report/save.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"

namespace testing_ui {

namespace {

QPushButton *ExportButton(QWidget *w) {
  if (w == heat_form) return heat_form->Button2;
  if (w == vent_form) return vent_form->Button2;
  return cool_form->Button2;
}

bool Save(QPushButton *button, const QString &file) {
  if (!Gaervik->Total_spec->isEnabled()) return false;
  Messages().file_names.enqueue(file);
  bool pressed = false;
  QWidget *opened = RunModal(
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

QWidget *ClickSuggestion(climate::TLinkLabel *label, const std::function<void(QWidget *)> &work,
                         std::source_location where) {
  return RunModal(
      {heat_form, vent_form, cool_form}, [label] { Click(label); }, work, kModalTimeout, where);
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

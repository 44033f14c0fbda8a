#include "tests/ui/journey.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <exception>
#include <optional>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

#include "balance/aervik.h"
#include "report/file_output.h"
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

namespace {

#ifdef Q_OS_WIN
// The path on the Linux side of a file of a program running under Wine; empty where there is
// no Wine.
QString UnixPath(const QString &path) {
  using Convert = char *(CDECL *)(const wchar_t *);
  const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (convert == nullptr) return {};
  char *unix_path = convert(QDir::toNativeSeparators(path).toStdWString().c_str());
  if (unix_path == nullptr) return {};
  const QString converted = QString::fromUtf8(unix_path);
  ::HeapFree(::GetProcessHeap(), 0, unix_path);
  return converted;
}

// `text` quoted for the Linux shell.
QString ShellQuoted(QString text) {
  return '\'' + text.replace('\'', QStringLiteral("'\\''")) + '\'';
}

// The reader's output for the files, or an empty optional when it could not run. The reader,
// a Linux program, is started on the Linux side: Wine starts a program given by its Linux path,
// but hands back neither its output nor its end, so its output goes into a file that is renamed
// when the reader is done.
std::optional<QByteArray> RunReader(const QStringList &files) {
  QTemporaryDir dir;
  const QString out = UnixPath(dir.path());
  if (!dir.isValid() || out.isEmpty()) return std::nullopt;
  QString command = QStringLiteral("/usr/bin/python3 ") + ShellQuoted(READ_XLSX_SCRIPT);
  for (const QString &file : files) command += ' ' + ShellQuoted(UnixPath(file));
  command += QStringLiteral(" >%1/part 2>&1; mv %1/part %1/done").arg(ShellQuoted(out));
  if (!QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command})) {
    return std::nullopt;
  }
  QFile done(dir.filePath(QStringLiteral("done")));
  QDeadlineTimer deadline(60000);
  while (!done.exists() && !deadline.hasExpired()) QThread::msleep(20);
  if (!done.open(QIODevice::ReadOnly)) return std::nullopt;
  return done.readAll();
}
#else
// The reader's output for the files, or an empty optional when it failed.
std::optional<QByteArray> RunReader(const QStringList &files) {
  QProcess reader;
  reader.start(QStringLiteral("/usr/bin/python3"),
               QStringList{QStringLiteral(READ_XLSX_SCRIPT)} + files);
  if (!reader.waitForFinished(60000) || reader.exitCode() != 0) return std::nullopt;
  return reader.readAllStandardOutput();
}
#endif

}  // namespace

QList<QStringList> ReadWorkbooks(const QStringList &files) {
  QList<QStringList> books;
  const std::optional<QByteArray> output = RunReader(files);
  if (!output) {
    for (qsizetype i = 0; i < files.size(); ++i) books.append({QStringLiteral("<unreadable>")});
    return books;
  }
  const QStringList lines = QString::fromUtf8(*output).split('\n', Qt::SkipEmptyParts);
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

void WriteFile(const QString &file, const QByteArray &bytes) {
  QFile f(file);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(bytes), bytes.size());
}

QString FailureOf(const QString &file, const QByteArray &bytes) {
  try {
    climate::PutFileInPlace(file, bytes);
  } catch (const std::exception &e) {
    return QString::fromUtf8(e.what());
  }
  return QStringLiteral("<saved>");
}

}  // namespace testing_ui

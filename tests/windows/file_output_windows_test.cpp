// Putting saved files in place on Windows' own file system, as the Windows build does: new and
// replaced files, what a replaced file keeps, long names, refusals and failed steps, and the
// private folders of the workbook. Run under Wine.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <qt_windows.h>

#include <memory>

#include "report/file_output.h"
#include "tests/ui/journey.h"

using climate::FileStep;
using climate::PutFileInPlace;
using testing_ui::FailureOf;
using testing_ui::ReadFile;
using testing_ui::WriteFile;

namespace {

std::wstring Native(const QString &path) {
  return QDir::toNativeSeparators(path).toStdWString();
}

DWORD Attributes(const QString &file) {
  return ::GetFileAttributesW(Native(file).c_str());
}

}  // namespace

class FileOutputWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void cleanup() {
    climate::InjectFileFault(std::nullopt);
    dir_.reset();
  }

  void aSaveLeavesTheFileAloneBesideIt_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("existing");
    QTest::newRow("new") << "спецификация.txt" << false;
    QTest::newRow("replaced") << "спецификация.xlsx" << true;
    // A path of more than 260 characters, which the system takes only in its long form.
    QTest::newRow("long name, new") << QString(200, QChar(u'd')) + ".txt" << false;
    QTest::newRow("long name, replaced") << QString(200, QChar(u'd')) + ".xlsx" << true;
  }
  void aSaveLeavesTheFileAloneBesideIt() {
    QFETCH(QString, name);
    QFETCH(bool, existing);
    QVERIFY(QDir(dir_->path()).mkpath("папка с длинным путём"));
    const QString file = dir_->filePath("папка с длинным путём/" + name);
    for (const QByteArray &bytes :
         {QByteArray("old contents, longer than the new"), QByteArray("new")}) {
      if (bytes == "new" || existing) {
        const QString saved = FailureOf(file, bytes);
        QVERIFY2(saved == "<saved>", saved.toUtf8().constData());
      }
    }
    QCOMPARE(ReadFile(file), QByteArray("new"));
    // Nothing else, hidden files included.
    const QStringList entries =
        QDir(dir_->filePath("папка с длинным путём"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QCOMPARE(entries, QStringList{name});
  }

  void aReplacedFileKeepsWhatItHas() {
    // Its attributes, and the other name it has: a file with two names is written in place.
    const QString file = dir_->filePath("total.xlsx");
    const QString other = dir_->filePath("копия.xlsx");
    WriteFile(file, "old");
    QVERIFY(::SetFileAttributesW(Native(file).c_str(), FILE_ATTRIBUTE_HIDDEN));
    PutFileInPlace(file, "new");
    QCOMPARE(ReadFile(file), QByteArray("new"));
    QVERIFY(Attributes(file) & FILE_ATTRIBUTE_HIDDEN);
    QVERIFY(::CreateHardLinkW(Native(other).c_str(), Native(file).c_str(), nullptr));
    PutFileInPlace(file, "newer");
    QCOMPARE(ReadFile(other), QByteArray("newer"));
  }

  void whatCannotBeSavedIsRefusedAndKept_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only file") << "read-only"
                                    << "защищён от записи";
    QTest::newRow("folder") << "folder"
                            << "папка";
    QTest::newRow("open fails") << "open"
                                << "Отказано в доступе";
    QTest::newRow("write fails") << "write"
                                 << "Нет места на диске";
    QTest::newRow("flush fails") << "sync"
                                 << "Ошибка ввода-вывода";
    QTest::newRow("renaming fails") << "commit"
                                    << "Файл занят";
  }
  void whatCannotBeSavedIsRefusedAndKept() {
    QFETCH(QString, situation);
    QFETCH(QString, cause);
    const QString file = dir_->filePath("total.xlsx");
    if (situation == "folder") {
      QVERIFY(QDir(dir_->path()).mkdir("total.xlsx"));
    } else {
      WriteFile(file, "old");
    }
    if (situation == "read-only") {
      QVERIFY(::SetFileAttributesW(Native(file).c_str(), FILE_ATTRIBUTE_READONLY));
    }
    const std::pair<const char *, FileStep> steps[] = {{"open", FileStep::Open},
                                                       {"write", FileStep::Write},
                                                       {"sync", FileStep::Sync},
                                                       {"commit", FileStep::Commit}};
    for (const auto &[name, step] : steps) {
      if (situation == name) climate::InjectFileFault(climate::FileFault{step, cause});
    }
    const QString error = FailureOf(file, "new");
    QVERIFY2(error.contains(file) && error.contains(cause), qPrintable(error));
    if (situation != "folder") QCOMPARE(ReadFile(file), QByteArray("old"));
    ::SetFileAttributesW(Native(file).c_str(), FILE_ATTRIBUTE_NORMAL);
    QCOMPARE(QDir(dir_->path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"total.xlsx"});
  }

  void aWorkbookFolderIsTheUsersAndGoesWithItsSave() {
    // A folder that an interrupted save left behind goes with the next save's.
    QVERIFY(::SetEnvironmentVariableW(L"TMP", Native(dir_->path()).c_str()));
    QVERIFY(QDir(dir_->path()).mkdir("norda-aervik-book-AbCd12"));
    WriteFile(dir_->filePath("norda-aervik-book-AbCd12/book.xlsx"), "left");
    // Last written an hour ago.
    HANDLE left = ::CreateFileW(Native(dir_->filePath("norda-aervik-book-AbCd12")).c_str(),
                                FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    QVERIFY(left != INVALID_HANDLE_VALUE);
    FILETIME made;
    ::GetSystemTimeAsFileTime(&made);
    ULARGE_INTEGER hour_ago{{made.dwLowDateTime, made.dwHighDateTime}};
    hour_ago.QuadPart -= 3600ull * 10'000'000ull;
    made = {hour_ago.LowPart, hour_ago.HighPart};
    QVERIFY(::SetFileTime(left, nullptr, nullptr, &made));
    ::CloseHandle(left);
    QString path;
    {
      const climate::automation::WorkFolder folder = climate::MakePrivateFolder();
      path = QDir::fromNativeSeparators(QString::fromStdString(folder.path));
      QVERIFY2(path.startsWith(dir_->path()), qPrintable(path));
      QVERIFY(QFileInfo(path).isDir());
      QVERIFY(!QFileInfo::exists(dir_->filePath("norda-aervik-book-AbCd12")));
      // Held: another save leaves it alone.
      const climate::automation::WorkFolder second = climate::MakePrivateFolder();
      QVERIFY(QFileInfo(path).isDir());
    }
    QVERIFY(!QFileInfo::exists(path));
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(FileOutputWindowsTest)
#include "file_output_windows_test.moc"

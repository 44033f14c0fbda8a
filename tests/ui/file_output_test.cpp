// Putting saved files in place on a real file system: new and replaced files, links, rights,
// long names, every step failing, a full disk and a killed save; the workbook's private
// folders.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "report/file_output.h"
#include "report/sheet_layout.h"

using climate::FileStep;
using climate::PutFileInPlace;

namespace {

QByteArray Read(const QString &file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll();
}

void Write(const QString &file, const QByteArray &bytes) {
  QFile f(file);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(bytes), bytes.size());
}

struct stat Stat(const QString &file) {
  struct stat st {};
  ::lstat(QFile::encodeName(file).constData(), &st);
  return st;
}

// Saves in a process of its own, this program's (see main()); the save's error, or nothing.
QString SaveInChild(const QStringList &args) {
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(), args);
  child.waitForFinished(60000);
  return child.exitCode() == 0 ? QString() : QString::fromUtf8(child.readAllStandardError());
}

int Mode(const QString &file) {
  struct stat st {};
  if (::stat(QFile::encodeName(file).constData(), &st) != 0) return -1;
  return static_cast<int>(st.st_mode & 07777);
}

// The error text of a save that must fail, or a test failure when it succeeds.
QString FailureOf(const QString &file, const QByteArray &bytes) {
  try {
    PutFileInPlace(file, bytes);
  } catch (const std::exception &e) {
    return QString::fromUtf8(e.what());
  }
  return QStringLiteral("<saved>");
}

// Sets the process's umask for the life of the object.
class Umask {
 public:
  explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
  ~Umask() { ::umask(previous_); }

 private:
  mode_t previous_;
};

}  // namespace

class FileOutputTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { tmpdir_ = qgetenv("TMPDIR"); }
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    // The saves' temporary folder, open to every user as the system's is.
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid() && tmp_->isValid());
    QVERIFY(::chmod(QFile::encodeName(tmp_->path()), 01777) == 0);
    qputenv("TMPDIR", QFile::encodeName(tmp_->path()));
  }
  void cleanup() {
    climate::InjectFileFault(std::nullopt);
    qputenv("TMPDIR", tmpdir_);
    tmp_.reset();
    QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    dir_.reset();
  }

  void aNewFileGetsTheModeTheUmaskGives_data() {
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("mode");
    QTest::newRow("022") << 022 << 0644;
    QTest::newRow("077") << 077 << 0600;
    QTest::newRow("002") << 002 << 0664;
  }
  void aNewFileGetsTheModeTheUmaskGives() {
    QFETCH(int, umask);
    QFETCH(int, mode);
    const QString file = Path("spec.txt");
    {
      Umask mask(static_cast<mode_t>(umask));
      PutFileInPlace(file, "contents");
    }
    QCOMPARE(Read(file), QByteArray("contents"));
    QCOMPARE(Mode(file), mode);
  }

  void aReplacedFileKeepsItsModeAndGetsTheNewBytes() {
    const QString file = Path("spec.xlsx");
    Write(file, "old contents, longer than the new");
    QVERIFY(::chmod(QFile::encodeName(file).constData(), 0640) == 0);
    PutFileInPlace(file, "new");
    QCOMPARE(Read(file), QByteArray("new"));
    QCOMPARE(Mode(file), 0640);
    QCOMPARE(Entries(), QStringList{"spec.xlsx"});
  }

  void aWriteProtectedFileIsRefused() {
    // Refused whoever runs the program, the system's administrator included.
    const QString file = Path("spec.xlsx");
    Write(file, "protected");
    QVERIFY(::chmod(QFile::encodeName(file).constData(), 0444) == 0);
    const QString error = FailureOf(file, "new");
    QVERIFY2(error.contains(file) && error.contains(QStringLiteral("защищён от записи")),
             qPrintable(error));
    QCOMPARE(Read(file), QByteArray("protected"));
    QCOMPARE(Entries(), QStringList{"spec.xlsx"});
  }

  void aSymbolicLinkIsFollowed() {
    const QString target = Path("real.txt");
    Write(target, "old");
    QVERIFY(QFile::link(target, Path("link.txt")));
    PutFileInPlace(Path("link.txt"), "through the link");
    QVERIFY(QFileInfo(Path("link.txt")).isSymLink());
    QCOMPARE(Read(target), QByteArray("through the link"));
    QCOMPARE(Entries(), (QStringList{"link.txt", "real.txt"}));
  }

  void everyNameTheFileSystemAcceptsWorks_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("existing");
    for (int length : {200, 248, 249, 250, 255}) {
      QTest::addRow("%d bytes, new", length) << length << false;
      QTest::addRow("%d bytes, replaced", length) << length << true;
    }
    // Cyrillic letters take two bytes each: 127 of them and a dot fill the 255 bytes.
    QTest::addRow("Cyrillic, 255 bytes, replaced") << -1 << true;
  }
  void everyNameTheFileSystemAcceptsWorks() {
    QFETCH(int, length);
    QFETCH(bool, existing);
    const QString name = length < 0 ? QString(127, QChar(0x0441)) + "."
                                    : QString(length - 5, QLatin1Char('n')) + ".xlsx";
    QCOMPARE(QFile::encodeName(name).size(), length < 0 ? 255 : length);
    const QString file = Path(name);
    if (existing) {
      Write(file, "old");
      QVERIFY(::chmod(QFile::encodeName(file).constData(), 0604) == 0);
    }
    PutFileInPlace(file, "new");
    QCOMPARE(Read(file), QByteArray("new"));
    if (existing) QCOMPARE(Mode(file), 0604);
    QCOMPARE(Entries(), QStringList{name});
  }

  void aMissingFolderOrAFolderInTheWayFailsCleanly() {
    const QString missing = Path("no-such-folder/spec.txt");
    QVERIFY(FailureOf(missing, "x").contains(missing));
    QVERIFY(QDir(dir_->path()).mkdir("spec.xlsx"));
    QVERIFY(FailureOf(Path("spec.xlsx"), "x").contains(Path("spec.xlsx")));
    QCOMPARE(Entries(), QStringList{"spec.xlsx"});
  }

  void aFolderWithoutWriteRightsKeepsTheExistingFile() {
    const QString file = Path("kept.txt");
    Write(file, "old contents");
    QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner));
    if (::access(QFile::encodeName(dir_->path()).constData(), W_OK) == 0) {
      QSKIP("running with rights over every folder");
    }
    QVERIFY(FailureOf(file, "new").contains(file));
    QCOMPARE(Read(file), QByteArray("old contents"));
  }

  // Each step of a save failing, as a full disk or a failing device makes it fail.
  void aFailingStepLosesNothing_data() {
    QTest::addColumn<FileStep>("step");
    QTest::addColumn<bool>("existing");
    const std::pair<const char *, FileStep> steps[] = {{"open", FileStep::Open},
                                                       {"write", FileStep::Write},
                                                       {"flush", FileStep::Flush},
                                                       {"sync", FileStep::Sync},
                                                       {"commit", FileStep::Commit}};
    for (const auto &[name, step] : steps) {
      QTest::addRow("%s, new file", name) << step << false;
      QTest::addRow("%s, existing file", name) << step << true;
    }
  }
  void aFailingStepLosesNothing() {
    QFETCH(FileStep, step);
    QFETCH(bool, existing);
    const QString file = Path("spec.txt");
    if (existing) Write(file, "old contents");
    climate::InjectFileFault(climate::FileFault{step, QStringLiteral("No space left on device")});
    const QString error = FailureOf(file, QByteArray(100000, 'x'));
    QVERIFY2(error.contains(file) && error.contains("No space left on device"), qPrintable(error));
    if (existing) {
      QCOMPARE(Read(file), QByteArray("old contents"));
      QCOMPARE(Entries(), QStringList{"spec.txt"});
    } else {
      QCOMPARE(Entries(), QStringList{});
    }
  }

  // A real full file system: a small memory file system mounted for the test, which needs
  // the system administrator's rights.
  void aFullDiskLosesNothing_data() {
    QTest::addColumn<int>("size");
    // Fewer bytes than the file's buffer holds reach the disk only when they are flushed.
    QTest::newRow("held in the buffer until flushed") << 8000;
    QTest::newRow("larger than the buffer") << 100000;
  }
  void aFullDiskLosesNothing() {
    QFETCH(int, size);
    if (::geteuid() != 0) QSKIP("mounting a small file system needs root; not running as root");
    const QString mount_point = Path("full");
    QVERIFY(QDir(dir_->path()).mkdir("full"));
    if (::mount("tmpfs", QFile::encodeName(mount_point).constData(), "tmpfs", 0, "size=64k") != 0) {
      QSKIP(qPrintable("cannot mount a memory file system here: " + qt_error_string(errno)));
    }
    struct Unmount {
      QString at;
      ~Unmount() { ::umount(QFile::encodeName(at).constData()); }
    } unmount{mount_point};

    const QString existing = mount_point + "/kept.txt";
    Write(existing, "old contents");
    // Whatever room is left is taken by a filler file.
    {
      QFile filler(mount_point + "/filler");
      QVERIFY(filler.open(QIODevice::WriteOnly));
      const QByteArray block(4096, 'f');
      while (filler.write(block) == block.size() && filler.flush()) {
      }
    }
    const QStringList before = QDir(mount_point).entryList(QDir::Files | QDir::Hidden);

    const QString fresh = mount_point + "/spec.txt";
    QString error = FailureOf(fresh, QByteArray(size, 'x'));
    QVERIFY2(error.contains(fresh) && error.contains(qt_error_string(ENOSPC)), qPrintable(error));
    error = FailureOf(existing, QByteArray(size, 'x'));
    QVERIFY2(error.contains(existing) && error.contains(qt_error_string(ENOSPC)),
             qPrintable(error));
    QCOMPARE(Read(existing), QByteArray("old contents"));
    QCOMPARE(QDir(mount_point).entryList(QDir::Files | QDir::Hidden), before);
  }

  // A save killed half-way leaves the old file or the whole new one, and nothing else.
  void aKilledSaveLeavesNoTemporaryFile_data() {
    QTest::addColumn<int>("delay_ms");
    for (int delay : {0, 20, 60, 150}) QTest::addRow("killed after %d ms", delay) << delay;
  }
  void aKilledSaveLeavesNoTemporaryFile() {
    QFETCH(int, delay_ms);
    const QString file = Path("spec.xlsx");
    Write(file, "old contents");
    const qsizetype size = 64 * 1024 * 1024;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--save-child"), file, QString::number(size)});
    QVERIFY(child.waitForStarted());
    QTest::qWait(delay_ms);
    child.kill();
    child.waitForFinished();
    QCOMPARE(Entries(), QStringList{"spec.xlsx"});
    const QByteArray contents = Read(file);
    QVERIFY(contents == "old contents" || contents == QByteArray(size, 'x'));
  }

  // The folder where a workbook is assembled, in the temporary folder that TMPDIR names or
  // /tmp when it is empty, is the user's alone from its first moment whatever the umask. One
  // that a killed save left goes at the next workbook save; the folder of a save still running
  // stays.
  void aWorkbookFolderIsPrivateAndGoesWithItsSave() {
    qputenv("TMPDIR", "");
    const Umask open(0);
    const climate::automation::WorkFolder held = climate::MakePrivateFolder();  // a running save's
    const QString running = QString::fromStdString(held.path);
    QCOMPARE(Mode(running), 0700);
    QCOMPARE(Stat(running).st_uid, ::geteuid());
    QProcess killed;
    killed.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-folder")});
    while (!killed.canReadLine()) QVERIFY(killed.waitForReadyRead());
    const QString abandoned = QString::fromUtf8(killed.readLine()).trimmed();
    killed.kill();
    QVERIFY(killed.waitForFinished() && QFileInfo::exists(abandoned + "/book.xlsx"));
    QCOMPARE(SaveInChild({"--save-child", Path("spec.xlsx"), "workbook"}), QString());
    QVERIFY(!QFileInfo::exists(abandoned) && QFileInfo::exists(running));
  }

 private:
  QString Path(const QString &name) const { return dir_->filePath(name); }
  QStringList Entries() const {
    return QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<QTemporaryDir> tmp_;
  QByteArray tmpdir_;
};

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  // The child of the killed-save test: saves a large file until it is killed.
  if (argc == 4 && qstrcmp(argv[1], "--save-child") == 0 && args[3] != "workbook") {
    PutFileInPlace(QString::fromLocal8Bit(argv[2]), QByteArray(atoll(argv[3]), 'x'));
    return 0;
  }
  // A workbook saved in a process of its own: FILE workbook.
  if (args.value(1) == "--save-child") {
    climate::automation::RegisterSpreadsheetComponent(climate::PutFileInPlaceUtf8,
                                                      climate::MakePrivateFolder);
    try {
      climate::ExportToSpreadsheet({{"Код"}}, args[2].toStdString());
    } catch (const std::exception &e) {
      std::fputs(e.what(), stderr);
      return 1;
    }
    return 0;
  }
  // Holds a workbook folder, with a book in it, until its input ends.
  if (args.value(1) == "--hold-folder") {
    const climate::automation::WorkFolder folder = climate::MakePrivateFolder();
    Write(QString::fromStdString(folder.path) + "/book.xlsx", "PK");
    std::printf("%s\n", folder.path.c_str());
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
  }
  FileOutputTest tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "file_output_test.moc"

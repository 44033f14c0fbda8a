// Putting saved files in place on a real file system: new and replaced files, links, rights,
// long names, every step failing, a full disk and a killed save; what is no regular file, what
// a replaced file keeps whoever saves it (user nobody through setpriv), read-only and immutable
// files, and the workbook's private folders.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <acl/libacl.h>
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <memory>
#include <vector>

#include "report/file_output.h"
#include "report/sheet_layout.h"
#include "tests/ui/journey.h"

using climate::FileStep;
using climate::PutFileInPlace;
using testing_ui::FailureOf;
using testing_ui::ReadFile;
using testing_ui::WriteFile;

namespace {

struct stat Stat(const QString &file) {
  struct stat st {};
  ::lstat(QFile::encodeName(file).constData(), &st);
  return st;
}

// Saves in a process of its own, this program's (see main()), run as user nobody when
// `as_nobody`; the save's error, or nothing.
QString SaveInChild(QStringList args, bool as_nobody = false) {
  args.prepend(QCoreApplication::applicationFilePath());
  if (as_nobody) args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups"} + args;
  QProcess child;
  child.start(as_nobody ? QStringLiteral("setpriv") : args.takeFirst(), args);
  child.waitForFinished(60000);
  return child.exitCode() == 0 ? QString() : QString::fromUtf8(child.readAllStandardError());
}

// The value of a file's extended attribute (an access control list is one), or "<none>".
QByteArray Attribute(const QByteArray &file, const QString &name) {
  char value[256];
  const ssize_t size = ::getxattr(file, name.toLatin1(), value, sizeof value);
  return size < 0 ? "<none>" : QByteArray(value, size);
}

// Makes this process see a file system without files that have no name (O_TMPFILE fails, as
// on a USB stick or a network share) and, with `kill_at_rename`, be killed at its first rename
// as by a power cut: a seccomp filter, so that the writer meets the system's own answers.
void Restrict(bool no_unnamed, bool kill_at_rename) {
  std::vector<sock_filter> filter{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
  for (const __u32 call : {SYS_rename, SYS_renameat, SYS_renameat2}) {
    if (!kill_at_rename) break;
    filter.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, call, 0, 1));
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS));
  }
  if (no_unnamed) {
    filter.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_openat, 0, 3));
    filter.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])));
    filter.push_back(BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_TMPFILE & ~O_DIRECTORY, 0, 1));
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP));
  }
  filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
  const sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
  if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
      ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0) {
    ::_exit(2);
  }
}

bool Link(const QString &file, const QString &name) {
  return ::link(QFile::encodeName(file), QFile::encodeName(name)) == 0;
}

int Mode(const QString &file) {
  struct stat st {};
  if (::stat(QFile::encodeName(file).constData(), &st) != 0) return -1;
  return static_cast<int>(st.st_mode & 07777);
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
    for (const QString &at : mounts_) ::umount(QFile::encodeName(at).constData());
    mounts_.clear();
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
    const QString file = Path("total.txt");
    {
      Umask mask(static_cast<mode_t>(umask));
      PutFileInPlace(file, "contents");
    }
    QCOMPARE(ReadFile(file), QByteArray("contents"));
    QCOMPARE(Mode(file), mode);
  }

  void aReplacedFileKeepsItsModeAndGetsTheNewBytes() {
    const QString file = Path("total.xlsx");
    WriteFile(file, "old contents, longer than the new");
    QVERIFY(::chmod(QFile::encodeName(file).constData(), 0640) == 0);
    PutFileInPlace(file, "new");
    QCOMPARE(ReadFile(file), QByteArray("new"));
    QCOMPARE(Mode(file), 0640);
    QCOMPARE(Entries(), QStringList{"total.xlsx"});
  }

  void aWriteProtectedFileIsRefused() {
    // Refused whoever runs the program, the system's administrator included.
    const QString file = Path("total.xlsx");
    WriteFile(file, "protected");
    QVERIFY(::chmod(QFile::encodeName(file).constData(), 0444) == 0);
    const QString error = FailureOf(file, "new");
    QVERIFY2(error.contains(file) && error.contains(QStringLiteral("защищён от записи")),
             qPrintable(error));
    QCOMPARE(ReadFile(file), QByteArray("protected"));
    QCOMPARE(Entries(), QStringList{"total.xlsx"});
  }

  void aSymbolicLinkIsFollowed() {
    const QString target = Path("real.txt");
    WriteFile(target, "old");
    QVERIFY(QFile::link(target, Path("link.txt")));
    PutFileInPlace(Path("link.txt"), "through the link");
    QVERIFY(QFileInfo(Path("link.txt")).isSymLink());
    QCOMPARE(ReadFile(target), QByteArray("through the link"));
    QCOMPARE(Entries(), (QStringList{"link.txt", "real.txt"}));
  }

  void everyNameTheFileSystemAcceptsWorks_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QString>("system");  // no-unnamed: a file system without unnamed files
    for (const char *system : {"", "no-unnamed"}) {
      for (int length : {200, 248, 249, 250, 255}) {
        QTest::addRow("%d bytes, new %s", length, system) << length << false << system;
        QTest::addRow("%d bytes, replaced %s", length, system) << length << true << system;
      }
      // Cyrillic letters take two bytes each: 127 of them and a dot fill the 255 bytes.
      QTest::addRow("Cyrillic, 255 bytes, replaced %s", system) << -1 << true << system;
    }
  }
  void everyNameTheFileSystemAcceptsWorks() {
    QFETCH(int, length);
    QFETCH(bool, existing);
    QFETCH(QString, system);
    const QString name = length < 0 ? QString(127, QChar(0x0441)) + "."
                                    : QString(length - 5, QLatin1Char('n')) + ".xlsx";
    QCOMPARE(QFile::encodeName(name).size(), length < 0 ? 255 : length);
    const QString file = Path(name);
    if (existing) {
      WriteFile(file, "old");
      QVERIFY(::chmod(QFile::encodeName(file).constData(), 0604) == 0);
    }
    const QString error = SaveInChild({"--save-child", file, "3", "-", system});
    QVERIFY2(error.isEmpty() && ReadFile(file) == "xxx", qPrintable(error));
    if (existing) QCOMPARE(Mode(file), 0604);
    QCOMPARE(Entries(), QStringList{name});
  }

  void aMissingFolderOrAFolderInTheWayFailsCleanly() {
    const QString missing = Path("no-such-folder/total.txt");
    QVERIFY(FailureOf(missing, "x").contains(missing));
    QVERIFY(QDir(dir_->path()).mkdir("total.xlsx"));
    QVERIFY(FailureOf(Path("total.xlsx"), "x").contains(Path("total.xlsx")));
    QCOMPARE(Entries(), QStringList{"total.xlsx"});
  }

  void aFolderWithoutWriteRightsGetsTheFileWrittenInPlace() {
    const QString file = Path("kept.txt");
    WriteFile(file, "old contents");
    QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner));
    if (::access(QFile::encodeName(dir_->path()).constData(), W_OK) == 0) {
      QSKIP("running with rights over every folder");
    }
    PutFileInPlace(file, "new");
    QCOMPARE(ReadFile(file), QByteArray("new"));
  }

  // Each step of a save failing, as a full disk or a failing device makes it fail.
  void aFailingStepLosesNothing_data() {
    QTest::addColumn<FileStep>("step");
    QTest::addColumn<bool>("existing");
    const std::pair<const char *, FileStep> steps[] = {{"open", FileStep::Open},
                                                       {"write", FileStep::Write},
                                                       {"sync", FileStep::Sync},
                                                       {"commit", FileStep::Commit}};
    for (const auto &[name, step] : steps) {
      QTest::addRow("%s, new file", name) << step << false;
      QTest::addRow("%s, existing file", name) << step << true;
    }
    // A file with a second link is written in place.
    QTest::newRow("copying aside, linked file") << FileStep::Backup << true;
    QTest::newRow("writing in place, linked file") << FileStep::Overwrite << true;
  }
  void aFailingStepLosesNothing() {
    QFETCH(FileStep, step);
    QFETCH(bool, existing);
    const QString file = Path("total.txt");
    if (existing) WriteFile(file, "old contents");
    if (step >= FileStep::Backup) QVERIFY(Link(file, Path("same.txt")));
    const QStringList before = Entries();
    climate::InjectFileFault(climate::FileFault{step, QStringLiteral("No space left on device")});
    const QString error = FailureOf(file, QByteArray(100000, 'x'));
    QVERIFY2(error.contains(file) && error.contains("No space left on device"), qPrintable(error));
    // The previous contents are in the file, or in the copy whose path the error gives.
    const QString copy = error.section("«", 2, 2).section("»", 0, 0);
    if (existing) QVERIFY(ReadFile(file) == "old contents" || ReadFile(copy) == "old contents");
    QCOMPARE(Entries(), before);
  }

  // A real full file system: a small memory file system mounted for the test, which needs
  // the system administrator's rights.
  void aFullDiskLosesNothing_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("linked");  // the existing file has a second link: written in place
    for (bool linked : {false, true}) {
      // Fewer bytes than the file's buffer holds reach the disk only when they are flushed.
      QTest::addRow("held in the buffer until flushed%s", linked ? ", linked" : "")
          << 8000 << linked;
      QTest::addRow("larger than the buffer%s", linked ? ", linked" : "") << 100000 << linked;
    }
  }
  void aFullDiskLosesNothing() {
    QFETCH(int, size);
    QFETCH(bool, linked);
    const QString mount_point = Path("full");
    if (!Mount(mount_point)) return;

    const QString existing = mount_point + "/kept.txt";
    WriteFile(existing, "old contents");
    if (linked) QVERIFY(Link(existing, mount_point + "/same.txt"));
    // Whatever room is left is taken by a filler file.
    {
      QFile filler(mount_point + "/filler");
      QVERIFY(filler.open(QIODevice::WriteOnly));
      const QByteArray block(4096, 'f');
      while (filler.write(block) == block.size() && filler.flush()) {
      }
    }
    const QStringList before = QDir(mount_point).entryList(QDir::Files | QDir::Hidden);

    const QString fresh = mount_point + "/total.txt";
    QString error = FailureOf(fresh, QByteArray(size, 'x'));
    QVERIFY2(error.contains(fresh) && error.contains(qt_error_string(ENOSPC)), qPrintable(error));
    error = FailureOf(existing, QByteArray(size, 'x'));
    QVERIFY2(error.contains(existing) && error.contains(qt_error_string(ENOSPC)),
             qPrintable(error));
    QCOMPARE(ReadFile(existing), QByteArray("old contents"));
    QCOMPARE(QDir(mount_point).entryList(QDir::Files | QDir::Hidden), before);
  }

  // A save killed half-way leaves the old file or the whole new one and nothing visible; what
  // it left hidden, the next save into the folder removes.
  void aKilledSaveLeavesNothingVisible_data() {
    QTest::addColumn<int>("delay_ms");  // -1: killed where the save is at the step or renames
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("restrictions");  // see Restrict()
    for (int delay : {0, 20, 60, 150})
      QTest::addRow("after %d ms", delay) << delay << "-"
                                          << "";
    for (const char *system : {"", "no-unnamed"}) {
      const char *steps[] = {"open", "write", "sync", "commit"};
      for (int step = 0; step < 4; ++step) {
        QTest::addRow("at %s %s", steps[step], system) << -1 << QString::number(step) << system;
      }
      QTest::addRow("as it renames %s", system) << -1 << "-" << QString("kill-at-rename ") + system;
    }
  }
  void aKilledSaveLeavesNothingVisible() {
    QFETCH(int, delay_ms);
    QFETCH(QString, step);
    QFETCH(QString, restrictions);
    const QString file = Path("total.xlsx");
    WriteFile(file, "old contents");
    const qsizetype size = delay_ms < 0 ? 100000 : 64 * 1024 * 1024;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--save-child"), file, QString::number(size), step, restrictions});
    QVERIFY(child.waitForStarted());
    QTest::qWait(qMax(delay_ms, 0));
    if (delay_ms >= 0) child.kill();
    child.waitForFinished();
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"total.xlsx"});
    const QByteArray contents = ReadFile(file);
    QVERIFY(contents == "old contents" || contents == QByteArray(size, 'x'));
    PutFileInPlace(file, "next");
    QCOMPARE(Entries(), QStringList{"total.xlsx"});
  }

  // A save over what is no regular file, or over a symbolic link to one, is refused and leaves
  // it as it was.
  void onlyRegularFilesAreReplaced_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("through_link");
    const std::pair<const char *, int> types[] = {
        {"named pipe", S_IFIFO}, {"socket", S_IFSOCK}, {"folder", S_IFDIR}, {"device", S_IFCHR}};
    for (const auto &[name, type] : types) {
      QTest::addRow("%s", name) << type << false;
      QTest::addRow("link to a %s", name) << type << true;
    }
  }
  void onlyRegularFilesAreReplaced() {
    QFETCH(int, type);
    QFETCH(bool, through_link);
    const QByteArray node = QFile::encodeName(Path("node"));
    // The device is the system's null device, made anew in the test's folder.
    const int made = type == S_IFDIR
                         ? ::mkdir(node, 0777)
                         : ::mknod(node, static_cast<mode_t>(type) | 0666, makedev(1, 3));
    if (made != 0) QSKIP(qPrintable("cannot make the node here: " + qt_error_string(errno)));
    const QString file = Path(through_link ? "link" : "node");
    if (through_link) QVERIFY(QFile::link(Path("node"), file));
    const QStringList before = Entries();
    const ino_t same_node = Stat(node).st_ino;
    const QString error = FailureOf(file, "new");
    QVERIFY2(error.contains(file) && error.contains("не обычный файл"), qPrintable(error));
    QCOMPARE(Stat(node).st_ino, same_node);
    QCOMPARE(Entries(), before);
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
    QCOMPARE(SaveInChild({"--save-child", Path("total.xlsx"), "workbook"}), QString());
    QVERIFY(!QFileInfo::exists(abandoned) && QFileInfo::exists(running));
  }

  // A replaced file keeps its owner, group, mode, links and extended attributes, whoever saves
  // it and whatever its folder allows; both exports alike.
  void aReplacedFileKeepsWhatItHas_data() {
    QTest::addColumn<bool>("by_nobody");  // saved by user nobody, or by the tests' user
    QTest::addColumn<int>("owner");       // user and group; -1: the tests' user's
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("folder_mode");
    QTest::addColumn<QString>("with");  // a second link, an attribute, or the workbook saved
    QTest::newRow("a second hard link") << false << -1 << -1 << 0755 << "link";
    QTest::newRow("an extended attribute") << false << -1 << -1 << 0755 << "user.origin";
    QTest::newRow("an access control list")
        << false << -1 << -1 << 0755 << "system.posix_acl_access";
    QTest::newRow("another user's, saved by the administrator")
        << false << 65534 << 65534 << 0755 << "";
    QTest::newRow("a group the saver is not in") << true << 65534 << 0 << 0777 << "";
    for (const char *kind : {"text", "workbook"}) {
      QTest::addRow("a folder refusing new files, %s", kind) << true << 0 << 0 << 0755 << kind;
      QTest::addRow("a sticky folder, %s", kind) << true << 0 << 0 << 01777 << kind;
    }
  }
  void aReplacedFileKeepsWhatItHas() {
    QFETCH(bool, by_nobody);
    QFETCH(int, owner);
    QFETCH(int, group);
    QFETCH(int, folder_mode);
    QFETCH(QString, with);
    if ((owner >= 0 || by_nobody) && ::geteuid() != 0) {
      QSKIP("another user's files and saves as user nobody need root; not running as root");
    }
    const QString folder = Path("shared");
    const QByteArray file = QFile::encodeName(folder + "/total.xlsx");
    QVERIFY(QDir(dir_->path()).mkdir("shared") &&
            ::chmod(QFile::encodeName(dir_->path()), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder), static_cast<mode_t>(folder_mode)) == 0);
    WriteFile(file, "old contents");
    QVERIFY(::chown(file, static_cast<uid_t>(owner), static_cast<gid_t>(group)) == 0);
    QVERIFY(::chmod(file, owner == 0 ? 0666 : 0664) == 0);
    if (with == "link") QVERIFY(Link(file, folder + "/same.xlsx"));
    const acl_t acl = acl_from_text("u::rw-,u:65534:rw-,g::r--,m::rw-,o::---");
    const bool set = with == "user.origin" ? ::setxattr(file, "user.origin", "tervax", 6, 0) == 0
                     : with.startsWith("system") ? acl_set_file(file, ACL_TYPE_ACCESS, acl) == 0
                                                 : true;
    const int error = errno;
    acl_free(acl);
    if (!set) QSKIP(qPrintable("cannot set " + with + " here: " + qt_error_string(error)));
    const struct stat before = Stat(file);
    const QByteArray attribute = Attribute(file, with);
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);

    const QString kind = with == "workbook" ? with : "3";
    QCOMPARE(SaveInChild({"--save-child", file, kind}, by_nobody), QString());
    QVERIFY(kind == "3" ? ReadFile(file) == "xxx" : ReadFile(file).startsWith("PK"));
    if (with == "link") QCOMPARE(ReadFile(folder + "/same.xlsx"), QByteArray("xxx"));
    const struct stat after = Stat(file);
    QVERIFY(after.st_uid == before.st_uid && after.st_gid == before.st_gid);
    QVERIFY(after.st_mode == before.st_mode && after.st_nlink == before.st_nlink);
    QCOMPARE(Attribute(file, with), attribute);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), entries);
  }

  // A refused save names its cause, and "write-protected" is left for the mode bits.
  void theCauseIsNamed_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only file system, new file") << "ro/new.txt"
                                                     << "только для чтения";
    QTest::newRow("read-only file system, existing file") << "ro/kept.txt"
                                                          << "только для чтения";
    QTest::newRow("immutable file") << "immutable"
                                    << "файл неизменяем";
    QTest::newRow("append-only file") << "append-only"
                                      << "файл можно только дополнять";
    QTest::newRow("temporary folder missing, workbook") << "TMPDIR=<dir>/gone"
                                                        << "временной папки «<dir>/gone» нет";
    QTest::newRow("temporary folder a plain file, workbook")
        << "TMPDIR=<dir>/kept.txt"
        << "временная папка «<dir>/kept.txt» — не папка";
  }
  void theCauseIsNamed() {
    QFETCH(QString, situation);
    QFETCH(QString, cause);
    QString file = Path("kept.txt");
    WriteFile(file, "old contents");
    situation.replace("<dir>", dir_->path());
    cause.replace("<dir>", dir_->path());
    if (situation.startsWith("TMPDIR=")) {
      qputenv("TMPDIR", QFile::encodeName(situation.mid(7)));
      file = Path("total.xlsx");
    } else if (situation.startsWith("ro/")) {
      if (!Mount(Path("ro"))) return;
      WriteFile(Path("ro/kept.txt"), "old contents");
      QVERIFY(::mount("", QFile::encodeName(Path("ro")), "", MS_REMOUNT | MS_RDONLY, nullptr) == 0);
      file = Path(situation);
    } else if (QProcess::execute("chattr", {situation == "immutable" ? "+i" : "+a", file}) != 0) {
      QSKIP("chattr cannot set the attribute here (it needs root and a file system that has it)");
    }
    const QString error =
        SaveInChild({"--save-child", file, file.endsWith("xlsx") ? "workbook" : "3"});
    if (situation.endsWith("ble") || situation.endsWith("only")) {
      QProcess::execute("chattr", {"-i", "-a", file});
    }
    QVERIFY2(error.contains(file) && error.contains(cause) && !error.contains("защищён"),
             qPrintable(error));
    QCOMPARE(ReadFile(file), QByteArray(file.endsWith("kept.txt") ? "old contents" : "<missing>"));
  }

 private:
  QString Path(const QString &name) const { return dir_->filePath(name); }
  // Mounts a small memory file system on the new folder `at` until the test ends; false when
  // the test is skipped.
  bool Mount(const QString &at) {
    if (::geteuid() == 0 && QDir().mkdir(at) &&
        ::mount("tmpfs", QFile::encodeName(at), "tmpfs", 0, "size=64k") == 0) {
      mounts_ << at;
      return true;
    }
    QTest::qSkip("mounting a memory file system needs root and a system that allows it", __FILE__,
                 __LINE__);
    return false;
  }
  QStringList Entries() const {
    return QDir(dir_->path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<QTemporaryDir> tmp_;
  QByteArray tmpdir_;
  QStringList mounts_;
};

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  // The saves the tests run in a process of their own: FILE, then a size in bytes (of "x") or
  // "workbook", then the step to be killed at or "-", then restrictions (see Restrict()).
  if (args.value(1) == "--save-child") {
    if (args.value(4, "-") != "-") {
      climate::InjectFileFault(climate::FileFault{static_cast<FileStep>(args[4].toInt()), {}});
    }
    Restrict(args.value(5).contains("no-unnamed"), args.value(5).contains("kill-at-rename"));
    climate::automation::RegisterSpreadsheetComponent(climate::PutFileInPlaceUtf8,
                                                      climate::MakePrivateFolder);
    try {
      if (args[3] != "workbook") PutFileInPlace(args[2], QByteArray(args[3].toLongLong(), 'x'));
      if (args[3] == "workbook") climate::ExportToSpreadsheet({{"Код"}}, args[2].toStdString());
    } catch (const std::exception &e) {
      std::fputs(e.what(), stderr);
      return 1;
    }
    return 0;
  }
  // Holds a workbook folder, with a book in it, until its input ends.
  if (args.value(1) == "--hold-folder") {
    const climate::automation::WorkFolder folder = climate::MakePrivateFolder();
    WriteFile(QString::fromStdString(folder.path) + "/book.xlsx", "PK");
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

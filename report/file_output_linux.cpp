// The private folders of the workbook on Linux (Qt): made open to the user alone in one step,
// held by their save, and removed when a killed save left them.
#include <QDir>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "app/widgets.h"
#include "report/file_output.h"

namespace climate {
namespace {

// The program's own folders in the temporary folder, where workbooks are assembled; the
// clean-up takes only these, followed by six letters or digits. (Qt's own temporary files
// and folders for this program are named norda-aervik.XXXXXX and norda-aervik-XXXXXX.)
constexpr char kFolderPrefix[] = "norda-aervik-book-";

// An open file descriptor, closed with the object.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(Fd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd &operator=(Fd &&other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_;
};

bool SameFile(const struct stat &a, const struct stat &b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `name` in the folder `dir` still leads to the open file `fd`.
bool NameHolds(int dir, const char *name, int fd) {
  struct stat named {};
  struct stat open {};
  return ::fstatat(dir, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &open) == 0 &&
         SameFile(named, open);
}

// The cause of a refused step in the user's words.
QString Cause(int error) {
  if (error == EROFS) return ErrorText(error_texts::kReadOnlyFileSystem);
  return qt_error_string(error);
}

// The names in the folder `dir` that the program makes with `prefix`.
std::vector<QByteArray> OwnNames(int dir, const char *prefix) {
  std::vector<QByteArray> names;
  const int copy = ::dup(dir);
  DIR *listing = copy < 0 ? nullptr : ::fdopendir(copy);
  if (listing == nullptr) {
    if (copy >= 0) ::close(copy);
    return names;
  }
  ::rewinddir(listing);
  const QByteArray start(prefix);
  while (const dirent *entry = ::readdir(listing)) {
    const QByteArray name(entry->d_name);
    const QByteArray rest = name.mid(start.size());
    if (name.startsWith(start) && rest.size() == 6 &&
        std::all_of(rest.begin(), rest.end(),
                    [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; })) {
      names.push_back(name);
    }
  }
  ::closedir(listing);
  return names;
}

// $TMPDIR, or /tmp when it is unset or empty.
QString TemporaryFolder() {
  const QString set = qEnvironmentVariable("TMPDIR");
  return set.isEmpty() ? QStringLiteral("/tmp") : QDir::cleanPath(set);
}

QString TemporaryFolderProblem(const QString &folder, int error) {
  if (error == ENOENT) return ErrorText(error_texts::kTemporaryFolderMissing).arg(folder);
  if (error == ENOTDIR) return ErrorText(error_texts::kTemporaryFolderNotFolder).arg(folder);
  return ErrorText(error_texts::kTemporaryFolder).arg(folder, Cause(error));
}

// A new folder `prefix`XXXXXX in the temporary folder, made open to the user alone in one
// step (mkdtemp, mode 0700 whatever the umask), so that nobody else can put anything in it.
// Raises std::runtime_error naming the temporary folder and the cause.
QByteArray MakeFolder(const char *prefix) {
  const QString base = TemporaryFolder();
  QByteArray path = QFile::encodeName(base) + '/' + prefix + "XXXXXX";
  if (::mkdtemp(path.data()) == nullptr) {
    throw std::runtime_error(TemporaryFolderProblem(base, errno).toStdString());
  }
  return path;
}

// A workbook folder held by this process: locked while it lives (the clean-up of other saves
// leaves it alone), removed with its contents when it goes.
class HeldFolder {
 public:
  HeldFolder(QByteArray path, Fd lock) : path_(std::move(path)), lock_(std::move(lock)) {}
  ~HeldFolder() { QDir(QFile::decodeName(path_)).removeRecursively(); }
  HeldFolder(const HeldFolder &) = delete;
  HeldFolder &operator=(const HeldFolder &) = delete;

 private:
  QByteArray path_;
  Fd lock_;
};

// Removes the workbook folders that saves of the user interrupted by a kill or a crash left
// in the temporary folder: the program's, the user's, and held by no running save.
void RemoveAbandonedFolders() {
  const QByteArray base = QFile::encodeName(TemporaryFolder());
  const Fd dir(::open(base.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir) return;  // making the new folder names the problem
  for (const QByteArray &name : OwnNames(dir.get(), kFolderPrefix)) {
    const Fd folder(
        ::openat(dir.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (folder && ::fstat(folder.get(), &st) == 0 && st.st_uid == ::geteuid() &&
        ::flock(folder.get(), LOCK_EX | LOCK_NB) == 0) {
      QDir(QFile::decodeName(base + '/' + name)).removeRecursively();
    }
  }
}

}  // namespace

automation::WorkFolder MakePrivateFolder() {
  RemoveAbandonedFolders();
  int error = 0;
  for (int attempt = 0; attempt < 10; ++attempt) {
    QByteArray path = MakeFolder(kFolderPrefix);
    Fd lock(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    // Where the clean-up of another save took the new folder before it was locked, another is
    // made. Where the file system has no locks, no save removes the folder.
    const bool held = lock && (::flock(lock.get(), LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK);
    error = errno;
    if (held && NameHolds(AT_FDCWD, path.constData(), lock.get())) {
      const std::string utf8 = path.toStdString();
      return {utf8, std::make_shared<HeldFolder>(std::move(path), std::move(lock))};
    }
    ::rmdir(path.constData());
  }
  throw std::runtime_error(TemporaryFolderProblem(TemporaryFolder(), error).toStdString());
}

}  // namespace climate

// Putting a saved file in place on Linux, and the private folders of the workbook (Qt).
//
// The new bytes go into a file without a name (O_TMPFILE) in the folder of the file saved,
// are synced to disk, and the whole file then takes the name: at once for a new file, and
// for a replaced one through a short hidden name of the program's own (.norda-aervik-XXXXXX)
// that is renamed over the old file. Where the file system has no files without a name (a
// USB stick, a network share) the new file is made under such a hidden name from the start.
// A hidden name stays only when the save is killed between two steps; each save holds a
// lock on its file, and the next save into the folder removes the user's hidden files that
// no running save holds. Where renaming would lose something of the old file, it is written
// in place instead (ReplaceByRenaming says when).
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <acl/libacl.h>
#include <attr/libattr.h>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "app/interface_language.h"
#include "report/file_output.h"
#include "report/file_output_detail.h"

namespace climate {
namespace {

using file_output::Fail;
using file_output::Injected;
using file_output::SystemText;

// The program's own names: hidden files beside a saved file, the folders where workbooks are
// assembled, and the folders that keep the previous contents of a file written in place. The
// clean-up takes only the first two, each followed by six letters or digits. (Qt's own
// temporary files and folders for this program are named norda-aervik.XXXXXX and
// norda-aervik-XXXXXX.)
constexpr char kHiddenPrefix[] = ".norda-aervik-";
constexpr char kFolderPrefix[] = "norda-aervik-book-";
constexpr char kKeptPrefix[] = "norda-aervik-old-";

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

// The cause of a refused step in the user's words. `fd`, when open, is the file the step
// concerned: its attributes tell an immutable or append-only file from a denied right.
QString Cause(int error, int fd = -1) {
  if (error == EROFS) return InterfaceText(error_texts::kReadOnlyFileSystem);
  int flags = 0;
  if ((error == EPERM || error == EACCES) && fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
    if (flags & FS_IMMUTABLE_FL) return InterfaceText(error_texts::kImmutable);
    if (flags & FS_APPEND_FL) return InterfaceText(error_texts::kAppendOnly);
  }
  return SystemText(error);
}

QString NotRegular(mode_t mode) {
  const climate::Text &kind = S_ISFIFO(mode)   ? error_texts::kKindNamedPipe
                              : S_ISDIR(mode)  ? error_texts::kKindFolder
                              : S_ISSOCK(mode) ? error_texts::kKindSocket
                                               : error_texts::kKindDevice;
  return InterfaceText(error_texts::kNotRegularFile).arg(InterfaceText(kind));
}

// Writes all of `size` bytes at `offset`; false, with errno, when the system refuses.
bool WriteAt(int fd, const char *data, size_t size, off_t offset) {
  while (size > 0) {
    const ssize_t written = ::pwrite(fd, data, size, offset);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    data += written;
    size -= static_cast<size_t>(written);
    offset += written;
  }
  return true;
}

// Makes the file `to` a synced copy of the file `from`; false, with errno, on failure.
bool CopyContents(int from, int to) {
  char buffer[65536];
  for (off_t at = 0;;) {
    const ssize_t read = ::pread(from, buffer, sizeof buffer, at);
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return false;
    if (read == 0) return ::ftruncate(to, at) == 0 && ::fsync(to) == 0;
    if (!WriteAt(to, buffer, static_cast<size_t>(read), at)) return false;
    at += read;
  }
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

QByteArray RandomName(const char *prefix) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QByteArray name(prefix);
  for (int i = 0; i < 6; ++i) name += kLetters[QRandomGenerator::system()->bounded(62)];
  return name;
}

// ---------------------------------------------------------------------------------------
// The temporary folder and the program's folders in it.

// $TMPDIR, or /tmp when it is unset or empty.
QString TemporaryFolder() {
  const QString set = qEnvironmentVariable("TMPDIR");
  return set.isEmpty() ? QStringLiteral("/tmp") : QDir::cleanPath(set);
}

QString TemporaryFolderProblem(const QString &folder, int error) {
  if (error == ENOENT) return InterfaceText(error_texts::kTemporaryFolderMissing).arg(folder);
  if (error == ENOTDIR) return InterfaceText(error_texts::kTemporaryFolderNotFolder).arg(folder);
  return InterfaceText(error_texts::kTemporaryFolder).arg(folder, Cause(error));
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

// The previous contents of a file written in place, copied into a folder of their own in the
// temporary folder under the file's name. The copy goes when the object goes, unless kept.
class KeptCopy {
 public:
  KeptCopy(int from, const QByteArray &name, const QString &shown) {
    try {
      folder_ = MakeFolder(kKeptPrefix);
    } catch (const std::exception &e) {
      Fail(shown, QString::fromUtf8(e.what()));
    }
    path_ = folder_ + '/' + name;
    fd_ = Fd(::open(path_.constData(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600));
    const std::optional<QString> injected = Injected(FileStep::Backup);
    if (!fd_ || injected || !CopyContents(from, fd_.get())) {
      const int error = errno;
      Remove();
      const QString base = TemporaryFolder();
      Fail(shown, injected ? InterfaceText(error_texts::kTemporaryFolder).arg(base, *injected)
                           : TemporaryFolderProblem(base, error));
    }
  }
  ~KeptCopy() {
    if (!kept_) Remove();
  }
  KeptCopy(const KeptCopy &) = delete;
  KeptCopy &operator=(const KeptCopy &) = delete;

  int fd() const { return fd_.get(); }
  QString Keep() {
    kept_ = true;
    return QFile::decodeName(path_);
  }

 private:
  void Remove() {
    ::unlink(path_.constData());
    ::rmdir(folder_.constData());
  }

  QByteArray folder_;
  QByteArray path_;
  Fd fd_;
  bool kept_ = false;
};

// ---------------------------------------------------------------------------------------
// The file saved.

// The file a save writes, found and looked at before anything is written.
struct Target {
  QByteArray name;            // its name in its folder, as the system spells it
  Fd dir;                     // its folder
  bool dir_readable = false;  // listing and syncing the folder need it readable
  bool exists = false;
  struct stat st {};  // the existing file
  Fd old;             // the existing file, open for reading when the user may read it
};

QByteArray ReadLink(const QByteArray &path) {
  QByteArray target(PATH_MAX, '\0');
  const ssize_t size =
      ::readlink(path.constData(), target.data(), static_cast<size_t>(target.size()));
  target.truncate(size < 0 ? 0 : size);
  return target;
}

// Finds the file `shown` names, following symbolic links: the system follows them to an
// existing file (with the protections it applies to links in shared folders), and a link to
// a file not yet there is followed here, the file being made where the link points. What
// exists must be a regular file.
Target Locate(const QString &shown) {
  Target t;
  QByteArray path = QFile::encodeName(shown);
  for (int links = 0;; ++links) {
    if (links == 40) Fail(shown, SystemText(ELOOP));
    const Fd found(::open(path.constData(), O_PATH | O_CLOEXEC));
    if (found) {
      if (::fstat(found.get(), &t.st) != 0) Fail(shown, SystemText(errno));
      if (!S_ISREG(t.st.st_mode)) Fail(shown, NotRegular(t.st.st_mode));
      const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.constData(), nullptr),
                                                             &std::free);
      if (!real) Fail(shown, SystemText(errno));
      path = real.get();
      t.exists = true;
      break;
    }
    struct stat link {};
    if (errno != ENOENT) Fail(shown, Cause(errno));
    if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) break;
    const QByteArray to = ReadLink(path);
    path = to.startsWith('/') ? to : path.left(path.lastIndexOf('/') + 1) + to;
  }
  const qsizetype slash = path.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : path.left(qMax<qsizetype>(slash, 1));
  t.name = path.mid(slash + 1);
  t.dir = Fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  t.dir_readable = static_cast<bool>(t.dir);
  if (!t.dir && errno == EACCES) {
    t.dir = Fd(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  }
  if (!t.dir) Fail(shown, Cause(errno));
  if (t.exists) {
    struct stat now {};
    if (::fstatat(t.dir.get(), t.name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
        !SameFile(now, t.st)) {
      Fail(shown, InterfaceText(error_texts::kReplacedMeanwhile));
    }
    t.old = Fd(::openat(t.dir.get(), t.name.constData(),
                        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  }
  return t;
}

bool InGroup(gid_t group) {
  if (group == ::getegid()) return true;
  std::vector<gid_t> groups(static_cast<size_t>(qMax(::getgroups(0, nullptr), 0)));
  const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
  return std::find(groups.begin(), groups.begin() + qMax(count, 0), group) !=
         groups.begin() + qMax(count, 0);
}

// An existing file is saved over only when the user may write it. A file whose mode lets
// nobody write it is protected, even against the administrator, whom the system would let
// through; "write-protected" is said only when the mode is the reason.
void RefuseUnlessWritable(const Target &t, const QString &shown) {
  const mode_t mode = t.st.st_mode;
  if ((mode & 0222) == 0) Fail(shown, InterfaceText(error_texts::kWriteProtected));
  if (::faccessat(t.dir.get(), t.name.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0) {
    return;
  }
  const int error = errno;
  const mode_t users_bit = t.st.st_uid == ::geteuid() ? S_IWUSR
                           : InGroup(t.st.st_gid)     ? S_IWGRP
                                                      : S_IWOTH;
  if (error == EACCES && (mode & users_bit) == 0) {
    Fail(shown, InterfaceText(error_texts::kWriteProtected));
  }
  Fail(shown, Cause(error, t.old.get()));
}

// Removes the hidden files that saves of the user interrupted by a kill left in the folder:
// the program's, the user's, and held by no running save.
void RemoveAbandonedTemporaries(const Target &t) {
  if (!t.dir_readable) return;
  for (const QByteArray &name : OwnNames(t.dir.get(), kHiddenPrefix)) {
    const Fd file(::openat(t.dir.get(), name.constData(),
                           O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (file && ::fstat(file.get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 &&
        NameHolds(t.dir.get(), name.constData(), file.get())) {
      ::unlinkat(t.dir.get(), name.constData(), 0);
    }
  }
}

// The new file in the saved file's folder, locked while this save holds it. Without a name
// (O_TMPFILE), or under a hidden name of the program's own where the file system has no
// files without a name; a hidden name it still has when the object goes is removed.
class Temporary {
 public:
  explicit Temporary(int dir) : dir_(dir) {}
  ~Temporary() {
    if (!name_.isEmpty()) ::unlinkat(dir_, name_.constData(), 0);
  }
  Temporary(const Temporary &) = delete;
  Temporary &operator=(const Temporary &) = delete;

  int fd() const { return fd_.get(); }

  // Makes the file with `mode` (less the umask); 0, or the error number.
  int Create(mode_t mode) {
    fd_ = Fd(::openat(dir_, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
    if (fd_) {
      ::flock(fd_.get(), LOCK_EX);
      return 0;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
    for (int attempt = 0; attempt < 100; ++attempt) {
      const QByteArray name = RandomName(kHiddenPrefix);
      fd_ = Fd(::openat(dir_, name.constData(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC,
                        mode));
      if (!fd_ && errno == EEXIST) continue;
      if (!fd_) return errno;
      // Locked at once; where the clean-up of another save took the file in between (its
      // name no longer leads to it), another name is tried. Where the file system has no
      // locks, no save removes anything.
      ::flock(fd_.get(), LOCK_EX);
      if (NameHolds(dir_, name.constData(), fd_.get())) {
        name_ = name;
        return 0;
      }
    }
    return EEXIST;
  }

  // Writes the bytes and forces them to disk; on failure the file goes and the save fails.
  void Fill(const QByteArray &bytes, const QString &shown) {
    std::optional<QString> injected = Injected(FileStep::Write);
    if (injected || !WriteAt(fd(), bytes.constData(), static_cast<size_t>(bytes.size()), 0)) {
      Fail(shown, injected ? *injected : Cause(errno));
    }
    injected = Injected(FileStep::Sync);
    if (injected || ::fsync(fd()) != 0) Fail(shown, injected ? *injected : Cause(errno));
  }

  // Gives the file `name` when nothing has that name yet; false, with errno, otherwise.
  bool LinkAs(const char *name) {
    if (name_.isEmpty()) {
      if (::linkat(fd(), "", dir_, name, AT_EMPTY_PATH) == 0) return true;
      // Without the right to link by descriptor, through the process's view of it.
      const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd());
      return ::linkat(AT_FDCWD, self.constData(), dir_, name, AT_SYMLINK_FOLLOW) == 0;
    }
    if (::renameat2(dir_, name_.constData(), dir_, name, RENAME_NOREPLACE) != 0) {
      // A file system that cannot rename without replacing: a second link, then the first
      // goes.
      if (errno != EINVAL || ::linkat(dir_, name_.constData(), dir_, name, 0) != 0) return false;
      ::unlinkat(dir_, name_.constData(), 0);
    }
    name_.clear();
    return true;
  }

  // Gives a file without a name a hidden one; false, with errno, when it cannot.
  bool Name() {
    for (int attempt = 0; name_.isEmpty() && attempt < 100; ++attempt) {
      const QByteArray name = RandomName(kHiddenPrefix);
      if (LinkAs(name.constData())) {
        name_ = name;
      } else if (errno != EEXIST) {
        return false;
      }
    }
    return !name_.isEmpty();
  }

  // Renames the file over `name`; false, with errno, when the system refuses.
  bool RenameOver(const char *name) {
    if (::renameat(dir_, name_.constData(), dir_, name) != 0) return false;
    name_.clear();
    return true;
  }

 private:
  int dir_;
  Fd fd_;
  QByteArray name_;
};

// Gives the new file `fd` the owner, group, extended attributes, access control list and mode
// of the old one; false when one of them cannot be given.
bool TakeOver(const Target &t, int fd) {
  struct stat now {};
  if (::fstat(fd, &now) != 0) return false;
  if ((now.st_uid != t.st.st_uid || now.st_gid != t.st.st_gid) &&
      ::fchown(fd, t.st.st_uid, t.st.st_gid) != 0) {
    return false;
  }
  // Which attributes are copied is the system's policy (/etc/xattr.conf); the access control
  // list comes with the mode bits.
  return attr_copy_fd("", t.old.get(), "", fd, nullptr, nullptr) == 0 &&
         perm_copy_fd("", t.old.get(), "", fd, nullptr) == 0 &&
         ::fchmod(fd, t.st.st_mode & 07777) == 0;
}

void CreateNew(const Target &t, const QByteArray &bytes, const QString &shown) {
  if (const std::optional<QString> injected = Injected(FileStep::Open)) Fail(shown, *injected);
  Temporary file(t.dir.get());
  if (const int error = file.Create(0666)) Fail(shown, Cause(error));
  file.Fill(bytes, shown);
  if (const std::optional<QString> injected = Injected(FileStep::Commit)) Fail(shown, *injected);
  if (!file.LinkAs(t.name.constData())) Fail(shown, Cause(errno));
}

// Replacing an existing file: renamed over, or written in place.
//
// A new file renamed over the old one replaces it at once (a reader, a crash or a kill finds
// the old file or the new one, never a mix), but it is another file: it keeps of the old one
// only what it is given. So the old file is replaced by renaming only when the new one takes
// over all of it:
// - the old file has one name (a new file would cut its hard links off: the other names
//   would keep the old contents);
// - the user may read it (its attributes are read to be copied; a file the user may write but
//   not read cannot be written in place either, as its contents cannot be copied aside);
// - the folder lets the user make the new file and rename it over the old one (a folder
//   where the user may change files but not add them, or a sticky shared folder with a file
//   of another user, does not);
// - the new file can be given the old one's owner and group (only the administrator can give
//   a file to another user, and an owner can give it only a group of his own), its extended
//   attributes as the system's attribute policy says, its access control list and its mode.
// Otherwise it is written in place, once the new bytes are whole (the workbook assembled, the
// text converted) and the old ones copied aside (WriteInPlace); the file, being the same,
// keeps its owner, group, mode, links and attributes.
//
// Returns false when the file must be written in place instead.
bool ReplaceByRenaming(const Target &t, const QByteArray &bytes, const QString &shown) {
  if (t.st.st_nlink > 1 || !t.old) return false;
  if (const std::optional<QString> injected = Injected(FileStep::Open)) Fail(shown, *injected);
  Temporary file(t.dir.get());
  if (const int error = file.Create(0600)) {
    if (error == EACCES || error == EPERM) return false;
    Fail(shown, Cause(error));
  }
  file.Fill(bytes, shown);
  if (!TakeOver(t, file.fd())) return false;
  if (!file.Name()) Fail(shown, Cause(errno));
  if (const std::optional<QString> injected = Injected(FileStep::Commit)) Fail(shown, *injected);
  if (file.RenameOver(t.name.constData())) return true;
  if (errno == EACCES || errno == EPERM) return false;
  Fail(shown, Cause(errno, t.old.get()));
}

// Writes the file in place: the previous contents are copied aside first, and the bytes are
// written over the file from its start. When that fails, the previous contents are put back;
// only when that fails too is the copy kept, and the error gives its path.
void WriteInPlace(const Target &t, const QByteArray &bytes, const QString &shown) {
  const Fd file(::openat(t.dir.get(), t.name.constData(),
                         O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file) Fail(shown, Cause(errno, t.old.get()));
  struct stat st {};
  if (::fstat(file.get(), &st) != 0 || !SameFile(st, t.st)) {
    Fail(shown, InterfaceText(error_texts::kReplacedMeanwhile));
  }
  KeptCopy kept(file.get(), t.name, shown);

  const size_t size = static_cast<size_t>(bytes.size());
  const size_t half = size / 2;
  std::optional<QString> failure = WriteAt(file.get(), bytes.constData(), half, 0)
                                       ? Injected(FileStep::Overwrite)
                                       : Cause(errno, file.get());
  if (!failure &&
      (!WriteAt(file.get(), bytes.constData() + half, size - half, static_cast<off_t>(half)) ||
       ::ftruncate(file.get(), static_cast<off_t>(size)) != 0 || ::fsync(file.get()) != 0)) {
    failure = Cause(errno, file.get());
  }
  if (!failure) return;
  // An injected fault fails the putting back as well, as a failing device would.
  if (!Injected(FileStep::Overwrite) && CopyContents(kept.fd(), file.get())) {
    Fail(shown, *failure);
  }
  Fail(shown, *failure + "; " + InterfaceText(error_texts::kPreviousContentsKept).arg(kept.Keep()));
}

}  // namespace

void PutFileInPlace(const QString &file_name, const QByteArray &bytes) {
  const Target t = Locate(file_name);
  if (t.exists) RefuseUnlessWritable(t, file_name);
  RemoveAbandonedTemporaries(t);
  if (!t.exists) {
    CreateNew(t, bytes, file_name);
  } else if (!ReplaceByRenaming(t, bytes, file_name)) {
    WriteInPlace(t, bytes, file_name);
  }
  // The file's own bytes reached the disk before it took the name; a crash before the
  // folder does brings back the old file whole, so syncing the folder is done where the
  // system allows, without failing the save.
  if (t.dir_readable) ::fsync(t.dir.get());
}

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

// Putting a saved file in place on Windows, and the private folders of the workbook (Qt).
//
// The new bytes go into a hidden file of the program's own (.norda-aervik-XXXXXX) in the
// folder of the file saved, marked to be deleted when it is closed, so that a save that is
// killed or fails leaves nothing; once the bytes are flushed to disk the mark is taken off and
// the file takes the name: a new file by a move, an existing one by ReplaceFileW, which keeps
// the replaced file's attributes, security descriptor, streams and creation time. Where that
// would lose something (a file with several names) or cannot be done (a folder that refuses
// new files), the file is written in place instead, its previous contents first copied aside.
// Names are passed to the system in their long form (\\?\), so that any name the system takes
// can be saved.
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <qt_windows.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "app/interface_language.h"
#include "report/file_output.h"
#include "report/file_output_detail.h"

namespace climate {
namespace {

using file_output::Fail;
using file_output::Injected;

constexpr wchar_t kHiddenPrefix[] = L".norda-aervik-";
constexpr wchar_t kFolderPrefix[] = L"norda-aervik-book-";
constexpr wchar_t kKeptPrefix[] = L"norda-aervik-old-";

// A handle of the system, closed with the object.
class Handle {
 public:
  explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
  ~Handle() { Close(); }
  Handle(Handle &&other) noexcept : h_(std::exchange(other.h_, INVALID_HANDLE_VALUE)) {}
  Handle &operator=(Handle &&other) noexcept {
    std::swap(h_, other.h_);
    return *this;
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  void Close() {
    if (*this) ::CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_;
};

std::wstring Wide(const QString &text) {
  return text.toStdWString();
}

// The path in the long form the system takes beyond 260 characters, which it takes as it is:
// absolute, with backslashes, without "." or ".." and without a closing separator.
std::wstring LongPath(const QString &path) {
  QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
  if (native.startsWith(QLatin1String("\\\\?\\"))) return Wide(native);
  if (native.startsWith(QLatin1String("\\\\"))) return L"\\\\?\\UNC\\" + Wide(native.mid(2));
  return L"\\\\?\\" + Wide(native);
}

// The system's text for an error code; where the system has none (Wine knows few), the code.
QString Cause(DWORD error) {
  wchar_t *text = nullptr;
  const DWORD size = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
  QString cause;
  if (size > 0 && text != nullptr) cause = QString::fromWCharArray(text, size).trimmed();
  if (text != nullptr) ::LocalFree(text);
  if (cause.isEmpty()) cause = InterfaceText(error_texts::kSystemError).arg(error);
  return cause;
}

QString RandomSuffix() {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QString suffix;
  for (int i = 0; i < 6; ++i)
    suffix += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(62)]);
  return suffix;
}

// Writes all of `bytes` at the file's current position; false, with the error, on failure.
bool WriteAll(HANDLE file, const char *data, qint64 size) {
  while (size > 0) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(qMin<qint64>(size, 1 << 20));
    if (!::WriteFile(file, data, chunk, &written, nullptr)) return false;
    data += written;
    size -= written;
  }
  return true;
}

// Makes the file `to` a flushed copy of the file `from`, both read and written from the
// start; false, with the error, on failure.
bool CopyContents(HANDLE from, HANDLE to) {
  LARGE_INTEGER zero{};
  if (!::SetFilePointerEx(from, zero, nullptr, FILE_BEGIN) ||
      !::SetFilePointerEx(to, zero, nullptr, FILE_BEGIN)) {
    return false;
  }
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(from, buffer, sizeof buffer, &read, nullptr)) return false;
    if (read == 0) return ::SetEndOfFile(to) && ::FlushFileBuffers(to);
    if (!WriteAll(to, buffer, read)) return false;
  }
}

// Marks an open file to be deleted when it is closed, or takes the mark off.
bool DeleteOnClose(HANDLE file, bool on) {
  FILE_DISPOSITION_INFO disposition{};
  disposition.DeleteFile = on ? TRUE : FALSE;
  return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
}

// Removes what saves killed between two steps left under the program's names in `folder`
// (a path with a closing backslash): the files, or with `folders` the folders with their
// contents. One that a running save holds cannot be removed and stays.
void RemoveAbandoned(const std::wstring &folder, const wchar_t *prefix, bool folders) {
  WIN32_FIND_DATAW found;
  const HANDLE first = ::FindFirstFileExW((folder + prefix + L"*").c_str(), FindExInfoBasic, &found,
                                          FindExSearchNameMatch, nullptr, 0);
  if (first == INVALID_HANDLE_VALUE) return;
  // A search is ended with FindClose, not CloseHandle.
  const std::unique_ptr<void, decltype(&::FindClose)> search(first, &::FindClose);
  do {
    const std::wstring name = folder + found.cFileName;
    const bool folder_found = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (folder_found != folders) continue;
    if (!folders) {
      ::DeleteFileW(name.c_str());
      continue;
    }
    // A save holds its folder by an open lock file, deleted when it is closed (with the
    // process that held it, however it ended). A folder whose lock file is gone, or can be
    // deleted, is held by no save; one without its lock file that was written in the last
    // minute may be a save's own that is only being made.
    const bool unlocked = ::DeleteFileW((name + L"\\.lock").c_str()) != 0;
    if (!unlocked && ::GetLastError() != ERROR_FILE_NOT_FOUND) continue;
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME &t) {
      return (static_cast<quint64>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    constexpr quint64 kMinute = 60ull * 10'000'000ull;  // in the file times' 100 ns
    if (unlocked || ticks(now) - ticks(found.ftLastWriteTime) > kMinute) {
      QDir(QString::fromStdWString(name.substr(4))).removeRecursively();
    }
  } while (::FindNextFileW(search.get(), &found));
}

// ---------------------------------------------------------------------------------------
// The temporary folder and the program's folders in it.

// The user's temporary folder, %TEMP% as the system gives it, with a closing backslash.
QString TemporaryFolder() {
  wchar_t path[MAX_PATH + 1];
  const DWORD size = ::GetTempPathW(MAX_PATH + 1, path);
  return size == 0 ? QString() : QString::fromWCharArray(path, static_cast<qsizetype>(size));
}

[[noreturn]] void FailTemporaryFolder(const QString &folder, DWORD error) {
  const QString shown = QDir::toNativeSeparators(folder);
  if (error == ERROR_PATH_NOT_FOUND || error == ERROR_FILE_NOT_FOUND) {
    throw std::runtime_error(
        InterfaceText(error_texts::kTemporaryFolderMissing).arg(shown).toStdString());
  }
  if (error == ERROR_DIRECTORY) {
    throw std::runtime_error(
        InterfaceText(error_texts::kTemporaryFolderNotFolder).arg(shown).toStdString());
  }
  throw std::runtime_error(
      InterfaceText(error_texts::kTemporaryFolder).arg(shown, Cause(error)).toStdString());
}

// A new folder `prefix`XXXXXX in the temporary folder: the user's own folder, whose access the
// new one inherits. Returns its long path with a closing backslash.
std::wstring MakeFolder(const wchar_t *prefix) {
  const QString base = TemporaryFolder();
  DWORD error = ERROR_PATH_NOT_FOUND;
  for (int attempt = 0; !base.isEmpty() && attempt < 100; ++attempt) {
    const std::wstring path =
        LongPath(base + QString::fromWCharArray(prefix) + RandomSuffix()) + L"\\";
    if (::CreateDirectoryW(path.c_str(), nullptr)) return path;
    error = ::GetLastError();
    if (error != ERROR_ALREADY_EXISTS) break;
  }
  FailTemporaryFolder(base, error);
}

// A workbook folder held by this process: its lock file stays open, so no other save can
// remove the folder; the folder goes with its contents when the object goes.
class HeldFolder {
 public:
  HeldFolder(std::wstring path, Handle lock) : path_(std::move(path)), lock_(std::move(lock)) {}
  ~HeldFolder() {
    lock_.Close();
    QDir(QString::fromStdWString(path_.substr(4))).removeRecursively();
  }
  HeldFolder(const HeldFolder &) = delete;
  HeldFolder &operator=(const HeldFolder &) = delete;

 private:
  std::wstring path_;
  Handle lock_;
};

// The previous contents of a file written in place, copied into a folder of their own in the
// temporary folder under the file's name; the copy goes when the object goes, unless kept.
class KeptCopy {
 public:
  KeptCopy(HANDLE from, const QString &name, const QString &shown) {
    try {
      folder_ = MakeFolder(kKeptPrefix);
    } catch (const std::exception &e) {
      Fail(shown, QString::fromUtf8(e.what()));
    }
    path_ = folder_ + Wide(name);
    copy_ = Handle(::CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::optional<QString> injected = Injected(FileStep::Backup);
    if (!copy_ || injected || !CopyContents(from, copy_.get())) {
      const DWORD error = ::GetLastError();
      Remove();
      Fail(shown, injected ? *injected
                           : InterfaceText(error_texts::kTemporaryFolder)
                                 .arg(QDir::toNativeSeparators(TemporaryFolder()), Cause(error)));
    }
  }
  ~KeptCopy() {
    if (!kept_) Remove();
  }
  KeptCopy(const KeptCopy &) = delete;
  KeptCopy &operator=(const KeptCopy &) = delete;

  HANDLE get() const { return copy_.get(); }
  QString Keep() {
    kept_ = true;
    return QDir::toNativeSeparators(QString::fromStdWString(path_.substr(4)));
  }

 private:
  void Remove() {
    copy_.Close();
    ::DeleteFileW(path_.c_str());
    ::RemoveDirectoryW(folder_.c_str());
  }

  std::wstring folder_;
  std::wstring path_;
  Handle copy_;
  bool kept_ = false;
};

// ---------------------------------------------------------------------------------------
// The file saved.

struct Target {
  std::wstring path;    // long form
  std::wstring folder;  // long form, with a closing backslash
  QString name;
  bool exists = false;
  DWORD attributes = 0;
  DWORD links = 1;
};

// Finds the file `shown` names, following links to where they lead; what exists must be a
// file on a disk, not a folder or a device.
Target Locate(const QString &shown) {
  Target t;
  t.path = LongPath(shown);
  Handle existing(::CreateFileW(t.path.c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (existing) {
    BY_HANDLE_FILE_INFORMATION info{};
    const DWORD type = ::GetFileType(existing.get());
    if (type == FILE_TYPE_PIPE || type == FILE_TYPE_CHAR || type == FILE_TYPE_REMOTE) {
      Fail(shown, InterfaceText(error_texts::kNotRegularFile)
                      .arg(InterfaceText(type == FILE_TYPE_PIPE ? error_texts::kKindNamedPipe
                                                                : error_texts::kKindDevice)));
    }
    if (!::GetFileInformationByHandle(existing.get(), &info)) Fail(shown, Cause(::GetLastError()));
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      Fail(
          shown,
          InterfaceText(error_texts::kNotRegularFile).arg(InterfaceText(error_texts::kKindFolder)));
    }
    // A link is followed: the file it leads to is the one saved.
    wchar_t final_path[32768];
    const DWORD size = ::GetFinalPathNameByHandleW(existing.get(), final_path, 32767,
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (size > 0 && size < 32767) t.path.assign(final_path, size);
    t.exists = true;
    t.attributes = info.dwFileAttributes;
    t.links = info.nNumberOfLinks;
  } else {
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) Fail(shown, Cause(error));
  }
  const size_t slash = t.path.find_last_of(L'\\');
  t.folder = t.path.substr(0, slash + 1);
  t.name = QString::fromStdWString(t.path.substr(slash + 1));
  return t;
}

// The new file, hidden, in the saved file's folder; deleted when it is closed until it is
// given its name, so that a failed or killed save leaves nothing.
class Temporary {
 public:
  explicit Temporary(const std::wstring &folder) : folder_(folder) {}
  Temporary(const Temporary &) = delete;
  Temporary &operator=(const Temporary &) = delete;

  // Makes the file; 0, or the error.
  DWORD Create() {
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = folder_ + kHiddenPrefix + Wide(RandomSuffix());
      file_ = Handle(::CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                                   CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr));
      if (file_) return DeleteOnClose(file_.get(), true) ? 0 : ::GetLastError();
      const DWORD error = ::GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return error;
    }
    return ERROR_FILE_EXISTS;
  }

  // Writes the bytes and forces them to disk; on failure the save fails.
  void Fill(const QByteArray &bytes, const QString &shown) {
    std::optional<QString> injected = Injected(FileStep::Write);
    if (injected || !WriteAll(file_.get(), bytes.constData(), bytes.size())) {
      Fail(shown, injected ? *injected : Cause(::GetLastError()));
    }
    injected = Injected(FileStep::Sync);
    if (injected || !::FlushFileBuffers(file_.get())) {
      Fail(shown, injected ? *injected : Cause(::GetLastError()));
    }
  }

  // Takes the mark off and closes the file, which then keeps its hidden name until it is
  // moved; false, with the error, on failure.
  bool Keep() {
    if (!DeleteOnClose(file_.get(), false)) return false;
    file_.Close();
    kept_ = true;
    return true;
  }

  // Gives the file `target`'s name, where nothing has it; false, with the error, otherwise.
  bool MoveTo(const std::wstring &target) {
    if (!::MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return false;
    moved_ = true;
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    return true;
  }

  // Puts the file in the place of `target`, which keeps its attributes, security, streams and
  // creation time; false, with the error, when the system refuses.
  bool Replace(const std::wstring &target) {
    if (!::ReplaceFileW(target.c_str(), path_.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                        nullptr, nullptr)) {
      return false;
    }
    moved_ = true;
    return true;
  }

  ~Temporary() {
    if (kept_ && !moved_) ::DeleteFileW(path_.c_str());
  }

 private:
  std::wstring folder_;
  std::wstring path_;
  Handle file_;
  bool kept_ = false;
  bool moved_ = false;
};

bool AccessRefused(DWORD error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
         error == ERROR_PRIVILEGE_NOT_HELD;
}

void CreateNew(const Target &t, const QByteArray &bytes, const QString &shown) {
  if (const std::optional<QString> injected = Injected(FileStep::Open)) Fail(shown, *injected);
  Temporary file(t.folder);
  if (const DWORD error = file.Create()) Fail(shown, Cause(error));
  file.Fill(bytes, shown);
  if (const std::optional<QString> injected = Injected(FileStep::Commit)) Fail(shown, *injected);
  if (!file.Keep() || !file.MoveTo(t.path)) Fail(shown, Cause(::GetLastError()));
}

// Replacing an existing file by ReplaceFileW keeps of the old file what the new one is given:
// its attributes, security descriptor, streams and creation time, but not its other names
// (hard links). So a file with several names is written in place instead, and so is a file
// whose folder does not let the user make the new file beside it or replace the old one.
// Returns false when the file must be written in place.
bool ReplaceWhole(const Target &t, const QByteArray &bytes, const QString &shown) {
  if (t.links > 1) return false;
  if (const std::optional<QString> injected = Injected(FileStep::Open)) Fail(shown, *injected);
  Temporary file(t.folder);
  if (const DWORD error = file.Create()) {
    if (AccessRefused(error)) return false;
    Fail(shown, Cause(error));
  }
  file.Fill(bytes, shown);
  if (const std::optional<QString> injected = Injected(FileStep::Commit)) Fail(shown, *injected);
  if (!file.Keep()) Fail(shown, Cause(::GetLastError()));
  if (file.Replace(t.path)) return true;
  const DWORD error = ::GetLastError();
  if (AccessRefused(error) || error == ERROR_UNABLE_TO_REMOVE_REPLACED) return false;
  Fail(shown, Cause(error));
}

// Writes the file in place: the previous contents are copied aside first, and the bytes are
// written over the file from its start. When that fails, the previous contents are put back;
// only when that fails too is the copy kept, and the error gives its path.
void WriteInPlace(const Target &t, const QByteArray &bytes, const QString &shown) {
  Handle file(::CreateFileW(t.path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Fail(shown, Cause(::GetLastError()));
  KeptCopy kept(file.get(), t.name, shown);

  const qint64 half = bytes.size() / 2;
  LARGE_INTEGER zero{};
  std::optional<QString> failure;
  if (!::SetFilePointerEx(file.get(), zero, nullptr, FILE_BEGIN) ||
      !WriteAll(file.get(), bytes.constData(), half)) {
    failure = Cause(::GetLastError());
  } else {
    failure = Injected(FileStep::Overwrite);
  }
  if (!failure && (!WriteAll(file.get(), bytes.constData() + half, bytes.size() - half) ||
                   !::SetEndOfFile(file.get()) || !::FlushFileBuffers(file.get()))) {
    failure = Cause(::GetLastError());
  }
  if (!failure) return;
  // An injected fault fails the putting back as well, as a failing device would.
  if (!Injected(FileStep::Overwrite) && CopyContents(kept.get(), file.get())) {
    Fail(shown, *failure);
  }
  Fail(shown, *failure + "; " + InterfaceText(error_texts::kPreviousContentsKept).arg(kept.Keep()));
}

}  // namespace

void PutFileInPlace(const QString &file_name, const QByteArray &bytes) {
  const Target t = Locate(file_name);
  // The read-only attribute protects a file as the mode bits do elsewhere.
  if (t.exists && (t.attributes & FILE_ATTRIBUTE_READONLY)) {
    Fail(file_name, InterfaceText(error_texts::kWriteProtected));
  }
  RemoveAbandoned(t.folder, kHiddenPrefix, false);
  if (!t.exists) {
    CreateNew(t, bytes, file_name);
  } else if (!ReplaceWhole(t, bytes, file_name)) {
    WriteInPlace(t, bytes, file_name);
  }
}

automation::WorkFolder MakePrivateFolder() {
  const QString base = TemporaryFolder();
  if (!base.isEmpty()) RemoveAbandoned(LongPath(base) + L"\\", kFolderPrefix, true);
  const std::wstring path = MakeFolder(kFolderPrefix);
  // Held while it lives: the lock file is deleted when it is closed, and open it cannot be.
  Handle lock(::CreateFileW((path + L".lock").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  if (!lock) {
    const DWORD error = ::GetLastError();
    ::RemoveDirectoryW(path.c_str());
    FailTemporaryFolder(base, error);
  }
  const QString folder = QString::fromStdWString(path.substr(4)).chopped(1);
  return {folder.toStdString(), std::make_shared<HeldFolder>(path, std::move(lock))};
}

}  // namespace climate

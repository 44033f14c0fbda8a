// Putting a saved file in place on systems without an implementation of their own, through
// QSaveFile: the new file is written beside the target, synced and renamed over it. It does
// not keep a replaced file's owner, links or attributes, nor refuse what is no regular file;
// a write-protected file is refused. The private folders are QTemporaryDir's.
#include "report/file_output.h"

#include "app/interface_language.h"
#include "report/file_output_detail.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include <unistd.h>

namespace climate {
namespace {

using file_output::Fail;
using file_output::Injected;

// The file a save replaces: the target of a symbolic link, followed as far as it goes.
QString FinalName(const QString &file_name) {
  QFileInfo info(file_name);
  for (int depth = 0; depth < 128 && info.isSymLink(); ++depth) {
    info.setFile(info.symLinkTarget());
  }
  return info.filePath();
}

// A file whose mode lets nobody write it is protected, even against a user whom the system
// would let through. (The mode's bits, not the rights of the user running the program.)
bool WriteProtected(const QFileInfo &file) {
  constexpr QFile::Permissions kAnyWrite =
      QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  return file.exists() && !file.isDir() && !(file.permissions() & kAnyWrite);
}

// Writes the bytes through `file` (not yet open) and puts it in place under its own name.
// Every step is checked: a flush that fails or a sync that fails is a failed save, although
// the commit alone would not notice either.
void Save(QSaveFile &file, const QByteArray &bytes, const QString &shown_name) {
  // A step that failed, or that a test makes fail, ends the save and discards the new file.
  auto check = [&](FileStep which, bool ok, const QString &cause) {
    const std::optional<QString> injected = Injected(which);
    if (ok && !injected) return;
    if (file.isOpen()) file.cancelWriting();
    Fail(shown_name, injected ? *injected : cause);
  };
  // Each step runs before its outcome is read: the error text belongs to that step.
  bool ok = file.open(QIODevice::WriteOnly);
  check(FileStep::Open, ok, file.errorString());
  ok = file.write(bytes) == bytes.size() && file.flush();
  check(FileStep::Write, ok, file.errorString());
  errno = 0;
  const bool synced = ::fsync(file.handle()) == 0;
  check(FileStep::Sync, synced, file_output::SystemText(errno));
  const bool committed = !Injected(FileStep::Commit) && file.commit();
  check(FileStep::Commit, committed, file.errorString());
}

// The longest name, in bytes, whose file the save file can replace: it links the new file
// under the name and seven more characters before renaming it over the old one.
constexpr qsizetype kLongestReplaceableName = 255 - 7;

// Replaces an existing file whose name is too long for that: the new file is put in place
// under a short name beside it, takes the old file's permissions and is then renamed over
// it in one step.
void ReplaceLongName(const QString &final_name, const QByteArray &bytes,
                     const QString &shown_name) {
  const QFileInfo target(final_name);
  QString short_name;
  do {
    short_name = target.absoluteDir().filePath(
        QStringLiteral(".norda-aervik-%1")
            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
  } while (QFileInfo::exists(short_name));

  QSaveFile file(short_name);
  Save(file, bytes, shown_name);
  auto discard = [&short_name](const QString &cause, const QString &shown) {
    QFile::remove(short_name);
    Fail(shown, cause);
  };
  if (!QFile::setPermissions(short_name, target.permissions())) {
    discard(InterfaceText(error_texts::kPermissionsNotKept), shown_name);
  }
  std::error_code error;
  std::filesystem::rename(std::filesystem::path(short_name.toStdU16String()),
                          std::filesystem::path(final_name.toStdU16String()), error);
  if (error) discard(QString::fromStdString(error.message()), shown_name);
}

}  // namespace

void PutFileInPlace(const QString &file_name, const QByteArray &bytes) {
  const QString final_name = FinalName(file_name);
  const QFileInfo target(final_name);
  if (WriteProtected(target)) Fail(file_name, InterfaceText(error_texts::kWriteProtected));
  if (target.exists() && QFile::encodeName(target.fileName()).size() > kLongestReplaceableName) {
    ReplaceLongName(final_name, bytes, file_name);
    return;
  }
  QSaveFile file(file_name);
  Save(file, bytes, file_name);
}

automation::WorkFolder MakePrivateFolder() {
  const QString base = QDir::tempPath();
  auto folder = std::make_shared<QTemporaryDir>(base + QStringLiteral("/norda-aervik-XXXXXX"));
  if (!folder->isValid()) {
    throw std::runtime_error(InterfaceText(error_texts::kTemporaryFolder)
                                 .arg(base, folder->errorString())
                                 .toStdString());
  }
  return {folder->path().toStdString(), folder};
}

}  // namespace climate

// Putting a saved file in place, for the text specification and the workbook alike, and the
// private folders the workbook is assembled in (Qt).
//
// The file appears only complete: the bytes go into an unnamed temporary file beside the
// target, are flushed and synced to disk, and only then replace the target under its name.
// A failure at any step leaves an existing file as it was and no new file behind, and an
// interrupted save leaves no temporary file in the user's folder. A symbolic link is
// followed and its target replaced; a replaced file keeps its mode and a new one gets the
// mode the umask gives; a write-protected file is refused.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

#include "report/xlsx_component.h"

namespace climate {

// Writes `bytes` as the whole file `file_name`, replacing a file of that name. Raises
// std::runtime_error whose text names the file and the cause in the system's words.
void PutFileInPlace(const QString &file_name, const QByteArray &bytes);

// The same for the spreadsheet component: the name and the bytes as the core holds them.
void PutFileInPlaceUtf8(const std::string &file_name, const std::string &bytes);

// A new folder of the program's own, norda-aervik-book-XXXXXX in the system's temporary folder
// ($TMPDIR, or /tmp when that is unset or empty), open to the user alone from its first
// moment, for assembling one workbook. It is held while its handle lives and then removed
// with its contents. Folders of the program that an interrupted save left behind (the
// user's, held by no running save) are removed first. Raises std::runtime_error naming the
// temporary folder and the cause when the folder cannot be made. (file_output_linux.cpp;
// file_output_portable.cpp for other systems.)
automation::WorkFolder MakePrivateFolder();

// The steps of a save, for fault injection in tests.
enum class FileStep { Open, Write, Flush, Sync, Commit };

struct FileFault {
  FileStep step;
  QString cause;  // the text the system would give, such as "No space left on device"
};

// Makes every following save fail at `fault.step` with `fault.cause`, as if the system had
// refused that step; an empty optional ends the injection.
void InjectFileFault(std::optional<FileFault> fault);

}  // namespace climate

// Putting a saved file in place, for the text specification and the workbook alike, and the
// private folders the workbook is assembled in (Qt).
//
// The saved file appears only complete, and a save replaces a file the way a careful editor
// does: a symbolic link is followed and its target saved; only a regular file is replaced
// (a named pipe, a device, a socket or a folder is refused and left as it is); a replaced
// file keeps its owner, group, mode, hard links and extended attributes, and a new one gets
// the mode the umask gives. A failure leaves an existing file as it was, or, where the file
// had to be written in place and that failed half-way, a whole copy of its previous contents
// whose path the error gives; the error names the file and the cause. An interrupted save
// leaves nothing visible beside the file. Each system has its implementation:
// file_output_linux.cpp, file_output_windows.cpp, and file_output_portable.cpp (through
// QSaveFile, with fewer of these guarantees) for the others.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

#include "report/xlsx_component.h"

namespace climate {

// Writes `bytes` as the whole file `file_name`, replacing a file of that name. Raises
// std::runtime_error whose text names the file and the cause.
void PutFileInPlace(const QString &file_name, const QByteArray &bytes);

// The same for the spreadsheet component: the name and the bytes as the core holds them.
void PutFileInPlaceUtf8(const std::string &file_name, const std::string &bytes);

// A new folder of the program's own, norda-aervik-book-XXXXXX in the system's temporary folder
// ($TMPDIR, or /tmp when that is unset or empty), open to the user alone from its first
// moment, for assembling one workbook. It is held while its handle lives and then removed
// with its contents. Folders of the program that an interrupted save left behind (the
// user's, held by no running save) are removed first. Raises std::runtime_error naming the
// temporary folder and the cause when the folder cannot be made.
automation::WorkFolder MakePrivateFolder();

// The steps of a save, for fault injection in tests.
enum class FileStep {
  Open,       // the new file is created beside the old one
  Write,      // the bytes are written into it
  Sync,       // and forced to disk
  Commit,     // it takes the file's name
  Backup,     // writing in place: the previous contents are copied aside
  Overwrite,  // writing in place: the file is written (half of it, then the fault)
};

struct FileFault {
  FileStep step;
  // The text the system would give, such as "No space left on device"; an empty cause kills
  // the process at that step instead, as a power cut or `kill -9` would.
  QString cause;
};

// Makes every following save fail at `fault.step` with `fault.cause`, as if the system had
// refused that step; an empty optional ends the injection.
void InjectFileFault(std::optional<FileFault> fault);

}  // namespace climate

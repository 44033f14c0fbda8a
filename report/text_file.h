// Writing the text specification (Qt) in the single-byte code page of the Cyrillic desktops the
// program serves, Windows-1251.
#pragma once

#include <QByteArray>
#include <QString>

namespace climate {

// The text in Windows-1251, converted by the core's Utf8ToWindows1251: a character the code
// page lacks (only text typed by the user can hold one) becomes "?".
QByteArray ToWindows1251(const QString &text);

// Writes the text converted to Windows-1251 into `file_name`, replacing a file of that name,
// through PutFileInPlace: the file appears only complete, and a failure raises
// std::runtime_error naming the file and the cause.
void WriteWindows1251File(const QString &file_name, const QString &text);

}  // namespace climate

#include "report/text_file.h"

#include <stdexcept>

#include "report/file_output.h"
#include "report/windows1251.h"

namespace climate {

QByteArray ToWindows1251(const QString &text) {
  return QByteArray::fromStdString(Utf8ToWindows1251(text.toStdString()));
}

void WriteWindows1251File(const QString &file_name, const QString &text) {
  PutFileInPlace(file_name, ToWindows1251(text));
}

}  // namespace climate

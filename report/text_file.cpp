#include "report/text_file.h"

#include <QSaveFile>

#include <stdexcept>

#include "report/windows1251.h"

namespace climate {

QByteArray ToWindows1251(const QString &text) {
  return QByteArray::fromStdString(Utf8ToWindows1251(text.toStdString()));
}

void WriteWindows1251File(const QString &file_name, const QString &text) {
  const QByteArray bytes = ToWindows1251(text);
  QSaveFile file(file_name);
  auto fail = [&file_name](const QString &cause) {
    throw std::runtime_error(
        QStringLiteral("Не удалось записать файл «%1»: %2").arg(file_name, cause).toStdString());
  };
  if (!file.open(QIODevice::WriteOnly)) fail(file.errorString());
  if (file.write(bytes) != bytes.size()) fail(file.errorString());
  if (!file.commit()) fail(file.errorString());
}

}  // namespace climate

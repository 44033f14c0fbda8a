#include "report/text_file.h"

#include <QStringEncoder>

#include <stdexcept>

#include "report/file_output.h"

namespace climate {

QByteArray ToWindows1251(const QString &text) {
  QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
  if (!encoder.isValid()) throw std::runtime_error("Кодовая страница windows-1251 недоступна");
  QByteArray out;
  out.reserve(text.size());
  // Character by character, so that a character without a place in the code page (which
  // the converter marks with the substitute byte) becomes "?".
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QStringView one = QStringView(text).mid(i, length);
    const QByteArray encoded = encoder.encode(one);
    const bool lacking = encoded == "\x1a" && one != u"\x1a";
    out += lacking ? QByteArray("?") : encoded;
    i += length;
  }
  return out;
}

void WriteWindows1251File(const QString &file_name, const QString &text) {
  PutFileInPlace(file_name, ToWindows1251(text));
}

}  // namespace climate

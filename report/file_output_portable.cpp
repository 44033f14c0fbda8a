// The private folders of the workbook on systems without an implementation of their own:
// QTemporaryDir's.
#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <stdexcept>

#include "app/widgets.h"
#include "report/file_output.h"

namespace climate {

automation::WorkFolder MakePrivateFolder() {
  const QString base = QDir::tempPath();
  auto folder = std::make_shared<QTemporaryDir>(base + QStringLiteral("/norda-aervik-XXXXXX"));
  if (!folder->isValid()) {
    throw std::runtime_error(
        ErrorText(error_texts::kTemporaryFolder).arg(base, folder->errorString()).toStdString());
  }
  return {folder->path().toStdString(), folder};
}

}  // namespace climate

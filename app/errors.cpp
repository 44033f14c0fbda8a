#include "app/errors.h"

#include <QApplication>

#include "app/interface_language.h"
#include "app/messages.h"

namespace climate {

std::runtime_error Failure(const Text &text, const QString &detail) {
  return std::runtime_error((InterfaceText(text) + detail).toStdString());
}

void ReportError(const std::exception_ptr &error) {
  QString text;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception &e) {
    text = QString::fromUtf8(e.what());
  } catch (...) {
    text = InterfaceText(error_texts::kUnknown);
  }
  ShowError(QApplication::activeWindow(), text);
}

}  // namespace climate

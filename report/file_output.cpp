#include "report/file_output.h"

#include <csignal>
#include <cstdlib>
#include <stdexcept>

#include "app/interface_language.h"
#include "report/file_output_detail.h"

namespace climate {

namespace {

std::optional<FileFault> g_fault;

}  // namespace

namespace file_output {

void Fail(const QString &file_name, const QString &cause) {
  throw std::runtime_error(
      InterfaceText(error_texts::kCannotWrite).arg(file_name, cause).toStdString());
}

QString SystemText(int error) {
  return qt_error_string(error);
}

std::optional<QString> Injected(FileStep step) {
  if (!g_fault || g_fault->step != step) return std::nullopt;
  if (g_fault->cause.isEmpty()) {
    // Nothing of the program runs after a kill: no destructor, no clean-up.
#ifdef SIGKILL
    std::raise(SIGKILL);
#endif
    std::_Exit(EXIT_FAILURE);
  }
  return g_fault->cause;
}

}  // namespace file_output

void PutFileInPlaceUtf8(const std::string &file_name, const std::string &bytes) {
  PutFileInPlace(QString::fromStdString(file_name),
                 QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void InjectFileFault(std::optional<FileFault> fault) {
  g_fault = std::move(fault);
}

}  // namespace climate

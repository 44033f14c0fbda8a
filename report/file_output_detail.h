// What the implementations of file output share (Qt): the failure and the injected faults.
#pragma once

#include <QString>

#include <optional>

#include "report/file_output.h"

namespace climate::file_output {

// Ends a save: raises std::runtime_error "Could not write the file «file_name»: cause" in the
// interface's language.
[[noreturn]] void Fail(const QString &file_name, const QString &cause);

// The system's text for an error number.
QString SystemText(int error);

// The cause injected for `step`, if any. A fault that kills the process does it here.
std::optional<QString> Injected(FileStep step);

}  // namespace climate::file_output

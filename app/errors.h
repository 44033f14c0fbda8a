// Errors that no handler deals with (Qt): shown in the error message box, after which the
// program goes on with the windows as the handler left them.
#pragma once

#include <QString>

#include <exception>
#include <stdexcept>
#include <utility>

#include "app/lang.h"

namespace climate {

// Shows the error in the error message box: its own text, or "unknown error".
void ReportError(const std::exception_ptr &error);

// Runs a handler; an error it does not handle is reported and the program goes on.
template <class F>
void Guarded(F &&handler) {
  try {
    std::forward<F>(handler)();
  } catch (...) {
    ReportError(std::current_exception());
  }
}

// A handler bound to a signal, run under Guarded.
template <class F>
auto Handler(F handler) {
  return [handler](auto &&...) { Guarded(handler); };
}

// An error whose text is `text` in the interface language, followed by `detail`.
std::runtime_error Failure(const Text &text, const QString &detail);

}  // namespace climate

// What the create button of a selection window makes (Qt-free), one shape for the heater, fan
// and cooling windows alike.
#pragma once

#include <optional>
#include <string>

namespace climate {

template <class Fields>
struct SelectionResult {
  // The window's fields after the create; a field the create does not write keeps its value.
  Fields fields;
  // The new text of the window's list box, lines joined by CR LF; empty when the list keeps
  // its text.
  std::optional<std::string> list_text;
  // Whether the list then shows the result of this create: the items it chose, or that none
  // fits. Only then can the result be exported and do the items belong in the workbook; a
  // create that lacked a choice (the fan window's altitude) shows no result.
  bool listed = false;
};

}  // namespace climate

// The texts of a window's table set on its controls (Qt), in the language of the interface.
#pragma once

#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "app/lang.h"

namespace climate {

// As many empty items as the table has texts for the list `control`, to be filled by it.
template <std::size_t N>
QStringList EmptyItems(const std::array<TextEntry, N> &table, const char *control) {
  int count = 0;
  for (const TextEntry &entry : table) {
    if (std::string_view(entry.control) == control) count = std::max(count, entry.item + 1);
  }
  return QStringList(count);
}

// Sets the text of the control that `entry` names in `window`: the window's own caption, a
// list item, a group's title, a button's, check box's, label's or menu item's text.
void SetControlText(QWidget *window, const TextEntry &entry, const char *utf8);

// Sets the texts of a window's table in the language `t_lang`.
template <std::size_t N>
void SetTexts(QWidget *window, const std::array<TextEntry, N> &table, int32_t t_lang) {
  for (const TextEntry &entry : table) {
    SetText(t_lang, entry.text,
            [window, &entry](const char *text) { SetControlText(window, entry, text); });
  }
}

// Sets the Russian texts of a window's table, whatever the language.
template <std::size_t N>
void SetRussianTexts(QWidget *window, const std::array<TextEntry, N> &table) {
  SetTexts(window, table, kRussian);
}

}  // namespace climate

#include "app/window_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "app/errors.h"

namespace climate {

void SetControlText(QWidget *window, const TextEntry &entry, const char *utf8) {
  const QString text = QString::fromUtf8(utf8);
  const QString control = QString::fromUtf8(entry.control);
  if (control == QLatin1String("caption")) {
    window->setWindowTitle(text);
  } else if (auto *box = window->findChild<QComboBox *>(control)) {
    box->setItemText(entry.item, text);
  } else if (auto *group = window->findChild<QGroupBox *>(control)) {
    group->setTitle(text);
  } else if (auto *button = window->findChild<QAbstractButton *>(control)) {
    button->setText(text);
  } else if (auto *label = window->findChild<QLabel *>(control)) {
    label->setText(text);
  } else if (auto *action = window->findChild<QAction *>(control)) {
    action->setText(text);
  } else {
    throw Failure(error_texts::kNoControl, control);
  }
}

}  // namespace climate

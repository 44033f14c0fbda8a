#include "app/form.h"

#include <QFont>
#include <QShowEvent>

#include "app/errors.h"
#include "app/pictures.h"

namespace climate {

TForm::TForm(QWidget *parent, const QString &name, QSize client, const QString &font_family,
             bool minimise_box)
    : QDialog(parent) {
  setObjectName(name);
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (minimise_box) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  setFixedSize(client);
  setFont(QFont(font_family, 8));
  setWindowIcon(WindowIcon());
}

int TForm::ShowModal() {
  return exec();
}

void TForm::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  // Opened by someone working with the keyboard: the focused control shows its frame at
  // once, not only after the first Tab in this window.
  const QWidget *opener = parentWidget() ? parentWidget()->window() : nullptr;
  if (opener && opener->testAttribute(Qt::WA_KeyboardFocusChange)) {
    setAttribute(Qt::WA_KeyboardFocusChange);
  }
  if (!event->spontaneous()) Guarded([this] { FormActivate(); });
}

}  // namespace climate

#include "app/messages.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/interface_language.h"
#include "app/keys.h"
#include "app/lang.h"

namespace climate {
namespace {

const char kBoxTitle[] = "Norda aervik";

// "\r" starts a new line in the program's texts; the dialogs break lines at "\n".
QString DisplayText(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

// A message box in the font of the window it belongs to, so that its text is no larger than
// the window's; with no window, the windows' size of 8 points.
void ShowBox(QMessageBox::Icon icon, QWidget *parent, const QString &text) {
  QMessageBox box(icon, QString::fromUtf8(kBoxTitle), DisplayText(text), QMessageBox::Ok, parent);
  QFont font = QApplication::font();
  font.setPointSize(8);
  box.setFont(parent ? parent->window()->font() : font);
  // Enter clicks OK once when pressed; the repeats of an Enter held since it pressed the button
  // that brought the message do not, so the message stays to be read.
  for (QAbstractButton *button : box.buttons()) ClickOnEnter(button);
  box.exec();
}

class DialogPresenter final : public MessagePresenter {
 public:
  void Information(QWidget *parent, const QString &text) override {
    ShowBox(QMessageBox::Information, parent, text);
  }
  void Error(QWidget *parent, const QString &text) override {
    ShowBox(QMessageBox::Critical, parent, text);
  }
  std::optional<QString> SaveFileName(QWidget *parent, const QString &,
                                      const QString &current) override {
    // No filter, no default extension, no question about overwriting; the system's usual
    // caption, in the interface language, given so that every kind of dialog shows it.
    const QString name =
        QFileDialog::getSaveFileName(parent, InterfaceText(kSaveAsCaption), current, QString(),
                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return std::nullopt;
    return name;
  }
};

DialogPresenter g_dialogs;
MessagePresenter *g_presenter = &g_dialogs;

}  // namespace

MessagePresenter *SetMessagePresenter(MessagePresenter *presenter) {
  MessagePresenter *previous = g_presenter == &g_dialogs ? nullptr : g_presenter;
  g_presenter = presenter ? presenter : &g_dialogs;
  return previous;
}

void ShowInformation(QWidget *parent, const QString &text) {
  g_presenter->Information(parent, text);
}

void ShowError(QWidget *parent, const QString &text) {
  g_presenter->Error(parent, text);
}

std::optional<QString> AskSaveFileName(QWidget *parent, const QString &dialog,
                                       const QString &current) {
  return g_presenter->SaveFileName(parent, dialog, current);
}

TSaveDialog::TSaveDialog(QObject *parent, const QString &name) : QObject(parent) {
  setObjectName(name);
}

bool TSaveDialog::Execute(QWidget *parent) {
  const std::optional<QString> chosen = AskSaveFileName(parent, objectName(), FileName);
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

}  // namespace climate

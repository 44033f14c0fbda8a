#include "app/messages.h"

#include <QFileDialog>
#include <QMessageBox>

namespace climate {
namespace {

const char kBoxTitle[] = "Norda aervik";

// "\r" starts a new line in the program's texts; the dialogs break lines at "\n".
QString DisplayText(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

class DialogPresenter final : public MessagePresenter {
 public:
  void Information(QWidget *parent, const QString &text) override {
    QMessageBox::information(parent, QString::fromUtf8(kBoxTitle), DisplayText(text),
                             QMessageBox::Ok);
  }
  void Error(QWidget *parent, const QString &text) override {
    QMessageBox::critical(parent, QString::fromUtf8(kBoxTitle), DisplayText(text), QMessageBox::Ok);
  }
  std::optional<QString> SaveFileName(QWidget *parent, const QString &,
                                      const QString &current) override {
    // No filter, no default extension, no title of its own, no question about overwriting.
    const QString name = QFileDialog::getSaveFileName(parent, QString(), current, QString(),
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

}  // namespace climate

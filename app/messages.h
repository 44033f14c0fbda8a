// Message boxes and file dialogs of the program (Qt), behind a seam so that tests can answer them.
#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace climate {

// Shows the program's message boxes. The default presenter opens real dialogs; tests install
// one that records the messages and answers at once.
class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  // An information box with a single OK button.
  virtual void Information(QWidget *parent, const QString &text) = 0;
  // The standard error box for an error no handler dealt with.
  virtual void Error(QWidget *parent, const QString &text) = 0;
  // A save-file dialog: the chosen file name, or an empty optional when it was cancelled.
  // `dialog` names the dialog object; `current` is the name it holds from before.
  virtual std::optional<QString> SaveFileName(QWidget *parent, const QString &dialog,
                                              const QString &current) = 0;
};

// Installs a presenter and returns the previous one; nullptr restores the real dialogs.
MessagePresenter *SetMessagePresenter(MessagePresenter *presenter);

// "\r" in a text starts a new line.
void ShowInformation(QWidget *parent, const QString &text);
void ShowError(QWidget *parent, const QString &text);
std::optional<QString> AskSaveFileName(QWidget *parent, const QString &dialog,
                                       const QString &current);

// A save-file dialog of a window. Execute shows it and keeps the chosen name in FileName.
class TSaveDialog : public QObject {
 public:
  TSaveDialog(QObject *parent, const QString &name);
  // True when a file name was chosen; false when the dialog was cancelled.
  bool Execute(QWidget *parent);
  QString FileName;
};

}  // namespace climate

// The frame of the program's dialog windows (Qt).
#pragma once

#include <QDialog>

namespace climate {

// A fixed-size dialog window of the program: fixed border, system menu, optionally a
// minimise box, no maximise box; closing it only hides it. Its activation handler runs
// every time it is shown, before the user can act.
class TForm : public QDialog {
 public:
  // The caption comes from the window's text table, like every other text.
  TForm(QWidget *parent, const QString &name, QSize client, const QString &font_family,
        bool minimise_box);

  // Shows the window modally and returns when it is hidden again.
  int ShowModal();

 protected:
  virtual void FormActivate() {}
  void showEvent(QShowEvent *event) override;
};

}  // namespace climate

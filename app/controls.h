// Controls of the windows (Qt), each made with its object name and place (left, top, width,
// height within its parent) and without texts, which each window sets from its table in
// app/lang.h: groups, captions, drop-down lists, push buttons, the numeric fields and the
// selection windows' list box.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

namespace climate {

QGroupBox *MakeGroup(QWidget *parent, const QString &name, const QRect &geometry);
QLabel *MakeLabel(QWidget *parent, const QString &name, const QRect &geometry);
// A drop-down list that takes only a choice among its items, with nothing chosen.
QComboBox *MakeList(QWidget *parent, const QString &name, const QRect &geometry,
                    const QStringList &items);

// Makes a push button that Enter and Return click while it has the focus; Enter pressed
// elsewhere in its window does not click it.
QPushButton *MakeButton(QWidget *parent, const QString &name, const QRect &geometry);

// A numeric field of up to four digits. Typed keys go through the window's key filter and the
// length limit as they come. Text that arrives at once (pasted with Ctrl+V or the context
// menu, dropped) first loses its white space: the line break a spreadsheet cell brings along,
// spaces around the number and digit-group spaces ("1 200", also no-break ones). What is
// still not a number of up to four digits leaves the field as it was, with a beep and a short
// note at the field.
class TNumberField : public QLineEdit {
 public:
  TNumberField(QWidget *parent, const QString &name, const QRect &geometry);

 protected:
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void Refused();
  bool typing_ = false;  // a typed key is being handled: its refusal is silent
};

// The list text box of a selection window: an editable multi-line box whose text reads as
// lines joined by CR LF.
class TMemo : public QPlainTextEdit {
 public:
  TMemo(QWidget *parent, const QString &name, const QRect &geometry);
  // The whole text with CR LF between lines; a text that ended in a line break keeps it.
  QString text() const;
  void setText(const QString &text);
};

}  // namespace climate

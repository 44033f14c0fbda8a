// Text labels of the windows (Qt): a label that shows "\r" as a line break in a colour that
// stays readable, and the suggestion texts that act as links for the mouse, the keyboard and
// screen readers.
#pragma once

#include <QColor>
#include <QLabel>

#include "app/lang.h"

namespace climate {

// A text label that shows "\r" as a line break.
class TLabel : public QLabel {
 public:
  TLabel(QWidget *parent, const QString &name, const QRect &geometry, const QString &text = {});

  // Draws the text in `colour`, or in the nearest colour that keeps the text readable on the
  // window background of the palette in force. An invalid colour draws in the palette's.
  void SetAccent(const QColor &colour);
  // The colour the text is drawn in.
  QColor TextColour() const;

 protected:
  void paintEvent(QPaintEvent *event) override;
  // The colour asked for the text, before the contrast check; invalid for the palette's.
  virtual QColor Accent() const { return accent_; }
  // The text as shown, "\r" turned into line breaks.
  QString ShownText() const;

 private:
  QColor accent_;
};

// A text label that can act as a link: while active it shows the link style and the hand
// cursor, takes the keyboard focus from Tab and shows a focus frame, and reports clicks and
// Enter, Return or Space pressed on it; otherwise it is plain text that ignores them and
// takes no focus. A screen reader meets it the same way: a link with a press action while
// active, plain text otherwise, named by the words it shows and described by its
// accessible description.
class TLinkLabel : public TLabel {
  Q_OBJECT
 public:
  // `empty_name` names the label for a screen reader while it shows no text.
  TLinkLabel(QWidget *parent, const QString &name, const QRect &geometry, const Text &empty_name);

  void SetActive(bool active);
  bool IsActive() const { return active_; }
  // The name a screen reader reads: the text as shown, its lines joined by spaces; while it
  // shows nothing, the name given for that, in the interface language.
  QString SpokenName() const;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  QColor Accent() const override;

 private:
  bool active_ = false;
  Text empty_name_;
};

// Tells assistive technologies that the text `widget` shows is news to be read out now (the
// result of a calculation); nothing changes on the screen.
void Announce(QWidget *widget);

}  // namespace climate

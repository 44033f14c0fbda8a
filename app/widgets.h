// Building blocks shared by the windows (Qt): picture lists and picture boxes, the list text box,
// clickable labels, the fixed-size dialog frame and the guard that turns an error escaping
// a handler into the error message box.
#pragma once

#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <string_view>
#include <utility>

#include "app/lang.h"

namespace climate {

// Runs a handler; an error it does not handle is shown in the error message box and the
// program goes on with the windows as the handler left them.
void ReportError(const std::exception_ptr &error);

// The language number that error messages of the windows follow; the main window installs
// its own as the source. Without one, messages are Russian.
void SetLanguageSource(int32_t (*source)());
// `text` in that language.
QString ErrorText(const Text &text);

template <class F>
void Guarded(F &&handler) {
  try {
    std::forward<F>(handler)();
  } catch (...) {
    ReportError(std::current_exception());
  }
}

// A handler bound to a signal, run under Guarded.
template <class F>
auto Handler(F handler) {
  return [handler](auto &&...) { Guarded(handler); };
}

// A list of pictures of one size, drawn from the program's SVG artwork.
class TImageList : public QObject {
 public:
  TImageList(QObject *parent, const QString &name, const QStringList &resources, QSize size);
  int count() const { return static_cast<int>(resources_.size()); }
  // The picture at `index` with transparent background, rendered for `scale` device pixels.
  // Pictures are rendered when first drawn, which keeps start-up short.
  QImage picture(int index, qreal scale = 1.0) const;

 private:
  QStringList resources_;
  QSize size_;
  mutable QVector<QImage> images_;  // rendered at scale 1, by index; null until first use
};

// A picture box with a canvas: it can be filled with a colour, pictures of a list can be
// drawn over the fill, and the picture can be removed, leaving the window behind visible.
class TImage : public QWidget {
 public:
  TImage(QWidget *parent, const QString &name, const QRect &geometry);

  // Fills the whole box with `colour` and remembers it as the brush colour. The window
  // background colour fills the box with what lies behind it, the exact colour of the
  // frame's interior the box sits in.
  void Fill(const QColor &colour);
  // Draws picture `index` of `list` over what the canvas holds.
  void Draw(const TImageList &list, int index);
  // Fills with the brush colour, then draws the picture.
  void FillAndDraw(const QColor &colour, const TImageList &list, int index);
  // Removes the picture: the box shows nothing until it is filled or drawn again.
  void Clear();
  // Shows a scalable picture centred and scaled proportionally over a transparent canvas.
  // It is rendered when the box is first painted.
  void SetPicture(const QString &resource);
  // Lays a light plate under the picture whenever the window background is too dark for its
  // dark artwork, so that a logo stays readable on a dark palette.
  void SetPlateOnDark(bool plate) {
    plate_ = plate;
    update();
  }

  QColor brushColour() const { return brush_; }
  // The last picture drawn since the box was last cleared or filled, or -1.
  int pictureIndex() const { return picture_; }
  // The list the last picture came from.
  const TImageList *pictureList() const { return list_; }

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  void EnsureCanvas();
  QImage canvas_;
  QString pending_;  // a picture set but not yet rendered
  QColor brush_;
  int picture_ = -1;
  QPointer<const TImageList> list_;
  bool plate_ = false;
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

// The contrast a focus frame keeps against the background it is drawn on.
inline constexpr double kFocusContrast = 3.0;

// Tells assistive technologies that the text `widget` shows is news to be read out now (the
// result of a calculation); nothing changes on the screen.
void Announce(QWidget *widget);

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

// Controls of the windows, each with its object name and place (left, top, width, height
// within its parent). They are built without texts: each window then sets the texts of its
// table in app/lang.h.
QGroupBox *MakeGroup(QWidget *parent, const QString &name, const QRect &geometry);
QLabel *MakeLabel(QWidget *parent, const QString &name, const QRect &geometry);
// A drop-down list that takes only a choice among its items, with nothing chosen.
QComboBox *MakeList(QWidget *parent, const QString &name, const QRect &geometry,
                    const QStringList &items);

// As many empty items as the table has texts for the list `control`, to be filled by it.
template <std::size_t N>
QStringList EmptyItems(const std::array<TextEntry, N> &table, const char *control) {
  int count = 0;
  for (const TextEntry &entry : table) {
    if (std::string_view(entry.control) == control) count = std::max(count, entry.item + 1);
  }
  return QStringList(count);
}

// The five pictures of a selection window: check badge, wall and roof cooling units, filter
// fan, heater.
TImageList *MakeSelectionPictures(QObject *parent);

// Makes a push button that Enter and Return click while it has the focus; Enter pressed
// elsewhere in its window does not click it.
QPushButton *MakeButton(QWidget *parent, const QString &name, const QRect &geometry);

// A save-file dialog of a window. Execute shows it and keeps the chosen name in FileName.
class TSaveDialog : public QObject {
 public:
  TSaveDialog(QObject *parent, const QString &name);
  // True when a file name was chosen; false when the dialog was cancelled.
  bool Execute(QWidget *parent);
  QString FileName;
};

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

// The window background colour (the button-face colour of the system palette), the fill
// colour of picture boxes.
QColor ButtonFace();

// The program's window icon.
QIcon WindowIcon();

}  // namespace climate

#include "app/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolTip>
#include <QValidator>

#include "app/interface_language.h"
#include "app/keys.h"

namespace climate {

QGroupBox *MakeGroup(QWidget *parent, const QString &name, const QRect &geometry) {
  auto *group = new QGroupBox(parent);
  group->setObjectName(name);
  group->setGeometry(geometry);
  return group;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QRect &geometry) {
  auto *label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  return label;
}

QComboBox *MakeList(QWidget *parent, const QString &name, const QRect &geometry,
                    const QStringList &items) {
  auto *box = new QComboBox(parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->addItems(items);
  box->setCurrentIndex(-1);
  return box;
}

QPushButton *MakeButton(QWidget *parent, const QString &name, const QRect &geometry) {
  auto *button = new QPushButton(parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  // No button is a default one, so a stray Enter in a field or list presses nothing.
  button->setAutoDefault(false);
  button->setDefault(false);
  ClickOnEnter(button);
  return button;
}

namespace {

// Whole numbers of up to four digits. White space anywhere in the text is dropped first: a
// key filter keeps typed spaces out, so only text that arrives at once can bring any.
class FourDigits final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString &input, int &pos) const override {
    QString digits;
    int cursor = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
      const QChar c = input.at(i);
      if (c.isSpace()) {
        if (i < pos) --cursor;
        continue;
      }
      if (c < u'0' || c > u'9') return Invalid;
      digits += c;
    }
    if (digits.size() > 4) return Invalid;
    input = digits;
    pos = cursor;
    return Acceptable;
  }
};

}  // namespace

TNumberField::TNumberField(QWidget *parent, const QString &name, const QRect &geometry)
    : QLineEdit(parent) {
  setObjectName(name);
  setGeometry(geometry);
  setValidator(new FourDigits(this));
  connect(this, &QLineEdit::inputRejected, this, [this] { Refused(); });
}

void TNumberField::keyPressEvent(QKeyEvent *event) {
  // A paste by key is text that arrives at once; every other key is typing.
  typing_ = !event->matches(QKeySequence::Paste);
  QLineEdit::keyPressEvent(event);
  typing_ = false;
}

void TNumberField::Refused() {
  if (typing_) return;
  QApplication::beep();
  QToolTip::showText(mapToGlobal(QPoint(0, height())), InterfaceText(kNotANumber), this, rect(),
                     4000);
}

TMemo::TMemo(QWidget *parent, const QString &name, const QRect &geometry) : QPlainTextEdit(parent) {
  setObjectName(name);
  setGeometry(geometry);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

QString TMemo::text() const {
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

void TMemo::setText(const QString &text) {
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  setPlainText(plain);
}

}  // namespace climate

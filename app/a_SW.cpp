#include "app/a_SW.h"

#include "app/lang.h"

Tabout_SW *about_SW = nullptr;

namespace {

QLabel *Line(QWidget *parent, const climate::TextEntry &entry, const QRect &geometry) {
  auto *label = new QLabel(QString::fromUtf8(entry.text.ru), parent);
  label->setObjectName(QString::fromUtf8(entry.control));
  label->setGeometry(geometry);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

Tabout_SW::Tabout_SW(QWidget *parent)
    : TForm(parent, QStringLiteral("about_SW"), QString::fromUtf8(climate::about_texts::kCaption),
            QSize(482, 160), QStringLiteral("Tahoma"), false) {
  const auto &lines = climate::about_texts::kLines;
  // Two lines of the 8-point face take 26 pixels: at 25 the descenders of the second are cut.
  StaticText1 = Line(this, lines[0], QRect(8, 16, 466, 26));
  StaticText2 = Line(this, lines[1], QRect(8, 47, 466, 26));
  StaticText3 = Line(this, lines[2], QRect(8, 78, 466, 26));
  StaticText4 = Line(this, lines[3], QRect(8, 109, 466, 26));
  StaticText5 = Line(this, lines[4], QRect(377, 140, 97, 18));
  StaticText5->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

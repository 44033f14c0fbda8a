#include "app/a_SW.h"

#include "app/controls.h"
#include "app/lang.h"
#include "app/version.h"
#include "app/window_texts.h"

Tabout_SW *about_SW = nullptr;

namespace {

QLabel *Line(QWidget *parent, const char *name, const QRect &geometry) {
  QLabel *label = climate::MakeLabel(parent, QString::fromUtf8(name), geometry);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

Tabout_SW::Tabout_SW(QWidget *parent)
    : TForm(parent, QStringLiteral("about_SW"), QSize(482, 160), QStringLiteral("Tahoma"), false) {
  setWindowTitle(QString::fromUtf8(climate::about_texts::kCaption));
  // Two lines of the 8-point face take 26 pixels: at 25 the descenders of the second are cut.
  StaticText1 = Line(this, "StaticText1", QRect(8, 16, 466, 26));
  StaticText2 = Line(this, "StaticText2", QRect(8, 47, 466, 26));
  StaticText3 = Line(this, "StaticText3", QRect(8, 78, 466, 26));
  StaticText4 = Line(this, "StaticText4", QRect(8, 109, 466, 26));
  StaticText5 = Line(this, "StaticText5", QRect(377, 140, 97, 18));
  StaticText5->setAlignment(Qt::AlignRight | Qt::AlignTop);
  climate::SetRussianTexts(this, climate::about_texts::kLines);
  // The support line carries the program's version.
  StaticText4->setText(StaticText4->text().arg(QString::fromUtf8(climate::kVersion)));
}

#include "app/abouttervax.h"

#include "app/lang.h"

Tabout_form *about_form = nullptr;

Tabout_form::Tabout_form(QWidget *parent)
    : TForm(parent, QStringLiteral("about_form"), QSize(352, 159), QStringLiteral("Tahoma"),
            false) {
  setWindowTitle(QString::fromUtf8(climate::about_texts::kCaption));
  Image1 = new climate::TImage(this, QStringLiteral("Image1"), QRect(8, 8, 155, 89));
  Image1->SetPicture(QStringLiteral(":/assets/logo_maker.svg"));
  Image2 = new climate::TImage(this, QStringLiteral("Image2"), QRect(172, 31, 172, 50));
  Image2->SetPicture(QStringLiteral(":/assets/logo_product.svg"));
  StaticText1 = new QLabel(QString::fromUtf8(climate::about_texts::kFormText), this);
  StaticText1->setObjectName(QStringLiteral("StaticText1"));
  StaticText1->move(8, 110);
}

#include "app/a_SW.h"

Tabout_SW *about_SW = nullptr;

namespace {

QLabel *Line(QWidget *parent, const char *name, const QRect &geometry, const char *text) {
  auto *label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setGeometry(geometry);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

Tabout_SW::Tabout_SW(QWidget *parent)
    : TForm(parent, QStringLiteral("about_SW"), QString::fromUtf8("О программе"), QSize(482, 160),
            QStringLiteral("Tahoma"), false) {
  StaticText1 = Line(this, "StaticText1", QRect(8, 16, 466, 25),
                     "Все предложенные комбинации и спецификации оборудования являются только "
                     "рекомендациями.");
  StaticText2 = Line(this, "StaticText2", QRect(8, 47, 466, 25),
                     "Методика расчета теплового баланса шкафа изложена в каталоге Tervax, "
                     "который можно скачать на сайте компании.");
  StaticText3 = Line(this, "StaticText3", QRect(8, 78, 466, 25),
                     "По вопросам работы с конфигуратором обращайтесь к представителям Tervax в "
                     "вашем регионе или по телефону горячей линии.");
  StaticText4 = Line(this, "StaticText4", QRect(8, 109, 466, 25),
                     "Техническая поддержка конфигуратора: support@tervax.example");
  StaticText5 = Line(this, "StaticText5", QRect(377, 140, 97, 18), "© Tervax, 2026");
  StaticText5->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

#include "selection/cool.h"

Tcool_form *cool_form = nullptr;

using climate::Handler;

namespace {
QString Q(const char *utf8) {
  return QString::fromUtf8(utf8);
}
}  // namespace

Tcool_form::Tcool_form(QWidget *parent)
    : TForm(parent, QStringLiteral("cool_form"), Q("Подбор кондиционера"), QSize(419, 294),
            QStringLiteral("Tahoma"), true) {
  Image1 = new climate::TImage(this, QStringLiteral("Image1"), QRect(8, 8, 100, 100));
  ImageList1 = new climate::TImageList(
      this, QStringLiteral("ImageList1"),
      {QStringLiteral(":/assets/equip_0.svg"), QStringLiteral(":/assets/equip_1.svg"),
       QStringLiteral(":/assets/equip_2.svg"), QStringLiteral(":/assets/equip_3.svg"),
       QStringLiteral(":/assets/equip_4.svg")},
      QSize(100, 100));

  GroupBox6 = new QGroupBox(Q("Основные параметры"), this);
  GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
  GroupBox6->setGeometry(116, 8, 295, 100);
  Label2 = new QLabel(Q("Тип кондиционера:"), GroupBox6);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(10, 27, 130, 16);
  Type_cool = new QComboBox(GroupBox6);
  Type_cool->setObjectName(QStringLiteral("Type_cool"));
  Type_cool->setGeometry(142, 24, 143, 21);
  Type_cool->addItems({Q("Навесной"), Q("Потолочный")});
  Type_cool->setCurrentIndex(-1);
  Label2->setBuddy(Type_cool);
  Label1 = new QLabel(Q("Напряжение:"), GroupBox6);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(10, 63, 130, 16);
  Volt_cool = new QComboBox(GroupBox6);
  Volt_cool->setObjectName(QStringLiteral("Volt_cool"));
  Volt_cool->setGeometry(142, 60, 143, 21);
  Volt_cool->addItems({Q("~ 230 В"), Q("~ 400 В, 2 фазы"), Q("~ 400/440 В, 3 фазы")});
  Volt_cool->setCurrentIndex(-1);
  Label1->setBuddy(Volt_cool);

  GroupBox1 = new QGroupBox(Q("Список оборудования"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(8, 114, 403, 172);
  Button1 = climate::MakeButton(GroupBox1, QStringLiteral("Button1"), QRect(20, 20, 170, 30),
                                Q("Создать спецификацию"));
  Button1->setEnabled(false);
  Button2 = climate::MakeButton(GroupBox1, QStringLiteral("Button2"), QRect(213, 20, 170, 30),
                                Q("Экспорт в отчет"));
  Button2->setEnabled(false);
  Memo1 = new climate::TMemo(GroupBox1, QStringLiteral("Memo1"), QRect(3, 58, 397, 111));

  connect(Type_cool, &QComboBox::activated, this, Handler([this] { Type_coolChange(); }));
  connect(Volt_cool, &QComboBox::activated, this, Handler([this] { Volt_coolEndEdit(); }));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Tcool_form::FormActivate() {}

void Tcool_form::Type_coolChange() {}

void Tcool_form::Volt_coolEndEdit() {}

void Tcool_form::Button1Click() {}

void Tcool_form::Button2Click() {}

#include "selection/heat.h"

Theat_form *heat_form = nullptr;

using climate::Handler;

namespace {
QString Q(const char *utf8) {
  return QString::fromUtf8(utf8);
}
}  // namespace

Theat_form::Theat_form(QWidget *parent)
    : TForm(parent, QStringLiteral("heat_form"), Q("Подбор обогрева"), QSize(404, 323),
            QStringLiteral("Tahoma"), true) {
  Image1 = new climate::TImage(this, QStringLiteral("Image1"), QRect(8, 20, 100, 58));
  Image1->SetPicture(QStringLiteral(":/assets/heater_photo.svg"));

  GroupBox6 = new QGroupBox(Q("Режим работы установленного оборудования"), this);
  GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
  GroupBox6->setGeometry(123, 21, 273, 57);
  Label2 = new QLabel(Q("Режим работы:"), GroupBox6);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(16, 27, 82, 16);
  box1 = new QComboBox(GroupBox6);
  box1->setObjectName(QStringLiteral("box1"));
  box1->setGeometry(99, 23, 161, 21);
  box1->setFont(QFont(QStringLiteral("Verdana"), 8));
  box1->addItems({Q("Постоянно"), Q("Периодически")});
  box1->setCurrentIndex(-1);
  Label2->setBuddy(box1);

  GroupBox2 = new QGroupBox(Q("Дополнительные характеристики"), this);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  GroupBox2->setGeometry(8, 84, 388, 61);
  check_compact = new QCheckBox(Q("Использовать компактные обогреватели"), GroupBox2);
  check_compact->setObjectName(QStringLiteral("check_compact"));
  check_compact->setGeometry(3, 16, 380, 19);
  check_termo = new QCheckBox(Q("Использовать модель со встроенным термостатом"), GroupBox2);
  check_termo->setObjectName(QStringLiteral("check_termo"));
  check_termo->setGeometry(3, 39, 380, 19);

  GroupBox1 = new QGroupBox(Q("Список оборудования"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(8, 151, 388, 169);
  Memo1 = new climate::TMemo(GroupBox1, QStringLiteral("Memo1"), QRect(3, 56, 382, 110));

  Button1 = climate::MakeButton(this, QStringLiteral("Button1"), QRect(27, 171, 170, 30),
                                Q("Создать спецификацию"));
  Button1->setEnabled(false);
  Button2 = climate::MakeButton(this, QStringLiteral("Button2"), QRect(203, 171, 170, 30),
                                Q("Экспорт в отчет"));
  Button2->setEnabled(false);

  connect(box1, &QComboBox::activated, this, Handler([this] { box1EndEdit(); }));
  connect(check_compact, &QCheckBox::toggled, this, Handler([this] { check_compactClick(); }));
  connect(check_termo, &QCheckBox::toggled, this, Handler([this] { check_compactClick(); }));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Theat_form::FormActivate() {}

void Theat_form::box1EndEdit() {}

void Theat_form::check_compactClick() {}

void Theat_form::Button1Click() {}

void Theat_form::Button2Click() {}

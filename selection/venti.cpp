#include "selection/venti.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "app/lang.h"
#include "balance/aervik.h"
#include "balance/workflow.h"
#include "selection/fan_selection.h"

Tvent_form *vent_form = nullptr;

using climate::Handler;

namespace {
QString Q(const char *utf8) {
  return QString::fromUtf8(utf8);
}

// The fan with grille and filter in the window's picture list.
constexpr int kFanPicture = 3;

// Writes a field that the create operation wrote; a field it left alone keeps its value.
void Apply(const std::optional<std::string> &value, QString &field) {
  if (value) field = QString::fromStdString(*value);
}

void Apply(const std::optional<float> &value, float &field) {
  if (value) field = *value;
}
}  // namespace

Tvent_form::Tvent_form(QWidget *parent)
    : TForm(parent, QStringLiteral("vent_form"), Q("Подбор вентилятора"), QSize(416, 297),
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
  GroupBox6->setGeometry(116, 8, 292, 100);
  Label2 = new QLabel(Q("Высота над уровнем моря:"), GroupBox6);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(10, 27, 150, 16);
  Point_sea = new QComboBox(GroupBox6);
  Point_sea->setObjectName(QStringLiteral("Point_sea"));
  Point_sea->setGeometry(162, 24, 120, 21);
  Point_sea->addItems({Q("от 0 до 100"), Q("от 100 до 250"), Q("от 250 до 500"), Q("от 500 до 750"),
                       Q("от 750 до 1000")});
  Point_sea->setCurrentIndex(-1);
  Label2->setBuddy(Point_sea);
  Label1 = new QLabel(Q("Напряжение:"), GroupBox6);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(10, 63, 150, 16);
  Volt_vent = new QComboBox(GroupBox6);
  Volt_vent->setObjectName(QStringLiteral("Volt_vent"));
  Volt_vent->setGeometry(162, 60, 120, 21);
  Volt_vent->addItems({Q("~230 В"), Q("~115 В")});
  Volt_vent->setCurrentIndex(-1);
  Label1->setBuddy(Volt_vent);

  GroupBox1 = new QGroupBox(Q("Список оборудования"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(8, 114, 400, 175);
  Button1 = climate::MakeButton(GroupBox1, QStringLiteral("Button1"), QRect(20, 20, 170, 30),
                                Q("Создать спецификацию"));
  Button1->setEnabled(false);
  Button2 = climate::MakeButton(GroupBox1, QStringLiteral("Button2"), QRect(210, 20, 170, 30),
                                Q("Экспорт в отчет"));
  Button2->setEnabled(false);
  Memo1 = new climate::TMemo(GroupBox1, QStringLiteral("Memo1"), QRect(3, 58, 394, 114));
  Memo1->setAccessibleName(Q("Список оборудования"));

  connect(Point_sea, &QComboBox::activated, this, Handler([this] { Point_seaChange(); }));
  connect(Volt_vent, &QComboBox::activated, this, Handler([this] { Volt_ventEndEdit(); }));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Tvent_form::FormActivate() {
  // A reset of the main window may have hidden the picture; it is shown with every opening.
  Image1->FillAndDraw(climate::ButtonFace(), *ImageList1, kFanPicture);
  Image1->show();

  PCOM_VENT = climate::HeatToCarryOut(Gaervik->PHG, Gaervik->K, Gaervik->S, Gaervik->TEMAX,
                                      Gaervik->TENMAX);

  // The window's captions are Russian whatever the language number.
  climate::SetRussianTexts(this, climate::vent_texts::kActivationTable);
}

void Tvent_form::Point_seaChange() {
  Volt_vent->setCurrentIndex(-1);
  Memo1->clear();
  Button2->setEnabled(false);
}

void Tvent_form::Volt_ventEndEdit() {
  Button1->setEnabled(true);
  Memo1->clear();
  Button2->setEnabled(false);
}

void Tvent_form::Button1Click() {
  climate::FanRequest request;
  request.PCOM_VENT = PCOM_VENT;
  request.TEMAX = Gaervik->TEMAX;
  request.TENMAX = Gaervik->TENMAX;
  request.heat = Gaervik->heat;
  request.altitude = Point_sea->currentIndex();
  request.voltage = Volt_vent->currentIndex();
  request.t_lang = Gaervik->t_lang;
  const climate::FanSpecification result = climate::CreateFanSpecification(request);

  Button2->setEnabled(result.export_enabled);
  const climate::FanFields &f = result.fields;
  Apply(f.F, F);
  Apply(f.VFP, VFP);
  Apply(f.vent_name, vent_name);
  Apply(f.vent_qnt, vent_qnt);
  Apply(f.vent_name_2, vent_name_2);
  Apply(f.vent_qnt_2, vent_qnt_2);
  Apply(f.vent_code, vent_code);
  Apply(f.vent_code_2, vent_code_2);
  Apply(f.term_code, term_code);
  Apply(f.term_name, term_name);
  Apply(f.term_qnt, term_qnt);
  Apply(f.gigro_code, gigro_code);
  Apply(f.gigro_name, gigro_name);
  Apply(f.gigro_qnt, gigro_qnt);
  Apply(f.qnt_pv, qnt_pv);
  if (result.list_text) Memo1->setText(QString::fromStdString(*result.list_text));
}

void Tvent_form::Button2Click() {
  FanExported();
  accept();
}

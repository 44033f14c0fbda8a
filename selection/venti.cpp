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
  using namespace climate;
  Image1 = new TImage(this, Q("Image1"), QRect(8, 8, 100, 100));
  ImageList1 = MakeSelectionPictures(this);

  GroupBox6 = MakeGroup(this, Q("GroupBox6"), QRect(116, 8, 292, 100), Q("Основные параметры"));
  // Room for the altitude caption in the regular face as well as the condensed one.
  Label2 = MakeLabel(GroupBox6, Q("Label2"), QRect(10, 27, 156, 16), Q("Высота над уровнем моря:"));
  Point_sea = MakeList(GroupBox6, Q("Point_sea"), QRect(168, 24, 116, 21),
                       {Q("от 0 до 100"), Q("от 100 до 250"), Q("от 250 до 500"),
                        Q("от 500 до 750"), Q("от 750 до 1000")});
  Label2->setBuddy(Point_sea);
  Label1 = MakeLabel(GroupBox6, Q("Label1"), QRect(10, 63, 156, 16), Q("Напряжение:"));
  Volt_vent =
      MakeList(GroupBox6, Q("Volt_vent"), QRect(168, 60, 116, 21), {Q("~230 В"), Q("~115 В")});
  Label1->setBuddy(Volt_vent);

  GroupBox1 = MakeGroup(this, Q("GroupBox1"), QRect(8, 114, 400, 175), Q("Список оборудования"));
  Button1 = MakeButton(GroupBox1, Q("Button1"), QRect(20, 20, 170, 30), Q("Создать спецификацию"));
  Button1->setEnabled(false);
  Button2 = MakeButton(GroupBox1, Q("Button2"), QRect(210, 20, 170, 30), Q("Экспорт в отчет"));
  Button2->setEnabled(false);
  Memo1 = new TMemo(GroupBox1, Q("Memo1"), QRect(3, 58, 394, 114));
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
  ClearList();
  Button2->setEnabled(false);
}

void Tvent_form::Volt_ventEndEdit() {
  Button1->setEnabled(true);
  ClearList();
  Button2->setEnabled(false);
}

void Tvent_form::ClearList() {
  Memo1->clear();
  items_listed_ = false;
}

void Tvent_form::Reset(SelectionReset variant) {
  Point_sea->setCurrentIndex(-1);
  Volt_vent->setCurrentIndex(-1);
  ClearList();
  if (variant == SelectionReset::PictureHiding) Image1->hide();
  Button1->setEnabled(false);
  Button2->setEnabled(false);
  if (variant == SelectionReset::Full) {
    // A new calculation: no item of the last one may reach a report.
    for (QString *field :
         {&vent_code, &vent_name, &vent_qnt, &vent_code_2, &vent_name_2, &vent_qnt_2, &term_code,
          &term_name, &term_qnt, &gigro_code, &gigro_name, &gigro_qnt}) {
      field->clear();
    }
  }
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
  // Without an altitude the list asks for one and nothing was chosen.
  items_listed_ = result.export_enabled;
}

void Tvent_form::Button2Click() {
  FanExported();
  accept();
}

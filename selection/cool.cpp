#include "selection/cool.h"

#include <stdexcept>
#include <string>

#include "app/lang.h"
#include "balance/aervik.h"
#include "balance/workflow.h"
#include "selection/cooler_selection.h"

Tcool_form *cool_form = nullptr;

using climate::Handler;
namespace T = climate::cool_texts;

namespace {

// Pictures of the window's own list shown for the mounting.
constexpr int kWallUnitPicture = 1;
constexpr int kRoofUnitPicture = 2;

QString Q(const char *utf8) {
  return QString::fromUtf8(utf8);
}

QString Q(const std::string &utf8) {
  return QString::fromStdString(utf8);
}

}  // namespace

Tcool_form::Tcool_form(QWidget *parent)
    : TForm(parent, QStringLiteral("cool_form"), Q("Подбор кондиционера"), QSize(419, 294),
            QStringLiteral("Tahoma"), true) {
  using namespace climate;
  Image1 = new TImage(this, Q("Image1"), QRect(8, 8, 100, 100));
  ImageList1 = MakeSelectionPictures(this);

  GroupBox6 = MakeGroup(this, Q("GroupBox6"), QRect(116, 8, 295, 100), Q("Основные параметры"));
  Label2 = MakeLabel(GroupBox6, Q("Label2"), QRect(10, 27, 130, 16), Q("Тип кондиционера:"));
  Type_cool = MakeList(GroupBox6, Q("Type_cool"), QRect(142, 24, 146, 21),
                       {Q("Навесной"), Q("Потолочный")});
  Label2->setBuddy(Type_cool);
  Label1 = MakeLabel(GroupBox6, Q("Label1"), QRect(10, 63, 130, 16), Q("Напряжение:"));
  QStringList voltages;
  for (const char *item : T::kDesignVoltage) voltages << Q(item);
  // Wide enough for the longest voltage item in the regular face.
  Volt_cool = MakeList(GroupBox6, Q("Volt_cool"), QRect(142, 60, 146, 21), voltages);
  Label1->setBuddy(Volt_cool);

  GroupBox1 = MakeGroup(this, Q("GroupBox1"), QRect(8, 114, 403, 172), Q("Список оборудования"));
  Button1 = MakeButton(GroupBox1, Q("Button1"), QRect(20, 20, 170, 30), Q("Создать спецификацию"));
  Button1->setEnabled(false);
  Button2 = MakeButton(GroupBox1, Q("Button2"), QRect(213, 20, 170, 30), Q("Экспорт в отчет"));
  Button2->setEnabled(false);
  Memo1 = new TMemo(GroupBox1, Q("Memo1"), QRect(3, 58, 397, 111));
  Memo1->setAccessibleName(Q("Список оборудования"));

  connect(Type_cool, &QComboBox::activated, this, Handler([this] { Type_coolChange(); }));
  connect(Volt_cool, &QComboBox::activated, this, Handler([this] { Volt_coolEndEdit(); }));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Tcool_form::FormActivate() {
  const climate::CoolerActivation activation = climate::ActivateCooler(
      {Gaervik->PHG, Gaervik->K, Gaervik->S, Gaervik->TEMAX, Gaervik->TENMAX, Gaervik->t_lang});
  PCOM_COOL = activation.PCOM_COOL;

  climate::SetTexts(this, T::kActivationTable, Gaervik->t_lang);

  // A power outside the bands leaves the list as it is.
  if (activation.voltage_items) {
    Volt_cool->clear();
    for (const std::string &item : *activation.voltage_items) Volt_cool->addItem(Q(item));
    // The first item added becomes the current one; the rebuilt list starts with no choice.
    Volt_cool->setCurrentIndex(-1);
  }
}

void Tcool_form::Type_coolChange() {
  Image1->show();
  const bool wall = climate::MountingOf(Type_cool->currentIndex()) == climate::Mounting::Wall;
  Image1->FillAndDraw(climate::ButtonFace(), *ImageList1,
                      wall ? kWallUnitPicture : kRoofUnitPicture);
  Volt_cool->setCurrentIndex(-1);
  ClearList();
  Button1->setEnabled(false);
  Button2->setEnabled(false);
}

void Tcool_form::Volt_coolEndEdit() {
  Button1->setEnabled(true);
  ClearList();
  Button2->setEnabled(false);
}

void Tcool_form::ClearList() {
  Memo1->clear();
  items_listed_ = false;
}

void Tcool_form::Reset(SelectionReset variant) {
  Type_cool->setCurrentIndex(-1);
  Volt_cool->setCurrentIndex(-1);
  ClearList();
  Image1->hide();
  Button1->setEnabled(false);
  Button2->setEnabled(false);
  if (variant == SelectionReset::Full) {
    // A new calculation: no unit of the last one may reach a report.
    cool_code.clear();
    cool_name.clear();
    cool_qnt.clear();
  }
}

void Tcool_form::Button1Click() {
  Button2->setEnabled(true);
  const climate::CoolerSpecification created = climate::CreateCoolerSpecification(
      {PCOM_COOL, Type_cool->currentIndex(), Volt_cool->currentIndex(), Gaervik->t_lang});
  if (created.cool_code) cool_code = Q(*created.cool_code);
  if (created.cool_name) cool_name = Q(*created.cool_name);
  if (created.cool_qnt) cool_qnt = Q(*created.cool_qnt);
  if (created.list_text) Memo1->setText(Q(*created.list_text));
  items_listed_ = true;
}

void Tcool_form::Button2Click() {
  CoolerExported();
  accept();
}

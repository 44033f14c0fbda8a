#include "selection/cool.h"

#include <stdexcept>
#include <string>

#include "app/lang.h"
#include "app/qt_text.h"
#include "balance/aervik.h"
#include "balance/workflow.h"

Tcool_form *cool_form = nullptr;

using climate::Handler;
using climate::Q;
namespace T = climate::cool_texts;

namespace {

// Pictures of the window's own list shown for the mounting.
constexpr int kWallUnitPicture = 1;
constexpr int kRoofUnitPicture = 2;

}  // namespace

Tcool_form::Tcool_form(QWidget *parent)
    : TForm(parent, QStringLiteral("cool_form"), QSize(419, 294), QStringLiteral("Tahoma"), true) {
  using namespace climate;
  Image1 = new TImage(this, Q("Image1"), QRect(8, 8, 100, 100));
  ImageList1 = MakeSelectionPictures(this);

  GroupBox6 = MakeGroup(this, Q("GroupBox6"), QRect(116, 8, 295, 100));
  Label2 = MakeLabel(GroupBox6, Q("Label2"), QRect(10, 27, 130, 16));
  Type_cool = MakeList(GroupBox6, Q("Type_cool"), QRect(142, 24, 143, 21),
                       EmptyItems(T::kActivationTable, "Type_cool"));
  Label2->setBuddy(Type_cool);
  Label1 = MakeLabel(GroupBox6, Q("Label1"), QRect(10, 63, 130, 16));
  QStringList voltages;
  for (const char *item : T::kDesignVoltage) voltages << Q(item);
  Volt_cool = MakeList(GroupBox6, Q("Volt_cool"), QRect(142, 60, 143, 21), voltages);
  Label1->setBuddy(Volt_cool);

  GroupBox1 = MakeGroup(this, Q("GroupBox1"), QRect(8, 114, 403, 172));
  Button1 = MakeButton(GroupBox1, Q("Button1"), QRect(20, 20, 170, 30));
  Button1->setEnabled(false);
  Button2 = MakeButton(GroupBox1, Q("Button2"), QRect(213, 20, 170, 30));
  Button2->setEnabled(false);
  Memo1 = new TMemo(GroupBox1, Q("Memo1"), QRect(3, 58, 397, 111));
  Memo1->setAccessibleName(Q(kListBoxName));
  SetRussianTexts(this, T::kActivationTable);

  connect(Type_cool, &QComboBox::activated, this, Handler([this] { Type_coolChange(); }));
  connect(Volt_cool, &QComboBox::activated, this, Handler([this] { Volt_coolEndEdit(); }));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Tcool_form::FormActivate() {
  const climate::BalanceFields &b = Gaervik->balance;
  const climate::CoolerActivation activation =
      climate::ActivateCooler({b.PHG, b.K, b.S, b.TEMAX, b.TENMAX, Gaervik->t_lang});
  fields.PCOM_COOL = activation.PCOM_COOL;

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
  // A new calculation: no unit of the last one may reach a report.
  if (variant == SelectionReset::Full) fields.ClearItems();
}

void Tcool_form::Button1Click() {
  Button2->setEnabled(true);
  const climate::CoolerSpecification created = climate::CreateCoolerSpecification(
      {fields.PCOM_COOL, Type_cool->currentIndex(), Volt_cool->currentIndex(), Gaervik->t_lang},
      fields);
  fields = created.fields;
  if (created.list_text) Memo1->setText(Q(*created.list_text));
  items_listed_ = true;
}

void Tcool_form::Button2Click() {
  CoolerExported();
  accept();
}

#include "selection/cool.h"

#include <stdexcept>
#include <string>

#include "app/errors.h"
#include "app/lang.h"
#include "app/qt_text.h"
#include "app/window_texts.h"
#include "balance/aervik.h"
#include "balance/workflow.h"

Tcool_form *cool_form = nullptr;

using climate::Handler;
using climate::Q;
namespace CT = climate::cool_texts;

namespace {

// Pictures of the window's own list shown for the mounting.
constexpr int kWallUnitPicture = 1;
constexpr int kRoofUnitPicture = 2;

}  // namespace

Tcool_form::Tcool_form(QWidget *parent)
    : TSelectionForm(parent, QStringLiteral("cool_form"), QSize(419, 294)) {
  // Every reset of the main window hides the mounting picture.
  picture_hidden_by_every_reset_ = true;
  using namespace climate;
  Image1 = new TImage(this, Q("Image1"), QRect(8, 8, 100, 100));
  ImageList1 = MakeSelectionPictures(this);

  GroupBox6 = MakeGroup(this, Q("GroupBox6"), QRect(116, 8, 295, 100));
  Label2 = MakeLabel(GroupBox6, Q("Label2"), QRect(10, 27, 130, 16));
  Type_cool = MakeList(GroupBox6, Q("Type_cool"), QRect(142, 24, 146, 21),
                       EmptyItems(CT::kActivationTable, "Type_cool"));
  Label2->setBuddy(Type_cool);
  Label1 = MakeLabel(GroupBox6, Q("Label1"), QRect(10, 63, 130, 16));
  QStringList voltages;
  for (const char *item : CT::kDesignVoltage) voltages << Q(item);
  // Wide enough for the longest voltage item in the regular face.
  Volt_cool = MakeList(GroupBox6, Q("Volt_cool"), QRect(142, 60, 146, 21), voltages);
  Label1->setBuddy(Volt_cool);

  BuildList(QRect(8, 114, 403, 172), nullptr, QRect(20, 20, 170, 30), QRect(213, 20, 170, 30),
            QRect(3, 58, 397, 111));
  SetRussianTexts(this, CT::kActivationTable);

  connect(Type_cool, &QComboBox::activated, this, Handler([this] { Type_coolChange(); }));
  connect(Volt_cool, &QComboBox::activated, this, Handler([this] { Volt_coolEndEdit(); }));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Tcool_form::FormActivate() {
  fields.PCOM_COOL = climate::HeatSurplus(Gaervik->balance);
  const auto voltage_items = climate::VoltageItems(fields.PCOM_COOL, Gaervik->t_lang);

  climate::SetTexts(this, CT::kActivationTable, Gaervik->t_lang);

  // A power outside the bands leaves the list as it is.
  if (voltage_items) {
    Volt_cool->clear();
    for (const std::string &item : *voltage_items) Volt_cool->addItem(Q(item));
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

void Tcool_form::ClearChoices() {
  Type_cool->setCurrentIndex(-1);
  Volt_cool->setCurrentIndex(-1);
}

void Tcool_form::Button1Click() {
  Button2->setEnabled(true);
  const climate::CoolerChoice choice{Type_cool->currentIndex(), Volt_cool->currentIndex()};
  Created(climate::CreateSpecification(Gaervik->balance, choice, Gaervik->t_lang, fields), fields);
}

void Tcool_form::Button2Click() {
  CoolerExported();
  accept();
}

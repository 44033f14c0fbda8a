#include "selection/venti.h"

#include <stdexcept>
#include <string>

#include "app/errors.h"
#include "app/lang.h"
#include "app/qt_text.h"
#include "app/window_texts.h"
#include "balance/aervik.h"
#include "balance/workflow.h"

Tvent_form *vent_form = nullptr;

using climate::Handler;

using climate::Q;

namespace {

// The fan with grille and filter in the window's picture list.
constexpr int kFanPicture = 3;

}  // namespace

Tvent_form::Tvent_form(QWidget *parent)
    : TSelectionForm(parent, QStringLiteral("vent_form"), QSize(416, 297)) {
  namespace T = climate::vent_texts;
  using namespace climate;
  Image1 = new TImage(this, Q("Image1"), QRect(8, 8, 100, 100));
  ImageList1 = MakeSelectionPictures(this);

  GroupBox6 = MakeGroup(this, Q("GroupBox6"), QRect(116, 8, 292, 100));
  // Room for the altitude caption in the regular face as well as the condensed one.
  Label2 = MakeLabel(GroupBox6, Q("Label2"), QRect(10, 27, 156, 16));
  Point_sea = MakeList(GroupBox6, Q("Point_sea"), QRect(168, 24, 116, 21),
                       EmptyItems(T::kActivationTable, "Point_sea"));
  Label2->setBuddy(Point_sea);
  Label1 = MakeLabel(GroupBox6, Q("Label1"), QRect(10, 63, 156, 16));
  Volt_vent = MakeList(GroupBox6, Q("Volt_vent"), QRect(168, 60, 116, 21),
                       EmptyItems(T::kActivationTable, "Volt_vent"));
  Label1->setBuddy(Volt_vent);

  BuildList(QRect(8, 114, 400, 175), nullptr, QRect(20, 20, 170, 30), QRect(210, 20, 170, 30),
            QRect(3, 58, 394, 114));
  SetRussianTexts(this, T::kActivationTable);

  connect(Point_sea, &QComboBox::activated, this, Handler([this] { Point_seaChange(); }));
  connect(Volt_vent, &QComboBox::activated, this, Handler([this] { Volt_ventEndEdit(); }));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Tvent_form::FormActivate() {
  // A reset of the main window may have hidden the picture; it is shown with every opening.
  Image1->FillAndDraw(climate::ButtonFace(), *ImageList1, kFanPicture);
  Image1->show();

  fields.PCOM_VENT = climate::HeatSurplus(Gaervik->balance);

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

void Tvent_form::ClearChoices() {
  Point_sea->setCurrentIndex(-1);
  Volt_vent->setCurrentIndex(-1);
}

void Tvent_form::Button1Click() {
  const climate::FanChoice choice{Point_sea->currentIndex(), Volt_vent->currentIndex()};
  const bool listed = Created(
      climate::CreateSpecification(Gaervik->balance, choice, Gaervik->t_lang, fields), fields);
  // Without an altitude the list asks for one and there is nothing to export.
  Button2->setEnabled(listed);
}

void Tvent_form::Button2Click() {
  FanExported();
  accept();
}

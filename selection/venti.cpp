#include "selection/venti.h"

#include <stdexcept>
#include <string>

#include "app/lang.h"
#include "app/qt_text.h"
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
    : TForm(parent, QStringLiteral("vent_form"), QSize(416, 297), QStringLiteral("Tahoma"), true) {
  namespace T = climate::vent_texts;
  using namespace climate;
  Image1 = new TImage(this, Q("Image1"), QRect(8, 8, 100, 100));
  ImageList1 = MakeSelectionPictures(this);

  GroupBox6 = MakeGroup(this, Q("GroupBox6"), QRect(116, 8, 292, 100));
  Label2 = MakeLabel(GroupBox6, Q("Label2"), QRect(10, 27, 150, 16));
  Point_sea = MakeList(GroupBox6, Q("Point_sea"), QRect(162, 24, 120, 21),
                       EmptyItems(T::kActivationTable, "Point_sea"));
  Label2->setBuddy(Point_sea);
  Label1 = MakeLabel(GroupBox6, Q("Label1"), QRect(10, 63, 150, 16));
  Volt_vent = MakeList(GroupBox6, Q("Volt_vent"), QRect(162, 60, 120, 21),
                       EmptyItems(T::kActivationTable, "Volt_vent"));
  Label1->setBuddy(Volt_vent);

  GroupBox1 = MakeGroup(this, Q("GroupBox1"), QRect(8, 114, 400, 175));
  Button1 = MakeButton(GroupBox1, Q("Button1"), QRect(20, 20, 170, 30));
  Button1->setEnabled(false);
  Button2 = MakeButton(GroupBox1, Q("Button2"), QRect(210, 20, 170, 30));
  Button2->setEnabled(false);
  Memo1 = new TMemo(GroupBox1, Q("Memo1"), QRect(3, 58, 394, 114));
  Memo1->setAccessibleName(Q(kListBoxName));
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

  const climate::BalanceFields &b = Gaervik->balance;
  fields.PCOM_VENT = climate::HeatToCarryOut(b.PHG, b.K, b.S, b.TEMAX, b.TENMAX);

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
  // A new calculation: no item of the last one may reach a report.
  if (variant == SelectionReset::Full) fields.ClearItems();
}

void Tvent_form::Button1Click() {
  climate::FanRequest request;
  request.PCOM_VENT = fields.PCOM_VENT;
  request.TEMAX = Gaervik->balance.TEMAX;
  request.TENMAX = Gaervik->balance.TENMAX;
  request.heat = Gaervik->balance.heat;
  request.altitude = Point_sea->currentIndex();
  request.voltage = Volt_vent->currentIndex();
  request.t_lang = Gaervik->t_lang;
  const climate::FanSpecification result = climate::CreateFanSpecification(request, fields);

  Button2->setEnabled(result.export_enabled);
  fields = result.fields;
  if (result.list_text) Memo1->setText(Q(*result.list_text));
  // Without an altitude the list asks for one and nothing was chosen.
  items_listed_ = result.export_enabled;
}

void Tvent_form::Button2Click() {
  FanExported();
  accept();
}

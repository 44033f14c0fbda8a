#include "selection/heat.h"

#include <QAbstractButton>

#include <stdexcept>
#include <string>

#include "app/errors.h"
#include "app/lang.h"
#include "app/qt_text.h"
#include "app/window_texts.h"
#include "balance/aervik.h"
#include "balance/workflow.h"

Theat_form *heat_form = nullptr;

using climate::Handler;

using climate::Q;

Theat_form::Theat_form(QWidget *parent)
    : TSelectionForm(parent, QStringLiteral("heat_form"), QSize(404, 323)) {
  namespace T = climate::heat_texts;
  using namespace climate;
  Image1 = new TImage(this, Q("Image1"), QRect(8, 20, 100, 58));
  Image1->SetPicture(Q(":/assets/heater_photo.svg"));

  GroupBox6 = MakeGroup(this, Q("GroupBox6"), QRect(123, 21, 273, 57));
  // Room for "Mode of operation:" in the regular face as well as the condensed one.
  Label2 = MakeLabel(GroupBox6, Q("Label2"), QRect(16, 27, 106, 16));
  box1 =
      MakeList(GroupBox6, Q("box1"), QRect(124, 23, 136, 21), EmptyItems(T::kCaptionTable, "box1"));
  box1->setFont(QFont(Q("Verdana"), 8));
  Label2->setBuddy(box1);

  GroupBox2 = MakeGroup(this, Q("GroupBox2"), QRect(8, 84, 388, 61));
  check_compact = new QCheckBox(GroupBox2);
  check_compact->setObjectName(Q("check_compact"));
  check_compact->setGeometry(3, 16, 380, 19);
  check_termo = new QCheckBox(GroupBox2);
  check_termo->setObjectName(Q("check_termo"));
  check_termo->setGeometry(3, 39, 380, 19);

  // The buttons lie over the upper part of the list's group.
  BuildList(QRect(8, 151, 388, 169), this, QRect(27, 171, 170, 30), QRect(203, 171, 170, 30),
            QRect(3, 56, 382, 110));

  SetRussianTexts(this, T::kCaptionTable);

  // Keyboard order as the work goes: mode, options, create, export, then the list.
  setTabOrder(box1, check_compact);
  setTabOrder(check_compact, check_termo);
  setTabOrder(check_termo, Button1);
  setTabOrder(Button1, Button2);
  setTabOrder(Button2, Memo1);

  connect(box1, &QComboBox::activated, this, Handler([this] { box1EndEdit(); }));
  connect(check_compact, &QCheckBox::toggled, this, Handler([this] { check_compactClick(); }));
  connect(check_termo, &QCheckBox::toggled, this, Handler([this] { check_compactClick(); }));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Theat_form::FormActivate() {
  climate::SetTexts(this, climate::heat_texts::kCaptionTable, Gaervik->t_lang);
  // The main window hides the photograph when the installation or the minimum inside
  // temperature changes; it comes back with the next showing.
  Image1->show();
}

void Theat_form::box1EndEdit() {
  Button1->setEnabled(true);
  check_compact->setChecked(false);
  check_termo->setChecked(false);
  Button2->setEnabled(false);
  ClearList();
}

void Theat_form::check_compactClick() {
  Button2->setEnabled(false);
  ClearList();
}

void Theat_form::ClearChoices() {
  box1->setCurrentIndex(-1);
  // Unticking a ticked option runs its click handler, which empties the list as well.
  check_compact->setChecked(false);
  check_termo->setChecked(false);
}

void Theat_form::Button1Click() {
  Button2->setEnabled(true);
  ClearList();
  const climate::HeaterChoice choice{box1->currentIndex(), check_compact->isChecked(),
                                     check_termo->isChecked()};
  Created(climate::CreateSpecification(Gaervik->balance, choice, Gaervik->t_lang, fields), fields);
}

void Theat_form::Button2Click() {
  HeaterExported();
  accept();
}

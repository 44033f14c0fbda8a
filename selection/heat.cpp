#include "selection/heat.h"

#include <QAbstractButton>

#include <stdexcept>
#include <string>

#include "app/lang.h"
#include "balance/aervik.h"
#include "balance/workflow.h"
#include "selection/heater_selection.h"

Theat_form *heat_form = nullptr;

using climate::Handler;

namespace {
QString Q(const char *utf8) {
  return QString::fromUtf8(utf8);
}

QString Q(const std::string &utf8) {
  return QString::fromStdString(utf8);
}

std::string U(const QString &text) {
  return text.toStdString();
}

// The item fields go to the selection and come back whole: a field the selection does not
// write keeps its value.
climate::HeaterItems ItemsOf(const Theat_form &w) {
  climate::HeaterItems f;
  f.q_mem = w.q_mem;
  f.heat_name = U(w.heat_name);
  f.heat_qnt = U(w.heat_qnt);
  f.heat_name_2 = U(w.heat_name_2);
  f.heat_qnt_2 = U(w.heat_qnt_2);
  f.heat_code = U(w.heat_code);
  f.heat_code_2 = U(w.heat_code_2);
  f.term_code = U(w.term_code);
  f.term_name = U(w.term_name);
  f.term_qnt = U(w.term_qnt);
  f.gigro_code = U(w.gigro_code);
  f.gigro_name = U(w.gigro_name);
  f.gigro_qnt = U(w.gigro_qnt);
  f.qnt_p = U(w.qnt_p);
  return f;
}

void StoreItems(Theat_form &w, const climate::HeaterItems &f) {
  w.q_mem = f.q_mem;
  w.heat_name = Q(f.heat_name);
  w.heat_qnt = Q(f.heat_qnt);
  w.heat_name_2 = Q(f.heat_name_2);
  w.heat_qnt_2 = Q(f.heat_qnt_2);
  w.heat_code = Q(f.heat_code);
  w.heat_code_2 = Q(f.heat_code_2);
  w.term_code = Q(f.term_code);
  w.term_name = Q(f.term_name);
  w.term_qnt = Q(f.term_qnt);
  w.gigro_code = Q(f.gigro_code);
  w.gigro_name = Q(f.gigro_name);
  w.gigro_qnt = Q(f.gigro_qnt);
  w.qnt_p = Q(f.qnt_p);
}
}  // namespace

Theat_form::Theat_form(QWidget *parent)
    : TForm(parent, QStringLiteral("heat_form"), Q("Подбор обогрева"), QSize(404, 323),
            QStringLiteral("Tahoma"), true) {
  using namespace climate;
  Image1 = new TImage(this, Q("Image1"), QRect(8, 20, 100, 58));
  Image1->SetPicture(Q(":/assets/heater_photo.svg"));

  GroupBox6 = MakeGroup(this, Q("GroupBox6"), QRect(123, 21, 273, 57),
                        Q("Режим работы установленного оборудования"));
  // Room for "Mode of operation:" in the regular face as well as the condensed one.
  Label2 = MakeLabel(GroupBox6, Q("Label2"), QRect(16, 27, 106, 16), Q("Режим работы:"));
  box1 =
      MakeList(GroupBox6, Q("box1"), QRect(124, 23, 136, 21), {Q("Постоянно"), Q("Периодически")});
  box1->setFont(QFont(Q("Verdana"), 8));
  Label2->setBuddy(box1);

  GroupBox2 =
      MakeGroup(this, Q("GroupBox2"), QRect(8, 84, 388, 61), Q("Дополнительные характеристики"));
  check_compact = new QCheckBox(Q("Использовать компактные обогреватели"), GroupBox2);
  check_compact->setObjectName(Q("check_compact"));
  check_compact->setGeometry(3, 16, 380, 19);
  check_termo = new QCheckBox(Q("Использовать модель со встроенным термостатом"), GroupBox2);
  check_termo->setObjectName(Q("check_termo"));
  check_termo->setGeometry(3, 39, 380, 19);

  GroupBox1 = MakeGroup(this, Q("GroupBox1"), QRect(8, 151, 388, 169), Q("Список оборудования"));
  Memo1 = new TMemo(GroupBox1, Q("Memo1"), QRect(3, 56, 382, 110));
  Memo1->setAccessibleName(Q("Список оборудования"));

  Button1 = MakeButton(this, Q("Button1"), QRect(27, 171, 170, 30), Q("Создать спецификацию"));
  Button1->setEnabled(false);
  Button2 = MakeButton(this, Q("Button2"), QRect(203, 171, 170, 30), Q("Экспорт в отчет"));
  Button2->setEnabled(false);

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

void Theat_form::ClearList() {
  Memo1->clear();
  items_listed_ = false;
}

void Theat_form::Reset(SelectionReset variant) {
  box1->setCurrentIndex(-1);
  // Unticking a ticked option runs its click handler, which empties the list as well.
  check_compact->setChecked(false);
  check_termo->setChecked(false);
  ClearList();
  if (variant == SelectionReset::PictureHiding) Image1->hide();
  Button1->setEnabled(false);
  Button2->setEnabled(false);
  if (variant == SelectionReset::Full) {
    // A new calculation: no item of the last one may reach a report.
    climate::HeaterItems none;
    none.qnt_p = U(qnt_p);
    StoreItems(*this, none);
  }
}

void Theat_form::Button1Click() {
  Button2->setEnabled(true);
  ClearList();

  climate::HeaterSelectionInput in;
  in.mode = box1->currentIndex();
  in.compact = check_compact->isChecked();
  in.termo = check_termo->isChecked();
  in.K = Gaervik->K;
  in.S = Gaervik->S;
  in.TENMIN = Gaervik->TENMIN;
  in.TEMIN = Gaervik->TEMIN;
  in.PHG = Gaervik->PHG;
  in.vent = Gaervik->vent;
  in.t_lang = Gaervik->t_lang;

  const climate::HeaterSelection result = climate::SelectHeaters(in, ItemsOf(*this));
  PCOM_HEAT = result.PCOM_HEAT;
  StoreItems(*this, result.items);
  Memo1->setText(Q(result.list_text));
  items_listed_ = true;
}

void Theat_form::Button2Click() {
  HeaterExported();
  accept();
}

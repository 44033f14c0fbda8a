// The filter-fan selection window.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include "app/widgets.h"
#include "balance/workflow.h"

class Tvent_form : public climate::TForm {
 public:
  explicit Tvent_form(QWidget *parent);

  climate::TImage *Image1;
  climate::TImageList *ImageList1;
  QGroupBox *GroupBox6;
  QLabel *Label2;
  QComboBox *Point_sea;  // altitude of the site
  QLabel *Label1;
  QComboBox *Volt_vent;  // supply voltage
  QGroupBox *GroupBox1;
  QPushButton *Button1;  // create specification
  QPushButton *Button2;  // export to report
  climate::TMemo *Memo1;

  // The last selection.
  float PCOM_VENT = 0;
  float F = 0;
  float VFP = 0;
  QString vent_name;
  QString vent_qnt;
  QString vent_name_2;
  QString vent_qnt_2;
  QString vent_code;
  QString vent_code_2;
  QString term_code;
  QString term_name;
  QString term_qnt;
  QString gigro_code;
  QString gigro_name;
  QString gigro_qnt;
  QString qnt_pv;

  void FormActivate() override;
  void Point_seaChange();
  void Volt_ventEndEdit();
  void Button1Click();
  void Button2Click();

  // The main window's reset of this window; the full reset also forgets the items.
  void Reset(SelectionReset variant);
  // Whether the list shows the result of the create that chose the items: only then do the
  // items belong in the workbook.
  bool ItemsListed() const { return items_listed_; }

 private:
  void ClearList();
  bool items_listed_ = false;
};

extern Tvent_form *vent_form;

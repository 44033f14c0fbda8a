// The fan window `vent_form` (Qt): altitude and voltage, the list of the fan, grille and
// accessories chosen by the fan selection (selection/fan_selection.*) and their export.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/widgets.h"
#include "balance/workflow.h"
#include "selection/fan_selection.h"

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

  // The heat to carry out, the air flow and the items of the last create.
  climate::FanFields fields;

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

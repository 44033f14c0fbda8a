// The cooling window `cool_form` (Qt): mounting and voltage, the line of the cooling unit
// chosen by the cooling selection (selection/cooler_selection.*) and its export.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/widgets.h"
#include "balance/workflow.h"
#include "selection/cooler_selection.h"

class Tcool_form : public climate::TForm {
 public:
  explicit Tcool_form(QWidget *parent);

  climate::TImage *Image1;
  climate::TImageList *ImageList1;
  QGroupBox *GroupBox6;
  QLabel *Label2;
  QComboBox *Type_cool;  // mounting: wall or roof
  QLabel *Label1;
  QComboBox *Volt_cool;  // supply voltage
  QGroupBox *GroupBox1;
  QPushButton *Button1;  // create specification
  QPushButton *Button2;  // export to report
  climate::TMemo *Memo1;

  // The cooling power and the unit of the last create.
  climate::CoolerFields fields;

  void FormActivate() override;
  void Type_coolChange();
  void Volt_coolEndEdit();
  void Button1Click();
  void Button2Click();

  // The main window's reset of this window: every variant hides the picture, and the full
  // reset also forgets the unit.
  void Reset(SelectionReset variant);
  // Whether the list shows the result of the create that chose the unit: only then does the
  // unit belong in the workbook.
  bool ItemsListed() const { return items_listed_; }

 private:
  void ClearList();
  bool items_listed_ = false;
};

extern Tcool_form *cool_form;

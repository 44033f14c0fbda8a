// The cooling window `cool_form` (Qt): mounting and voltage, the line of the cooling unit
// chosen by the cooling selection (selection/cooler_selection.*) and its export.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "selection/cooler_selection.h"
#include "selection/selection_form.h"

class Tcool_form : public climate::TSelectionForm {
 public:
  explicit Tcool_form(QWidget *parent);

  // Image1: the cooling unit of the mounting chosen.
  climate::TImageList *ImageList1;
  QGroupBox *GroupBox6;
  QLabel *Label2;
  QComboBox *Type_cool;  // mounting: wall or roof
  QLabel *Label1;
  QComboBox *Volt_cool;  // supply voltage
  // GroupBox1 with the buttons Button1 (create) and Button2 (export) above the list Memo1.

  // The cooling power and the unit of the last create.
  climate::CoolerFields fields;

  void FormActivate() override;
  void Type_coolChange();
  void Volt_coolEndEdit();
  void Button1Click();
  void Button2Click();

 protected:
  void ClearChoices() override;
  void ForgetItems() override { fields.ClearItems(); }
};

extern Tcool_form *cool_form;

// The fan window `vent_form` (Qt): altitude and voltage, the list of the fan, grille and
// accessories chosen by the fan selection (selection/fan_selection.*) and their export.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "selection/fan_selection.h"
#include "selection/selection_form.h"

class Tvent_form : public climate::TSelectionForm {
 public:
  explicit Tvent_form(QWidget *parent);

  // Image1: the fan with its grille.
  climate::TImageList *ImageList1;
  QGroupBox *GroupBox6;
  QLabel *Label2;
  QComboBox *Point_sea;  // altitude of the site
  QLabel *Label1;
  QComboBox *Volt_vent;  // supply voltage
  // GroupBox1 with the buttons Button1 (create) and Button2 (export) above the list Memo1.

  // The heat to carry out, the air flow and the items of the last create.
  climate::FanFields fields;

  void FormActivate() override;
  void Point_seaChange();
  void Volt_ventEndEdit();
  void Button1Click();
  void Button2Click();

 protected:
  void ClearChoices() override;
  void ForgetItems() override { fields.ClearItems(); }
};

extern Tvent_form *vent_form;

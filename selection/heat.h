// The heater window `heat_form` (Qt): operating mode, options, the list of the heaters
// chosen by the heater selection (selection/heater_selection.*) and their export.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "selection/heater_selection.h"
#include "selection/selection_form.h"

class Theat_form : public climate::TSelectionForm {
 public:
  explicit Theat_form(QWidget *parent);

  // Image1: photograph of enclosure heaters.
  QGroupBox *GroupBox6;
  QLabel *Label2;
  QComboBox *box1;  // operating mode
  QGroupBox *GroupBox2;
  QCheckBox *check_compact;
  QCheckBox *check_termo;
  // GroupBox1 with the list Memo1, and the buttons Button1 (create) and Button2 (export)
  // above it.

  // The required power and the items of the last create.
  climate::HeaterFields fields;

  void FormActivate() override;
  void box1EndEdit();
  void check_compactClick();
  void Button1Click();
  void Button2Click();

 protected:
  void ClearChoices() override;
  void ForgetItems() override { fields.ClearItems(); }
};

extern Theat_form *heat_form;

// The heater window `heat_form` (Qt): operating mode, options, the list of the heaters
// chosen by the heater selection (selection/heater_selection.*) and their export.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/widgets.h"
#include "balance/workflow.h"
#include "selection/heater_selection.h"

class Theat_form : public climate::TForm {
 public:
  explicit Theat_form(QWidget *parent);

  climate::TImage *Image1;  // photograph of enclosure heaters
  QGroupBox *GroupBox6;
  QLabel *Label2;
  QComboBox *box1;  // operating mode
  QGroupBox *GroupBox2;
  QCheckBox *check_compact;
  QCheckBox *check_termo;
  QGroupBox *GroupBox1;
  climate::TMemo *Memo1;
  QPushButton *Button1;  // create specification
  QPushButton *Button2;  // export to report

  // The required power and the items of the last create.
  climate::HeaterFields fields;

  void FormActivate() override;
  void box1EndEdit();
  void check_compactClick();
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

extern Theat_form *heat_form;

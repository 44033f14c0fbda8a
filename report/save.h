// The save window `save_form` (Qt): writes the total specification as a text file or a workbook.
#pragma once

#include <QGroupBox>
#include <QPushButton>

#include "app/form.h"
#include "app/messages.h"

class Tsave_form : public climate::TForm {
 public:
  explicit Tsave_form(QWidget *parent);

  QGroupBox *GroupBox6;
  QPushButton *Button1;  // text file
  QPushButton *Button2;  // spreadsheet workbook
  climate::TSaveDialog *SaveTextFileDialog1;
  climate::TSaveDialog *SaveTextFileDialog2;

  void FormActivate() override;
  void Button1Click();
  void Button2Click();
};

extern Tsave_form *save_form;

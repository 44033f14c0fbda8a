// The about window `about_SW` (Qt), opened from the main window's menu.
#pragma once

#include <QLabel>

#include "app/form.h"

class Tabout_SW : public climate::TForm {
 public:
  explicit Tabout_SW(QWidget *parent);

  QLabel *StaticText1;
  QLabel *StaticText2;
  QLabel *StaticText3;
  QLabel *StaticText4;
  QLabel *StaticText5;
};

extern Tabout_SW *about_SW;

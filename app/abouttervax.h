// A second about window `about_form` (Qt) with the two logos; nothing in the program opens it.
#pragma once

#include <QLabel>

#include "app/form.h"
#include "app/pictures.h"

class Tabout_form : public climate::TForm {
 public:
  explicit Tabout_form(QWidget *parent);

  climate::TImage *Image1;  // maker's logo
  climate::TImage *Image2;  // product logo
  QLabel *StaticText1;
};

extern Tabout_form *about_form;

// The total window `total_form` (Qt): empty; nothing in the program opens it.
#pragma once

#include "app/form.h"

class Ttotal_form : public climate::TForm {
 public:
  explicit Ttotal_form(QWidget *parent);
};

extern Ttotal_form *total_form;

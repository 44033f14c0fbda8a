#include "app/Totalsp.h"

Ttotal_form *total_form = nullptr;

Ttotal_form::Ttotal_form(QWidget *parent)
    : TForm(parent, QStringLiteral("total_form"), QString::fromUtf8("Итоговая спецификация"),
            QSize(457, 211), QStringLiteral("Tahoma"), true) {}

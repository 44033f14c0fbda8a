#include "app/Totalsp.h"

#include "app/lang.h"

Ttotal_form *total_form = nullptr;

Ttotal_form::Ttotal_form(QWidget *parent)
    : TForm(parent, QStringLiteral("total_form"), QSize(457, 211), QStringLiteral("Tahoma"), true) {
  setWindowTitle(QString::fromUtf8(climate::kTotalCaption));
}

#include "report/save.h"

Tsave_form *save_form = nullptr;

using climate::Handler;

namespace {
QString Q(const char *utf8) {
  return QString::fromUtf8(utf8);
}
}  // namespace

Tsave_form::Tsave_form(QWidget *parent)
    : TForm(parent, QStringLiteral("save_form"), Q("Сохранение отчета"), QSize(369, 72),
            QStringLiteral("Tahoma"), true) {
  GroupBox6 = new QGroupBox(Q("Сохранить отчет в"), this);
  GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
  GroupBox6->setGeometry(8, 8, 353, 57);
  Button1 = climate::MakeButton(GroupBox6, QStringLiteral("Button1"), QRect(3, 20, 170, 30),
                                Q("В файл TXT"));
  Button2 = climate::MakeButton(GroupBox6, QStringLiteral("Button2"), QRect(179, 20, 170, 30),
                                Q("В файл EXCEl"));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Tsave_form::FormActivate() {}

void Tsave_form::Button1Click() {}

void Tsave_form::Button2Click() {}

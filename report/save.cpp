#include "report/save.h"

#include "app/lang.h"
#include "balance/aervik.h"
#include "report/automation.h"
#include "report/sheet_layout.h"
#include "report/text_file.h"
#include "report/text_report.h"
#include "report/xlsx_component.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"

Tsave_form *save_form = nullptr;

using climate::Handler;

namespace {

QString Q(const char *utf8) {
  return QString::fromUtf8(utf8);
}
std::string S(const QString &text) {
  return text.toStdString();
}

namespace T = climate::save_texts;

// The design text of a control of the save window.
QString Design(int index) {
  return Q(T::kActivationTable[index].text.ru);
}

}  // namespace

Tsave_form::Tsave_form(QWidget *parent)
    : TForm(parent, QStringLiteral("save_form"), Design(0), QSize(369, 72),
            QStringLiteral("Tahoma"), true) {
  GroupBox6 =
      climate::MakeGroup(this, QStringLiteral("GroupBox6"), QRect(8, 8, 353, 57), Design(1));
  Button1 =
      climate::MakeButton(GroupBox6, QStringLiteral("Button1"), QRect(3, 20, 170, 30), Design(2));
  Button2 =
      climate::MakeButton(GroupBox6, QStringLiteral("Button2"), QRect(179, 20, 170, 30), Design(3));
  SaveTextFileDialog1 = new climate::TSaveDialog(this, QStringLiteral("SaveTextFileDialog1"));
  SaveTextFileDialog2 = new climate::TSaveDialog(this, QStringLiteral("SaveTextFileDialog2"));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
}

void Tsave_form::FormActivate() {
  // Russian whatever the interface language.
  climate::SetRussianTexts(this, climate::save_texts::kActivationTable);

  // Without the spreadsheet component the workbook button is disabled for good.
  try {
    climate::automation::CreateObject(climate::automation::kSpreadsheetProgId);
  } catch (...) {
    Button2->setEnabled(false);
  }
}

void Tsave_form::Button1Click() {
  climate::TextReportInput in;
  in.heat = Gaervik->heat;
  in.cooler = Gaervik->cooler;
  in.vent = Gaervik->vent;
  in.heater_list = S(heat_form->Memo1->text());
  in.cooler_list = S(cool_form->Memo1->text());
  in.fan_list = S(vent_form->Memo1->text());
  const QString text = QString::fromStdString(climate::ReportFileText(in));

  // Cancelling the dialog writes nothing and leaves the window open.
  if (!SaveTextFileDialog1->Execute(this)) return;
  const QString file =
      QString::fromStdString(climate::ReportFileName(S(SaveTextFileDialog1->FileName)));
  climate::WriteWindows1251File(file, text);
  accept();
}

void Tsave_form::Button2Click() {
  if (!SaveTextFileDialog2->Execute(this)) return;

  climate::SheetInput in;
  in.heat = Gaervik->heat;
  in.cooler = Gaervik->cooler;
  in.vent = Gaervik->vent;
  in.heater_listed = heat_form->ItemsListed();
  in.cooler_listed = cool_form->ItemsListed();
  in.fan_listed = vent_form->ItemsListed();
  in.heater = {S(heat_form->heat_code), S(heat_form->heat_name), S(heat_form->heat_qnt)};
  in.heater_2 = {S(heat_form->heat_code_2), S(heat_form->heat_name_2), S(heat_form->heat_qnt_2)};
  in.q_mem = heat_form->q_mem;
  in.heater_thermostat = {S(heat_form->term_code), S(heat_form->term_name), S(heat_form->term_qnt)};
  in.heater_hygrostat = {S(heat_form->gigro_code), S(heat_form->gigro_name),
                         S(heat_form->gigro_qnt)};
  in.cooler_unit = {S(cool_form->cool_code), S(cool_form->cool_name), S(cool_form->cool_qnt)};
  in.fan = {S(vent_form->vent_code), S(vent_form->vent_name), S(vent_form->vent_qnt)};
  in.grille = {S(vent_form->vent_code_2), S(vent_form->vent_name_2), S(vent_form->vent_qnt_2)};
  in.fan_thermostat = {S(vent_form->term_code), S(vent_form->term_name), S(vent_form->term_qnt)};
  in.fan_hygrostat = {S(vent_form->gigro_code), S(vent_form->gigro_name), S(vent_form->gigro_qnt)};

  climate::ExportToSpreadsheet(climate::SheetRows(in), S(SaveTextFileDialog2->FileName));
  accept();
}

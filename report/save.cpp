#include "report/save.h"

#include "app/lang.h"
#include "app/qt_text.h"
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
using climate::Q;
using climate::U;

Tsave_form::Tsave_form(QWidget *parent)
    : TForm(parent, QStringLiteral("save_form"), QSize(369, 72), QStringLiteral("Tahoma"), true) {
  GroupBox6 = climate::MakeGroup(this, QStringLiteral("GroupBox6"), QRect(8, 8, 353, 57));
  Button1 = climate::MakeButton(GroupBox6, QStringLiteral("Button1"), QRect(3, 20, 170, 30));
  Button2 = climate::MakeButton(GroupBox6, QStringLiteral("Button2"), QRect(179, 20, 170, 30));
  climate::SetRussianTexts(this, climate::save_texts::kActivationTable);
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
  in.heat = Gaervik->balance.heat;
  in.cooler = Gaervik->balance.cooler;
  in.vent = Gaervik->balance.vent;
  in.heater_list = U(heat_form->Memo1->text());
  in.cooler_list = U(cool_form->Memo1->text());
  in.fan_list = U(vent_form->Memo1->text());
  const QString text = QString::fromStdString(climate::ReportFileText(in));

  // Cancelling the dialog writes nothing and leaves the window open.
  if (!SaveTextFileDialog1->Execute(this)) return;
  const QString file =
      QString::fromStdString(climate::ReportFileName(U(SaveTextFileDialog1->FileName)));
  climate::WriteWindows1251File(file, text);
  accept();
}

void Tsave_form::Button2Click() {
  if (!SaveTextFileDialog2->Execute(this)) return;

  climate::SheetInput in;
  in.heat = Gaervik->balance.heat;
  in.cooler = Gaervik->balance.cooler;
  in.vent = Gaervik->balance.vent;
  in.heater_listed = heat_form->ItemsListed();
  in.cooler_listed = cool_form->ItemsListed();
  in.fan_listed = vent_form->ItemsListed();
  const climate::HeaterFields &h = heat_form->fields;
  in.heater = {h.heat_code, h.heat_name, h.heat_qnt};
  in.heater_2 = {h.heat_code_2, h.heat_name_2, h.heat_qnt_2};
  in.q_mem = h.q_mem;
  in.heater_thermostat = {h.term_code, h.term_name, h.term_qnt};
  in.heater_hygrostat = {h.gigro_code, h.gigro_name, h.gigro_qnt};
  const climate::CoolerFields &c = cool_form->fields;
  in.cooler_unit = {c.cool_code, c.cool_name, c.cool_qnt};
  const climate::FanFields &v = vent_form->fields;
  in.fan = {v.vent_code, v.vent_name, v.vent_qnt};
  in.grille = {v.vent_code_2, v.vent_name_2, v.vent_qnt_2};
  in.fan_thermostat = {v.term_code, v.term_name, v.term_qnt};
  in.fan_hygrostat = {v.gigro_code, v.gigro_name, v.gigro_qnt};

  climate::ExportToSpreadsheet(climate::SheetRows(in), U(SaveTextFileDialog2->FileName));
  accept();
}

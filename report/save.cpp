#include "report/save.h"

#include "app/controls.h"
#include "app/errors.h"
#include "app/lang.h"
#include "app/qt_text.h"
#include "app/window_texts.h"
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
  const climate::ReportLists lists{U(heat_form->Memo1->text()), U(cool_form->Memo1->text()),
                                   U(vent_form->Memo1->text())};
  const QString text = QString::fromStdString(climate::ReportFileText(Gaervik->balance, lists));

  // Cancelling the dialog writes nothing and leaves the window open.
  if (!SaveTextFileDialog1->Execute(this)) return;
  const QString file =
      QString::fromStdString(climate::ReportFileName(U(SaveTextFileDialog1->FileName)));
  climate::WriteWindows1251File(file, text);
  accept();
}

void Tsave_form::Button2Click() {
  if (!SaveTextFileDialog2->Execute(this)) return;
  const climate::ListedItems listed{heat_form->ItemsListed(), cool_form->ItemsListed(),
                                    vent_form->ItemsListed()};
  climate::ExportToSpreadsheet(climate::SheetRows(Gaervik->balance, heat_form->fields,
                                                  cool_form->fields, vent_form->fields, listed),
                               U(SaveTextFileDialog2->FileName));
  accept();
}

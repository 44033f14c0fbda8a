#include "app/app.h"

#include <QFont>

#include <clocale>

#include "app/Totalsp.h"
#include "app/a_SW.h"
#include "app/abouttervax.h"
#include "app/errors.h"
#include "app/interface_language.h"
#include "app/lang.h"
#include "app/pictures.h"
#include "app/translations.h"
#include "balance/aervik.h"
#include "report/file_output.h"
#include "report/save.h"
#include "report/xlsx_component.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"

// The artwork compiled into the library; the pictures rendered at build time are an object of
// their own, linked into the program, and need no call.
static void InitAssets() {
#if AERVIK_SVG_ARTWORK
  Q_INIT_RESOURCE(assets);
#endif
}

namespace climate {

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {
  // The application object has set the C library's locale from the desktop's. Its numbers
  // stay those of "C": the files the program writes must be the same on every desktop (a
  // Russian one writes decimal commas), and the interface formats its numbers itself.
  std::setlocale(LC_NUMERIC, "C");
  setApplicationName(QStringLiteral("norda-aervik"));
  // The windows are designed for Tahoma and Verdana; where those are missing, the DejaVu
  // faces of the same proportions stand in.
  QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans Condensed"),
                                                        QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
  setWindowIcon(WindowIcon());
  // The interface starts in Russian, and so do the file dialog and the context menus.
  UseToolkitTexts(kRussian);
}

bool TApplication::notify(QObject *receiver, QEvent *event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportError(std::current_exception());
    return false;
  }
}

void CreateWindows() {
  InitAssets();
  automation::RegisterSpreadsheetComponent(PutFileInPlaceUtf8, MakePrivateFolder);
  // The main window first; the dialogs belong to it, so they have no taskbar button.
  Gaervik = new TGaervik();
  SetLanguageSource([] { return Gaervik != nullptr ? Gaervik->t_lang : kRussian; });
  heat_form = new Theat_form(Gaervik);
  vent_form = new Tvent_form(Gaervik);
  cool_form = new Tcool_form(Gaervik);
  total_form = new Ttotal_form(Gaervik);
  about_form = new Tabout_form(Gaervik);
  save_form = new Tsave_form(Gaervik);
  about_SW = new Tabout_SW(Gaervik);
}

void DestroyWindows() {
  delete Gaervik;
  Gaervik = nullptr;
  heat_form = nullptr;
  vent_form = nullptr;
  cool_form = nullptr;
  total_form = nullptr;
  about_form = nullptr;
  save_form = nullptr;
  about_SW = nullptr;
}

int RunConfigurator(int argc, char **argv) {
  TApplication app(argc, argv);
  CreateWindows();
  Gaervik->show();
  const int code = app.exec();
  DestroyWindows();
  return code;
}

}  // namespace climate

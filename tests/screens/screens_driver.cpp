// The configurator as shipped, with two things the shipped program cannot do: start in
// English (the language menu is hidden) and with a dark palette. Used to take screenshots
// of every window under a real X server; not a test.
//
//   aervik_screens [--english] [--dark]
#include <QApplication>
#include <QStringList>

#include "app/app.h"
#include "balance/aervik.h"
#include "tests/ui/dark_palette.h"

int main(int argc, char **argv) {
  climate::TApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.contains("--dark")) QApplication::setPalette(testing_ui::DarkPalette());
  climate::CreateWindows();
  Gaervik->show();
  // The main window sets the Russian language when it is first activated; switch after.
  if (args.contains("--english")) Gaervik->lang_m_2_2Click();
  const int code = app.exec();
  climate::DestroyWindows();
  return code;
}

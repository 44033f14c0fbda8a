// Start-up of the configurator (Qt): the application object and the fixed set of windows.
#pragma once

#include <QApplication>

namespace climate {

// The application object. An error that escapes a handler is shown in the error message
// box and the event loop goes on.
class TApplication : public QApplication {
 public:
  TApplication(int &argc, char **argv);
  bool notify(QObject *receiver, QEvent *event) override;
};

// Creates the eight windows in their order, the main window first; none is shown.
void CreateWindows();
// Destroys the windows and clears the window pointers.
void DestroyWindows();

// Creates the windows, shows the main window and runs the event loop until it closes.
int RunConfigurator(int argc, char **argv);

}  // namespace climate

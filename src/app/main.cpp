#include <QApplication>
#include <QDebug>
#include <csignal>
#include <cstdlib>

#include "app/fonts.h"
#include "app/mainwindow.h"
#include "app/termination.h"

namespace {
MainWindow *runningWindow = nullptr;

// The toolkit ends the process from inside the event loop when its display
// goes away (a logout that ends the X server first). The window is never
// destroyed then: its logs and readers are ended here.
void endWithTheProcess() {
  if (runningWindow)
    runningWindow->shutDown();
}
}  // namespace

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  qDebug("weighstation %s", WEIGHSTATION_VERSION);
  fonts::useMetricCompatibleFaces();
  // A file size limit makes a write fail with a reason instead of ending
  // the program.
  std::signal(SIGXFSZ, SIG_IGN);
  std::atexit(endWithTheProcess);
  int exitCode = 0;
  {
    MainWindow window;
    TerminationSignals termination([&window] { window.endFromSignal(); });
    runningWindow = &window;
    window.show();
    exitCode = application.exec();
    runningWindow = nullptr;
  }
  return exitCode;
}

#include <QApplication>
#include <QDebug>
#include <csignal>
#include <cstdlib>
#include <memory>

#include "app/fonts.h"
#include "app/mainwindow.h"
#include "app/termination.h"
#include "app/warnings.h"
#include "central/shipper.h"
#include "journal/journalfiles.h"

namespace {
MainWindow *runningWindow = nullptr;

// The toolkit ends the process from inside the event loop when its display
// goes away (a logout that ends the X server first). The window is never
// destroyed then: its logs and readers are ended here.
void endWithTheProcess() {
  if (runningWindow)
    runningWindow->shutDown();
}

// With WEIGHSTATION_CENTRAL set, every journal record is shipped to the
// site's central database; the operator hears of it only when records have
// waited five minutes.
std::unique_ptr<CentralShipper> startCentralShipping(QObject *window) {
  const QString uri = qEnvironmentVariable("WEIGHSTATION_CENTRAL");
  if (uri.isEmpty())
    return nullptr;
  auto shipper = std::make_unique<CentralShipper>(uri, journalfiles::defaultJournalPath());
  QObject::connect(shipper.get(), &CentralShipper::outage, window,
                   [](const Failure &failure, qint64 waiting) {
                     warnings::show(QStringLiteral("WARNING"),
                                    QStringLiteral("Central Records Unreachable (%1), %2 Records "
                                                   "Waiting!!!")
                                        .arg(failure.text())
                                        .arg(waiting));
                   });
  QObject::connect(shipper.get(), &CentralShipper::conflict, window,
                   [](qint64 count, qint64 firstSeq) {
                     warnings::show(QStringLiteral("WARNING"),
                                    QStringLiteral("Central Records Conflict (%1 Records Held "
                                                   "Differently by the Central Database), Records "
                                                   "From %2 On Are Not Shipped!!!")
                                        .arg(count)
                                        .arg(firstSeq));
                   });
  QObject::connect(shipper.get(), &CentralShipper::problem, window,
                   [](const Failure &problem) { qWarning("%s", qPrintable(problem.text())); });
  shipper->start();
  return shipper;
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
    const std::unique_ptr<CentralShipper> shipping = startCentralShipping(&window);
    runningWindow = &window;
    window.show();
    exitCode = application.exec();
    runningWindow = nullptr;
  }
  return exitCode;
}

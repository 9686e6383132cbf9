#include <QApplication>
#include <QDateTime>
#include <QDebug>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/applog.h"
#include "app/fonts.h"
#include "app/mainwindow.h"
#include "app/termination.h"
#include "app/warnings.h"
#include "central/centraldb.h"
#include "central/shipper.h"
#include "journal/journalbackup.h"
#include "journal/journalfiles.h"
#include "journal/signingkeys.h"
#include "language/language.h"
#include "platform/linuxserialbackend.h"
#include "publishing/mqttpublisher.h"
#include "publishing/mqtttarget.h"
#include "settings/settings.h"

namespace {
MainWindow *runningWindow = nullptr;

// The settings, read once at start: each layer is handed its plain values
// before any of its threads starts.
void handOver(const settings::Snapshot &site) {
  journalfiles::usePlaces(
      {site.value(QStringLiteral("journal")), site.value(QStringLiteral("journal_key")),
       site.value(QStringLiteral("journal_heads")), site.value(QStringLiteral("station")),
       site.wholeNumber(QStringLiteral("journal_epoch_seconds"), 0)});
  const settings::Entry &adapters = site.lookup(QStringLiteral("adapters"));
  LinuxSerialBackend::listAdapters(adapters.origin == settings::Origin::Default
                                       ? std::nullopt
                                       : std::optional<QString>(adapters.value));
}

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
std::unique_ptr<CentralShipper> startCentralShipping(MainWindow *window,
                                                     const settings::Snapshot &site) {
  const QString uri = site.value(QStringLiteral("central"));
  if (uri.isEmpty())
    return nullptr;
  if (Failure refusal; !centraldb::checkUri(uri, &refusal)) {
    warnings::showSoon(
        window, QStringLiteral("WARNING"),
        QStringLiteral("Central Setting Refused (WEIGHSTATION_CENTRAL: %1), Nothing Is Shipped!!!")
            .arg(refusal.text()));
    return nullptr;
  }
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
  QObject::connect(shipper.get(), &CentralShipper::refusedRecord, window,
                   [](const Failure &refusal) {
                     warnings::show(QStringLiteral("WARNING"),
                                    QStringLiteral("Central Database Refused Record %1 (%2), It Is "
                                                   "Tried Again at Each Start!!!")
                                        .arg(refusal.seq())
                                        .arg(refusal.reason()));
                   });
  QObject::connect(shipper.get(), &CentralShipper::problem, window, [](const Failure &problem) {
    qCWarning(appLog, "%s", qPrintable(problem.text()));
  });
  shipper->start();
  return shipper;
}
// With WEIGHSTATION_MQTT (or the settings file's "mqtt") set, the
// readouts and every journal record are published to the site's broker.
std::unique_ptr<MqttPublisher> startMqttPublishing(MainWindow *window,
                                                   const settings::Snapshot &site) {
  const mqtttarget::Settings mqtt{
      site.value(QStringLiteral("mqtt")), site.value(QStringLiteral("mqtt_password_file")),
      site.value(QStringLiteral("mqtt_ca")), site.value(QStringLiteral("mqtt_cert")),
      site.value(QStringLiteral("mqtt_cert_key"))};
  if (mqtt.uri.isEmpty())
    return nullptr;
  MqttTarget target;
  Failure failure;
  if (!mqtttarget::parse(mqtt, journalfiles::stationName(), &target, &failure)) {
    warnings::showSoon(
        window, QStringLiteral("WARNING"),
        QStringLiteral("MQTT Setting Refused (%1), Nothing Is Published!!!").arg(failure.text()));
    return nullptr;
  }
  auto publisher = std::make_unique<MqttPublisher>(target, journalfiles::defaultJournalPath());
  QObject::connect(publisher.get(), &MqttPublisher::outage, window,
                   [](const Failure &failure, qint64 waiting) {
                     warnings::show(QStringLiteral("WARNING"),
                                    QStringLiteral("MQTT Broker Unreachable (%1), %2 Records "
                                                   "Waiting!!!")
                                        .arg(failure.text())
                                        .arg(waiting));
                   });
  QObject::connect(publisher.get(), &MqttPublisher::refused, window, [](const Failure &failure) {
    warnings::show(
        QStringLiteral("WARNING"),
        QStringLiteral("MQTT Broker Refused the Connection (%1)!!!").arg(failure.text()));
  });
  QObject::connect(publisher.get(), &MqttPublisher::recordRefused, window,
                   [](const Failure &refusal) {
                     warnings::show(QStringLiteral("WARNING"),
                                    QStringLiteral("MQTT Broker Did Not Take Record %1 (%2)!!!")
                                        .arg(refusal.seq())
                                        .arg(refusal.reason()));
                   });
  publisher->start();
  MqttPublisher *live = publisher.get();
  window->setReadingsSink([live](const LiveReadings &readings) { live->offerReadings(readings); });
  return publisher;
}
// A thread inside a call to a server that does not answer is not waited
// for beyond its bound: the owner lets go of it (true), and the process
// ends without destroying it. Nothing is lost: the journal holds every
// record, and the next start ships and publishes it.
template <typename Worker>
bool leftRunning(std::unique_ptr<Worker> &worker) {
  if (!worker || worker->stop(Worker::kStopWaitMs))
    return false;
  qCWarning(appLog, "%s waits on its server; the program ends without waiting for it",
            qPrintable(worker->objectName()));
  (void)worker.release();
  return true;
}

// A settings file that cannot be read, or a value that does not parse: a
// box each, and the program runs on with the default.
void warnOfTheSettings(QObject *window, const settings::Snapshot &site) {
  for (const QString &problem : site.problems())
    warnings::showSoon(window, QStringLiteral("WARNING"),
                       QStringLiteral("Setting Refused (%1)!!!").arg(problem));
}
// The signing keys' state at start: a clock far ahead (nothing is sealed
// until a person confirms it) and a run that ends soon.
void warnOfTheSigningKeys(QObject *window, const signingkeys::StartWarnings &said) {
  if (!said.clockJumped.isEmpty())
    warnings::showSoon(window, QStringLiteral("WARNING"),
                       QStringLiteral("Station Clock Ahead of the Journal's Keys (%1), Records "
                                      "Are Not Journaled!!!")
                           .arg(said.clockJumped));
  if (!said.runEnding.isEmpty())
    warnings::showSoon(window, QStringLiteral("WARNING"),
                       QStringLiteral("Journal Signing Keys End Soon (%1)!!!").arg(said.runEnding));
}
// With a backup folder set: a box when the last good backup is older than
// the setting allows (or its folder is missing), at start and then each day.
void watchTheBackups(QWidget *window, const settings::Snapshot &site) {
  const QString folder = site.value(QStringLiteral("backup_folder"));
  if (folder.isEmpty())
    return;
  const int warnDays = int(site.wholeNumber(QStringLiteral("backup_warn_days"), 2));
  auto look = [folder, warnDays] {
    const QString why = journalbackup::overdue(folder, journalfiles::defaultJournalPath(), warnDays,
                                               QDateTime::currentDateTimeUtc());
    if (!why.isEmpty())
      warnings::show(QStringLiteral("WARNING"),
                     QStringLiteral("Journal Backup Overdue (%1): Run weighstation-records "
                                    "backup!!!")
                         .arg(why));
  };
  QTimer::singleShot(0, window, look);
  auto *daily = new QTimer(window);
  QObject::connect(daily, &QTimer::timeout, window, look);
  daily->start(24 * 3600 * 1000);
}
}  // namespace

// Said before the toolkit starts, so that they need no display: the
// version, a word of help, and a display missing (one line, not the
// toolkit's abort).
int answeredWithoutTheWindow(int argc, char *argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("weighstation %s\n", WEIGHSTATION_VERSION);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf(
          "Usage: weighstation\nThe weighing station's monitor and recorder; it takes no "
          "options but --version and --help. See weighstation(1).\n");
      return 0;
    }
  }
  if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
      !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    std::fprintf(stderr,
                 "weighstation: needs a graphical display (DISPLAY or WAYLAND_DISPLAY "
                 "is not set)\n");
    return 2;
  }
  return -1;
}

int main(int argc, char *argv[]) {
  if (const int answered = answeredWithoutTheWindow(argc, argv); answered >= 0)
    return answered;
  QApplication application(argc, argv);
  language::use();
  qCDebug(appLog, "weighstation %s", WEIGHSTATION_VERSION);
  fonts::useMetricCompatibleFaces();
  // A file size limit makes a write fail with a reason instead of ending
  // the program.
  std::signal(SIGXFSZ, SIG_IGN);
  std::atexit(endWithTheProcess);
  const settings::Snapshot site = settings::Snapshot::read();
  handOver(site);
  // A past epoch's signing secret goes when the monitor starts in a later
  // epoch, whether or not a record comes.
  const signingkeys::StartWarnings keyWarnings = signingkeys::erasePastEpochsAtStart(
      signingkeys::signingPathFor(journalfiles::defaultKeyPath()),
      QDateTime::currentSecsSinceEpoch());
  int exitCode = 0;
  bool workerLeft = false;
  {
    MainWindow window;
    window.setJournalSpaceWarningMb(site.wholeNumber(QStringLiteral("journal_min_free_mb"),
                                                     MainWindow::kJournalSpaceWarningMb));
    TerminationSignals termination([&window] { window.endFromSignal(); });
    warnOfTheSettings(&window, site);
    warnOfTheSigningKeys(&window, keyWarnings);
    watchTheBackups(&window, site);
    std::unique_ptr<CentralShipper> shipping = startCentralShipping(&window, site);
    std::unique_ptr<MqttPublisher> publishing = startMqttPublishing(&window, site);
    runningWindow = &window;
    window.show();
    exitCode = application.exec();
    // The window stops handing readings over before the publisher goes.
    window.setReadingsSink(nullptr);
    workerLeft = leftRunning(publishing);
    workerLeft = leftRunning(shipping) || workerLeft;
    runningWindow = nullptr;
  }
  if (workerLeft) {
    // The window and its logs are closed; what still runs is a worker
    // waiting on its server, which static destructors must not pull from
    // under it.
    std::fflush(nullptr);
    std::_Exit(exitCode);
  }
  return exitCode;
}

// Drives the real monitor as an operator would, from inside its process:
// loaded with LD_PRELOAD into build/weighstation, it starts once the
// application exists, finds the widgets by object name, clicks them, answers
// the dialogs, and writes what it saw to the JSON file named by E2E_REPORT.
// The scenario is named by E2E_SCENARIO ("operator", "kill", "soak",
// "connect", "logs", "zero", "records" or "idle").
#include <signal.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>

#include "modalanswerer.h"

namespace {

class Driver {
 public:
  void run();

 private:
  template <typename T = QWidget>
  T *find(const char *name) {
    T *w = window_->findChild<T *>(QString::fromLatin1(name));
    if (!w)
      fail(QStringLiteral("no widget %1").arg(QLatin1String(name)));
    return w;
  }
  bool waitFor(const std::function<bool()> &condition, int ms) {
    QDeadlineTimer deadline(ms);
    while (!condition()) {
      if (deadline.hasExpired())
        return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      QThread::msleep(5);
    }
    return true;
  }
  QString shown(const QString &prefix, const QString &suffix, int count) {
    QString text;
    for (int k = 1; k <= count; ++k) {
      text += QString::number(
          find<QLCDNumber>(qPrintable(prefix + QString::number(k) + suffix))->intValue());
    }
    return text;
  }
  QString scaleDigits(int n) {
    return shown(QStringLiteral("lcd"), n == 1 ? QString() : QStringLiteral("_%1").arg(n), 7);
  }
  QString totalDigits() { return shown(QStringLiteral("lcd"), QStringLiteral("_grandtotal"), 8); }
  void note(const QString &key, const QJsonValue &value) {
    report_[key] = value;
    QFile out(qEnvironmentVariable("E2E_REPORT"));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
      out.write(QJsonDocument(report_).toJson());
  }
  void fail(const QString &why) {
    note(QStringLiteral("failure"), why);
    QCoreApplication::exit(3);
  }
  void click(const char *name) { find<QAbstractButton>(name)->click(); }
  bool recordAndWait(int count);
  void startBothLogs();
  void operatorScenario();
  void killScenario();
  void soakScenario();
  void connectScenario();
  void logsScenario();
  void zeroScenario();
  void recordsScenario();

  QMainWindow *window_ = nullptr;
  ModalAnswerer *answerer_ = nullptr;
  QJsonObject report_;
};

bool Driver::recordAndWait(int count) {
  click("recordnow");
  return waitFor([&] { return find<QLabel>("total_count")->text() == QString::number(count); },
                 5000);
}

// Chooses the two files the test named, then starts both logs.
void Driver::startBothLogs() {
  answerer_->chooseFile(qEnvironmentVariable("E2E_TEXT_LOG"));
  click("select_logfile");
  answerer_->chooseFile(qEnvironmentVariable("E2E_WORKBOOK"));
  click("select_excelfile");
  click("checkBox_datalog");
  click("checkBox_excellog");
}

void Driver::run() {
  for (QWidget *w : QApplication::topLevelWidgets()) {
    if (auto *main = qobject_cast<QMainWindow *>(w))
      window_ = main;
  }
  if (!window_)
    return fail(QStringLiteral("no main window"));
  answerer_ = new ModalAnswerer;
  const QString scenario = qEnvironmentVariable("E2E_SCENARIO", QStringLiteral("operator"));
  if (scenario == QLatin1String("kill"))
    return killScenario();
  if (scenario == QLatin1String("soak"))
    return soakScenario();
  if (scenario == QLatin1String("connect"))
    return connectScenario();
  if (scenario == QLatin1String("logs"))
    return logsScenario();
  if (scenario == QLatin1String("zero"))
    return zeroScenario();
  if (scenario == QLatin1String("records"))
    return recordsScenario();
  if (scenario == QLatin1String("idle"))
    return note("ready", true);  // the monitor runs on untouched
  operatorScenario();
}

void Driver::operatorScenario() {
  click("connect_serial");
  click("connect_serial_2");
  click("connect_serial_3");
  note("dialogsAtConnect", int(answerer_->seen.size()));
  note("ports",
       QJsonArray{find<QLabel>("serial_comport")->text(), find<QLabel>("serial_comport_2")->text(),
                  find<QLabel>("serial_comport_3")->text()});
  const bool read = waitFor(
      [&] {
        return scaleDigits(1) == "0000111" && scaleDigits(2) == "0000222" &&
               scaleDigits(3) == "0000333";
      },
      5000);
  note("readingsArrived", read);
  note("statusAfterConnect", find<QLabel>("SERIAL_STATUS_3")->text());
  note("totalAfterConnect", totalDigits());

  answerer_->pressButton(QStringLiteral("Yes"));
  click("zero_2");
  note("zeroQuestion", answerer_->seen.value(0).text);
  note("zeroed", waitFor([&] { return scaleDigits(2) == "0000000"; }, 5000));
  note("totalAfterZero", totalDigits());

  startBothLogs();
  find<QSpinBox>("sense_spinBox")->setValue(3);
  note("logsRunning", find<QCheckBox>("checkBox_datalog")->isChecked() &&
                          find<QCheckBox>("checkBox_excellog")->isChecked());
  note("firstRecord", recordAndWait(1));

  ::kill(qEnvironmentVariable("E2E_SIM_PID").toInt(), SIGUSR1);  // scale 3's adapter is pulled
  note("dropped", waitFor(
                      [&] {
                        return find<QLabel>("SERIAL_STATUS_3")
                                   ->text()
                                   .contains(QLatin1String("Not Connected")) &&
                               scaleDigits(3) == "0000000";
                      },
                      3000));
  note("secondRecord", recordAndWait(2));
  note("listItems", int(window_->findChild<QObject *>("listdata")->property("count").toInt()));

  click("checkBox_excellog");  // stop: saves the workbook
  note("dialogsTotal", int(answerer_->seen.size()));
  note("done", true);
  window_->findChild<QAction *>(QStringLiteral("exitAct"))->trigger();
}

// Presses the three Connect keys and waits for the readings; the monitor
// goes on running (scripts/screenshot pictures it).
void Driver::connectScenario() {
  click("connect_serial");
  click("connect_serial_2");
  click("connect_serial_3");
  note("connected",
       waitFor(
           [&] {
             for (const char *status : {"SERIAL_STATUS", "SERIAL_STATUS_2", "SERIAL_STATUS_3"}) {
               if (find<QLabel>(status)->text().contains(QLatin1String("Not")))
                 return false;
             }
             return true;
           },
           5000));
}

// Both logs running with two records; the monitor goes on running for the
// test to end it from outside.
void Driver::logsScenario() {
  click("connect_serial");
  note("readingsArrived", waitFor([&] { return scaleDigits(1) == "0000111"; }, 5000));
  startBothLogs();
  find<QSpinBox>("sense_spinBox")->setValue(1);
  note("records", recordAndWait(1) && recordAndWait(2));
  note("ready", true);
}

// The zero question as the desktop shows it, answered "No".
void Driver::zeroScenario() {
  answerer_->pressButton(QStringLiteral("No"));
  click("zero_1");
  const ModalAnswerer::Seen box = answerer_->seen.value(0);
  note("buttons", QJsonArray::fromStringList(box.buttons));
  note("buttonsLeftToRight", QJsonArray::fromStringList(box.buttonsLeftToRight));
  note("defaultButton", box.defaultButton);
  note("escapeButton", box.escapeButton);
  note("done", true);
  window_->findChild<QAction *>(QStringLiteral("exitAct"))->trigger();
}

// E2E_RECORDS records (default 300) of three lively scales, taken as fast
// as the record cycle allows or E2E_RECORD_GAP_MS apart, the upper limit
// lowered half-way; then Exit.
void Driver::recordsScenario() {
  for (const char *key : {"connect_serial", "connect_serial_2", "connect_serial_3"})
    click(key);
  note("readingsArrived",
       waitFor([&] { return find<QLabel>("SERIAL_STATUS_3")->text().contains("green"); }, 5000));
  answerer_->chooseFile(qEnvironmentVariable("E2E_TEXT_LOG"));
  click("select_logfile");
  click("checkBox_datalog");
  find<QSpinBox>("sense_spinBox")->setValue(1);
  find<QLineEdit>("overlimit")->setText(QStringLiteral("20000"));
  const int records = qEnvironmentVariableIntValue("E2E_RECORDS") > 0
                          ? qEnvironmentVariableIntValue("E2E_RECORDS")
                          : 300;
  const int gapMs = qEnvironmentVariableIntValue("E2E_RECORD_GAP_MS");
  for (int n = 1; n <= records; ++n) {
    if (gapMs > 0)
      waitFor([] { return false; }, gapMs);
    if (n == records / 2)
      find<QLineEdit>("overlimit")->setText(QStringLiteral("18000"));
    click("recordnow");
    // The refresh is driven here as well as by its timer: a tick clears the
    // latch, the next ones settle and take the record.
    const QString count = QString::number(n);
    waitFor(
        [&] {
          QMetaObject::invokeMethod(window_, "processLCD");
          return find<QLabel>("total_count")->text() == count;
        },
        2000);
  }
  note("count", find<QLabel>("total_count")->text().toInt());
  QJsonArray boxes;
  for (const ModalAnswerer::Seen &box : answerer_->seen)
    boxes.append(box.text);
  note("boxes", boxes);
  note("done", true);
  window_->findChild<QAction *>(QStringLiteral("exitAct"))->trigger();
}

void Driver::killScenario() {
  click("connect_serial");
  note("readingsArrived", waitFor([&] { return scaleDigits(1) == "0000111"; }, 5000));
  answerer_->chooseFile(qEnvironmentVariable("E2E_TEXT_LOG"));
  click("select_logfile");
  click("checkBox_datalog");
  find<QSpinBox>("sense_spinBox")->setValue(1);
  note("record", recordAndWait(1));
  ::raise(SIGKILL);
}

// What the process holds now: resident memory, threads, open descriptors.
QJsonObject processFigures() {
  QJsonObject figures;
  QFile status(QStringLiteral("/proc/self/status"));
  if (status.open(QIODevice::ReadOnly)) {
    for (const QByteArray &line : status.readAll().split('\n')) {
      if (line.startsWith("VmRSS:"))
        figures["rssKb"] = line.mid(6).trimmed().split(' ').value(0).toInt();
    }
  }
  figures["threads"] = int(
      QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
  figures["fds"] = int(QDir(QStringLiteral("/proc/self/fd"))
                           .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
                           .size());
  return figures;
}

// Runs for E2E_SOAK_SECONDS: asks for a record every 3 s into both logs and
// reconnects any scale that dropped, as an operator would.
void Driver::soakScenario() {
  const qint64 runMs = qEnvironmentVariableIntValue("E2E_SOAK_SECONDS") * 1000LL;
  const qint64 warmUpMs = qMax<qint64>(10000, runMs / 5);
  const char *connectKeys[] = {"connect_serial", "connect_serial_2", "connect_serial_3"};
  const char *statuses[] = {"SERIAL_STATUS", "SERIAL_STATUS_2", "SERIAL_STATUS_3"};
  for (const char *key : connectKeys)
    click(key);
  startBothLogs();
  find<QLineEdit>("overlimit")->setText(QStringLiteral("100000000"));
  find<QSpinBox>("sense_spinBox")->setValue(3);

  QElapsedTimer clock;
  clock.start();
  qint64 nextRecord = 3000;
  qint64 nextReconnect = 1000;
  int reconnects = 0;
  bool warm = false;
  while (clock.elapsed() < runMs) {
    waitFor([] { return false; }, 100);
    if (!warm && clock.elapsed() >= warmUpMs) {
      note("warmUp", processFigures());
      warm = true;
    }
    if (clock.elapsed() >= nextRecord) {
      click("recordnow");
      nextRecord += 3000;
    }
    if (clock.elapsed() >= nextReconnect) {
      nextReconnect += 1000;
      for (int n = 0; n < 3; ++n) {
        if (find<QLabel>(statuses[n])->text().contains(QLatin1String("Not Connected"))) {
          click(connectKeys[n]);
          ++reconnects;
        }
      }
    }
  }
  // The last request is taken or given up on before the logs stop.
  waitFor([] { return false; }, 1000);
  note("end", processFigures());
  note("reconnectPresses", reconnects);
  click("checkBox_excellog");
  click("checkBox_datalog");
  QJsonArray items;
  auto *list = window_->findChild<QListWidget *>(QStringLiteral("listdata"));
  for (int i = 0; i < list->count(); ++i)
    items.append(list->item(i)->text());
  note("listItems", items);
  note("count", find<QLabel>("total_count")->text().toInt());
  note("dialogs", int(answerer_->seen.size()));
  note("done", true);
  window_->findChild<QAction *>(QStringLiteral("exitAct"))->trigger();
}

void startDriver() {
  QTimer::singleShot(300, qApp, [] {
    static Driver driver;
    driver.run();
  });
}

struct Registration {
  Registration() { qAddPreRoutine(startDriver); }
} registration;

}  // namespace

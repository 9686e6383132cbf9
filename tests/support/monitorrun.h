// The real monitor (build/weighstation) run for a test, the operator
// driver (tests/e2e/driver.cpp) preloaded into it playing a scenario
// against the simulator's indicators; the driver's report read back.
#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include "simulator.h"

struct Run {
  int exitCode = -1;
  QProcess::ExitStatus status = QProcess::CrashExit;
  QJsonObject report;
  QString output;
};

inline QJsonObject readReport(const QTemporaryDir &dir) {
  QFile report(dir.filePath("report.json"));
  return report.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(report.readAll()).object()
                                          : QJsonObject();
}

// The real monitor with the operator driver playing `scenario`; `display`
// runs it on that X server instead of offscreen, `environment` adds to its
// environment.
class Monitor {
 public:
  Monitor(const QString &scenario, const Simulator &sim, const QTemporaryDir &dir,
          const QString &display = QString(), const QStringList &environment = {})
      : dir_(dir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
    if (!display.isEmpty())
      env.insert("DISPLAY", display);
    env.insert("WEIGHSTATION_ADAPTERS", sim.adapters());
    env.insert("LD_PRELOAD", qEnvironmentVariable("E2E_DRIVER"));
    env.insert("E2E_SCENARIO", scenario);
    env.insert("E2E_TEXT_LOG", dir.filePath("station.txt"));
    env.insert("E2E_WORKBOOK", dir.filePath("station.xlsx"));
    env.insert("E2E_REPORT", dir.filePath("report.json"));
    env.insert("E2E_SIM_PID", QString::number(sim.pid()));
    for (const QString &setting : environment)
      env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(qEnvironmentVariable("TEST_MONITOR_BIN", "build/weighstation"), {});
  }
  qint64 pid() const { return process_.processId(); }
  // Waits until the driver's report holds `key`.
  bool waitForReport(const char *key, int ms = 15000) {
    QDeadlineTimer deadline(ms);
    while (!readReport(dir_).contains(key)) {
      if (deadline.hasExpired() || process_.state() == QProcess::NotRunning)
        return false;
      QThread::msleep(50);
    }
    return true;
  }
  Run finish() {
    Run run;
    if (!process_.waitForFinished(60000)) {
      process_.kill();
      process_.waitForFinished();
    }
    run.exitCode = process_.exitCode();
    run.status = process_.exitStatus();
    run.output = QString::fromLocal8Bit(process_.readAll());
    run.report = readReport(dir_);
    return run;
  }

 private:
  const QTemporaryDir &dir_;
  QProcess process_;
};

// The run's record journal and key are in its folder.
inline QStringList journalIn(const QTemporaryDir &dir) {
  return {"WEIGHSTATION_JOURNAL=" + dir.filePath("journal.sqlite"),
          "WEIGHSTATION_JOURNAL_KEY=" + dir.filePath("journal.key")};
}

inline Run runMonitor(const QString &scenario, const Simulator &sim, const QTemporaryDir &dir) {
  return Monitor(scenario, sim, dir, QString(), journalIn(dir)).finish();
}

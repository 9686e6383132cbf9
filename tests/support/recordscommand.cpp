#include "recordscommand.h"

#include <QProcess>

RecordsRun runRecords(const QStringList &arguments, const QProcessEnvironment &environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(qEnvironmentVariable("TEST_RECORDS_BIN", "build/weighstation-records"), arguments);
  RecordsRun run;
  if (!process.waitForFinished(120000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

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

RecordsRun checkPrintedTicket(const QString &pdf, const QString &verificationKey) {
  QString picture = pdf;
  picture.chop(4);  // ".pdf"
  if (QProcess::execute(QStringLiteral("pdftoppm"),
                        {QStringLiteral("-r"), QStringLiteral("203"), QStringLiteral("-png"),
                         QStringLiteral("-singlefile"), pdf, picture}) != 0)
    return RecordsRun{-1, QString(), QStringLiteral("pdftoppm cannot render %1").arg(pdf)};
  return runRecords({QStringLiteral("check-ticket"), QStringLiteral("--image"),
                     picture + QStringLiteral(".png"), QStringLiteral("--verification-key"),
                     verificationKey});
}

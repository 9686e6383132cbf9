#include "xserver.h"

#include <QDeadlineTimer>

bool XServer::start() {
  // -displayfd picks a free display and writes its number to stdout.
  process_.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
  QDeadlineTimer deadline(10000);
  QByteArray out;
  while (!out.contains('\n') && !deadline.hasExpired() &&
         process_.state() != QProcess::NotRunning) {
    process_.waitForReadyRead(200);
    out += process_.readAllStandardOutput();
  }
  if (!out.contains('\n'))
    return false;
  display_ = QStringLiteral(":") + QString::fromLatin1(out.trimmed());
  return true;
}

void XServer::kill() {
  process_.kill();
  process_.waitForFinished();
}

XServer::~XServer() {
  if (process_.state() != QProcess::NotRunning)
    kill();
}

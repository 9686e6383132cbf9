#include "simulator.h"

#include <QDeadlineTimer>

bool Simulator::start(const QStringList &scaleOptions) {
  QStringList arguments{"--link-dir", links_.path()};
  for (const QString &options : scaleOptions)
    arguments << "--scale" << options;
  process_.start(qEnvironmentVariable("SCALE_SIM", "build/scale-sim"), arguments);
  if (!process_.waitForStarted(5000))
    return false;
  QDeadlineTimer deadline(5000);
  while (paths_.size() < scaleOptions.size() && !deadline.hasExpired()) {
    if (!process_.canReadLine() && !process_.waitForReadyRead(100))
      continue;
    while (process_.canReadLine())
      paths_ << QString::fromLocal8Bit(process_.readLine()).trimmed();
  }
  return paths_.size() == scaleOptions.size();
}

QString Simulator::events() {
  // Take in what the simulator wrote while nobody was listening.
  process_.waitForReadyRead(50);
  events_ += QString::fromLocal8Bit(process_.readAllStandardError());
  return events_;
}

void Simulator::stop() {
  if (process_.state() == QProcess::NotRunning)
    return;
  process_.terminate();
  if (!process_.waitForFinished(3000))
    process_.kill();
  process_.waitForFinished(1000);
}

Simulator::~Simulator() {
  stop();
}

// Runs build/scale-sim for a test and hands out its terminals.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class Simulator {
 public:
  // One --scale per entry; returns false when the simulator did not come up.
  bool start(const QStringList &scaleOptions);
  ~Simulator();
  QStringList paths() const { return paths_; }
  QString adapters() const { return paths_.join(u','); }
  qint64 pid() const { return process_.processId(); }
  // Everything the simulator said on its error output so far.
  QString events();
  void stop();

 private:
  QTemporaryDir links_;
  QProcess process_;
  QStringList paths_;
  QString events_;
};

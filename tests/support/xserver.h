// A real X server (Xvfb) on a display of its own, for tests of what only a
// desktop session shows: its button layout, its end.
#pragma once

#include <QProcess>
#include <QString>

class XServer {
 public:
  // False when the server did not come up.
  bool start();
  ~XServer();
  QString display() const { return display_; }
  void kill();

 private:
  QProcess process_;
  QString display_;
};

// SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, Ctrl+C) end the monitor
// the way its Exit action does. The handler only writes the signal's number
// to a pipe (async-signal-safe); the window's thread reads it through a
// socket notifier and runs the given action there.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

class TerminationSignals : public QObject {
 public:
  explicit TerminationSignals(std::function<void()> onSignal, QObject *parent = nullptr);
  ~TerminationSignals() override;

 private:
  void drain();

  QSocketNotifier *notifier_ = nullptr;
  std::function<void()> onSignal_;
};

#include "app/termination.h"
#include "app/applog.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {
const int kEndingSignals[] = {SIGTERM, SIGHUP, SIGINT};
int signalPipe[2] = {-1, -1};

void onEndingSignal(int number) {
  const int savedErrno = errno;
  const char byte = static_cast<char>(number);
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
  errno = savedErrno;
}

void setHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kEndingSignals)
    ::sigaction(number, &action, nullptr);
}
}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject *parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
  if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    qCWarning(appLog, "cannot watch for termination signals: %s", strerror(errno));
    return;
  }
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);
  setHandler(onEndingSignal);
}

TerminationSignals::~TerminationSignals() {
  if (!notifier_)
    return;
  setHandler(SIG_DFL);
  ::close(signalPipe[0]);
  ::close(signalPipe[1]);
  signalPipe[0] = signalPipe[1] = -1;
}

void TerminationSignals::drain() {
  char bytes[16];
  bool any = false;
  while (::read(signalPipe[0], bytes, sizeof bytes) > 0)
    any = true;
  if (any)
    onSignal_();
}

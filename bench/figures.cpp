// The monitor's performance figures, measured in one run, each as a ratio
// to its limit. Three indicators are played by threads of this program on
// pseudo-terminals (one reply byte a millisecond, as at 9600 baud), and the
// real window runs offscreen with its real readers.
//
//   build/bench/figures [SECONDS]     (default 20 s of streaming)
#include <fcntl.h>
#include <pthread.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLCDNumber>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "figureline.h"
#include "platform/linuxserialbackend.h"
#include "publishing/mqttpublisher.h"
#include "publishing/mqtttarget.h"
#include "scalelink/scalechannel.h"

namespace {
using Clock = std::chrono::steady_clock;

double cpuSeconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

// One indicator: answers each poll with a new reading, and notes when the
// last payload byte of each reading left.
class Indicator {
 public:
  explicit Indicator(int base) : base_(base) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    grantpt(master_);
    unlockpt(master_);
    path_ = ptsname(master_);
    keeper_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    tcgetattr(keeper_, &raw);
    cfmakeraw(&raw);
    tcsetattr(keeper_, TCSANOW, &raw);
    thread_ = std::thread([this] { serve(); });
  }
  ~Indicator() {
    stop_ = true;
    thread_.join();
    ::close(keeper_);
    ::close(master_);
  }
  const std::string &path() const { return path_; }
  int replies() const { return replies_; }
  // CPU time of this indicator's thread so far.
  double threadCpu() {
    clockid_t clock;
    pthread_getcpuclockid(thread_.native_handle(), &clock);
    return cpuSeconds(clock);
  }
  // When the reading `value` finished arriving, if it was sent.
  bool sentAt(int value, Clock::time_point *at) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = sent_.find(value);
    if (it == sent_.end())
      return false;
    *at = it->second;
    return true;
  }

 private:
  void serve() {
    std::string command;
    while (!stop_) {
      fd_set readable;
      FD_ZERO(&readable);
      FD_SET(master_, &readable);
      timeval wait{0, 20000};
      if (select(master_ + 1, &readable, nullptr, nullptr, &wait) <= 0)
        continue;
      char buffer[64];
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      for (ssize_t i = 0; i < n; ++i) {
        if (buffer[i] == '%')
          command.clear();
        command += buffer[i];
        if (command == "%RDIS;")
          reply();
      }
    }
  }
  void reply() {
    const int value = base_ + (++replies_ % 1000);
    char frame[16];
    std::snprintf(frame, sizeof frame, "+%06d\r\n", value);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    for (int i = 0; i < 9; ++i) {
      if (::write(master_, frame + i, 1) != 1)
        return;  // the monitor's side is gone
      if (i == 6) {
        std::lock_guard<std::mutex> lock(mutex_);
        sent_[value] = Clock::now();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  int base_;
  int master_ = -1;
  int keeper_ = -1;
  std::string path_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<int> replies_{0};
  std::mutex mutex_;
  std::map<int, Clock::time_point> sent_;
};

int shownValue(const ScalePanelForm &scale) {
  int value = 0;
  for (QLCDNumber *digit : scale.digits)
    value = value * 10 + digit->intValue();
  return value;
}

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_LOGGING_RULES", "*.debug=false");
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
  const auto processStart = Clock::now();
  QApplication application(argc, argv);

  std::vector<std::unique_ptr<Indicator>> indicators;
  QStringList paths;
  for (int n = 0; n < 3; ++n) {
    indicators.push_back(std::make_unique<Indicator>(100000 * (n + 1)));
    paths << QString::fromStdString(indicators.back()->path());
  }
  LinuxSerialBackend::listAdapters(paths.join(u','));

  // Start-up: from the application object to the first refresh tick.
  const auto startupBegin = Clock::now();
  auto *window = new MainWindow;
  window->show();
  MainWindowForm *form = window->formRecord();
  QEventLoop firstTick;
  QObject::connect(window->refreshTimerObject(), &QTimer::timeout, &firstTick, &QEventLoop::quit);
  firstTick.exec();
  const double startupMs =
      std::chrono::duration<double, std::milli>(Clock::now() - startupBegin).count();

  window->processCOM_serial();
  window->processCOM_serial_2();
  window->processCOM_serial_3();

  // After every tick: a reading of scale 1 seen for the first time gives its latency.
  std::vector<double> latenciesMs;
  int lastSeen = -1;
  QObject::connect(window->refreshTimerObject(), &QTimer::timeout, [&] {
    const int value = shownValue(form->scales[0]);
    if (value == lastSeen)
      return;
    lastSeen = value;
    Clock::time_point sent;
    if (indicators[0]->sentAt(value, &sent)) {
      latenciesMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
    }
  });

  // Warm up, then stream for the measured time.
  auto runEventLoopFor = [](int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  };
  runEventLoopFor(1500);
  latenciesMs.clear();
  std::vector<int> repliesBefore;
  for (auto &indicator : indicators)
    repliesBefore.push_back(indicator->replies());
  auto indicatorsCpu = [&indicators] {
    double sum = 0;
    for (auto &indicator : indicators)
      sum += indicator->threadCpu();
    return sum;
  };
  const double cpuBefore = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - indicatorsCpu();
  QElapsedTimer clock;
  clock.start();
  runEventLoopFor(seconds * 1000);
  const double wallSeconds = clock.elapsed() / 1000.0;
  // The monitor's own CPU: the process's, less the indicator threads'.
  const double cpuMonitor = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - indicatorsCpu() - cpuBefore;
  double readingsPerSecond = 0;
  for (int n = 0; n < 3; ++n) {
    readingsPerSecond += (indicators[n]->replies() - repliesBefore[n]) / wallSeconds / 3;
  }
  bool allConnected = true;
  for (const ScaleChannel &channel : scaleChannels)
    allConnected = allConnected && channel.connected == 1;

  // Full refresh ticks, with their repaint, while the scales stream: one
  // tick every 30 ms as the timer would run them.
  window->refreshTimerObject()->stop();
  std::vector<double> tickMs;
  for (int i = 0; i < 300; ++i) {
    const auto begin = Clock::now();
    window->processLCD();
    QCoreApplication::processEvents();
    tickMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    runEventLoopFor(30);
  }
  double tickSum = 0;
  for (double t : tickMs)
    tickSum += t;

  // The same ticks while every reading goes to a publisher whose broker is
  // out of reach (nothing listens on the port): the tick must not wait on it.
  MqttTarget unreachable;
  Failure refusal;
  mqtttarget::parse({QStringLiteral("mqtt://127.0.0.1:1/bench")}, QStringLiteral("bench"),
                    &unreachable, &refusal);
  auto publisher = std::make_unique<MqttPublisher>(unreachable, QString());
  publisher->start();
  MqttPublisher *live = publisher.get();
  window->setReadingsSink([live](const LiveReadings &readings) { live->offerReadings(readings); });
  std::vector<double> downTickMs;
  for (int i = 0; i < 300; ++i) {
    const auto begin = Clock::now();
    window->processLCD();
    QCoreApplication::processEvents();
    downTickMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    runEventLoopFor(30);
  }
  window->setReadingsSink(nullptr);
  publisher.reset();

  // Shutdown with three connected scales.
  const auto shutdownBegin = Clock::now();
  delete window;
  const double shutdownMs =
      std::chrono::duration<double, std::milli>(Clock::now() - shutdownBegin).count();

  indicators.clear();

  const double replyMs = 2 + 9;  // reply delay and nine bytes at 1 ms
  const double boundPerSecond = 1000.0 / (replyMs + 200.0);
  std::printf("weighstation performance figures (%d s of three streaming scales, offscreen)\n",
              seconds);
  std::printf("all three scales connected while measured: %s\n", allConnected ? "yes" : "NO");
  line("readings per second per scale", readingsPerSecond, "/s", boundPerSecond,
       "protocol bound: one per reply time + 200 ms quiet read");
  line("frame's last byte to digits shown, median", percentile(latenciesMs, 0.5), "ms", 30,
       "one refresh tick");
  line("frame's last byte to digits shown, 99th percentile", percentile(latenciesMs, 0.99), "ms",
       30, "one refresh tick");
  line("CPU share of one core while three scales stream", 100.0 * cpuMonitor / wallSeconds, "%",
       100, "one core");
  line("refresh tick with repaint, mean", tickSum / tickMs.size(), "ms", 30, "the 30 ms period");
  line("refresh tick with repaint, 99th percentile", percentile(tickMs, 0.99), "ms", 30,
       "the 30 ms period");
  line("refresh tick, MQTT broker out of reach, 99th percentile", percentile(downTickMs, 0.99),
       "ms", 1.5 * percentile(tickMs, 0.99) + 1, "1.5 x the tick without MQTT + 1 ms");
  line("start-up to the first refresh tick", startupMs, "ms", 1000, "one second");
  line("process start to the first refresh tick",
       startupMs + std::chrono::duration<double, std::milli>(startupBegin - processStart).count(),
       "ms", 1000, "one second");
  line("shutdown with three connected scales", shutdownMs, "ms", 800,
       "three 200 ms stop pauses + one reader turn");
  std::printf("(%zu latency samples, %zu refresh ticks)\n", latenciesMs.size(), tickMs.size());
  return 0;
}

// scale-sim: plays weighing indicators on pseudo-terminals for the monitor's
// demo and tests. Prints the path of each indicator's terminal on a line of
// its own once it is ready, then serves until it is stopped.
#include <poll.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "indicator.h"

namespace {
volatile sig_atomic_t stopRequested = 0;
volatile sig_atomic_t hangupRequested = 0;
void requestStop(int) {
  stopRequested = 1;
}
void requestHangup(int) {
  hangupRequested = 1;
}

void usage(FILE *out) {
  std::fprintf(out,
               "usage: scale-sim [--link-dir DIR] [--scale OPTIONS]...\n"
               "  Each --scale adds one indicator (one steady indicator without any).\n"
               "  OPTIONS is a comma-separated list of:\n"
               "    weight=N          gross reading, 0..999999 (default 1234)\n"
               "    profile=steady|lively   a fixed reading, or loads that come and go\n"
               "    fault=none|silent|minus|noise|short, or several joined by +\n"
               "    hangup-after=MS   hang the line up after MS milliseconds\n"
               "    return-after=MS   after a hang-up, come back on a new terminal\n"
               "    hangup-on-signal=1  hang the line up when scale-sim gets SIGUSR1\n"
               "    byte-ms=MS        time per byte of a reply (default 1)\n"
               "    seed=N\n"
               "  --link-dir DIR      keep DIR/scaleN pointing at indicator N's terminal\n"
               "                      and print those links instead of the terminals\n");
}

int64_t nowMs() {
  using namespace std::chrono;
  static const auto start = steady_clock::now();
  return duration_cast<milliseconds>(steady_clock::now() - start).count();
}
}  // namespace

// SIGINT and SIGTERM stop the simulator; SIGUSR1 goes to each indicator (one
// set to hang up on it drops its line, as a cable pulled out).
void catchSignals() {
  struct sigaction action {};
  action.sa_handler = requestStop;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  struct sigaction hangup {};
  hangup.sa_handler = requestHangup;
  sigaction(SIGUSR1, &hangup, nullptr);
  signal(SIGPIPE, SIG_IGN);
}

// Until stopped: each indicator's timers, output and input, one poll for all.
void serve(std::vector<std::unique_ptr<Indicator>> &indicators) {
  while (!stopRequested) {
    const int64_t now = nowMs();
    if (hangupRequested) {
      hangupRequested = 0;
      for (auto &indicator : indicators)
        indicator->signalled(now);
    }
    int64_t next = now + 1000;
    std::vector<pollfd> waiters;
    for (auto &indicator : indicators) {
      for (int64_t due : {indicator->flushDue(now), indicator->runTimers(now)}) {
        if (due >= 0 && due < next)
          next = due;
      }
      if (indicator->isUp())
        waiters.push_back({indicator->fd(), POLLIN, 0});
    }
    const int timeout = static_cast<int>(next > now ? next - now : 0);
    if (::poll(waiters.data(), waiters.size(), timeout) > 0) {
      for (auto &indicator : indicators)
        indicator->serviceInput(nowMs());
    }
  }
}

int main(int argc, char **argv) {
  std::vector<IndicatorOptions> specs;
  std::string linkDir;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      usage(stdout);
      return 0;
    }
    if ((arg == "--scale" || arg == "--link-dir") && i + 1 < argc) {
      const std::string value = argv[++i];
      if (arg == "--link-dir") {
        linkDir = value;
        continue;
      }
      IndicatorOptions options;
      const std::string error = parseIndicatorOptions(value, options);
      if (!error.empty()) {
        std::fprintf(stderr, "scale-sim: %s\n", error.c_str());
        return 2;
      }
      specs.push_back(options);
      continue;
    }
    usage(stderr);
    return 2;
  }
  if (specs.empty())
    specs.emplace_back();

  catchSignals();

  std::vector<std::unique_ptr<Indicator>> indicators;
  for (size_t n = 0; n < specs.size(); ++n) {
    const std::string link =
        linkDir.empty() ? std::string() : linkDir + "/scale" + std::to_string(n + 1);
    indicators.push_back(std::make_unique<Indicator>(static_cast<int>(n + 1), specs[n], link));
    if (!indicators.back()->openLine())
      return 2;
    std::printf("%s\n", indicators.back()->publicPath().c_str());
    std::fflush(stdout);
  }

  serve(indicators);
  return 0;
}

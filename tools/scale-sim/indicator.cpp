#include "indicator.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

std::string parseIndicatorOptions(const std::string &text, IndicatorOptions &options) {
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    if (item.empty())
      continue;
    const auto equals = item.find('=');
    if (equals == std::string::npos)
      return "expected key=value, got '" + item + "'";
    const std::string key = item.substr(0, equals);
    const std::string value = item.substr(equals + 1);
    char *end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    const bool isNumber = !value.empty() && end && *end == '\0';
    if (key == "weight" && isNumber && number >= 0 && number <= 999999) {
      options.weight = number;
    } else if (key == "profile" && (value == "steady" || value == "lively")) {
      options.profile = value == "steady" ? Profile::Steady : Profile::Lively;
    } else if (key == "fault") {
      // One fault or several joined by "+", for example noise+short.
      std::stringstream faults(value);
      std::string fault;
      while (std::getline(faults, fault, '+')) {
        if (fault == "none")
          options.faults = 0;
        else if (fault == "silent")
          options.faults |= kFaultSilent;
        else if (fault == "minus")
          options.faults |= kFaultMinus;
        else if (fault == "noise")
          options.faults |= kFaultNoise;
        else if (fault == "short")
          options.faults |= kFaultShort;
        else
          return "unknown fault '" + fault + "'";
      }
    } else if (key == "hangup-after" && isNumber && number >= 0) {
      options.hangupAfterMs = number;
    } else if (key == "hangup-on-signal" && isNumber) {
      options.hangupOnSignal = number != 0;
    } else if (key == "return-after" && isNumber && number >= 0) {
      options.returnAfterMs = number;
    } else if (key == "byte-ms" && isNumber && number >= 0 && number <= 1000) {
      options.byteMs = static_cast<int>(number);
    } else if (key == "seed" && isNumber) {
      options.seed = static_cast<unsigned>(number);
    } else {
      return "unknown or invalid option '" + item + "'";
    }
  }
  return {};
}

Indicator::Indicator(int number, IndicatorOptions options, std::string linkPath)
    : number_(number),
      options_(options),
      linkPath_(std::move(linkPath)),
      random_(options.seed * 2654435761u + static_cast<unsigned>(number)) {}

Indicator::~Indicator() {
  hangUp();
  if (!linkPath_.empty())
    ::unlink(linkPath_.c_str());
}

unsigned Indicator::nextRandom() {
  random_ = random_ * 1103515245u + 12345u;
  return (random_ >> 8) & 0xFFFFFF;
}

bool Indicator::openLine() {
  const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    std::fprintf(stderr, "scale-sim: cannot make a pseudo-terminal: %s\n", std::strerror(errno));
    if (master >= 0)
      ::close(master);
    return false;
  }
  slavePath_ = ptsname(master);
  keeper_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (keeper_ < 0) {
    std::fprintf(stderr, "scale-sim: cannot open %s: %s\n", slavePath_.c_str(),
                 std::strerror(errno));
    ::close(master);
    return false;
  }
  termios raw{};
  tcgetattr(keeper_, &raw);
  cfmakeraw(&raw);
  cfsetispeed(&raw, B9600);
  cfsetospeed(&raw, B9600);
  tcsetattr(keeper_, TCSANOW, &raw);
  master_ = master;
  command_.clear();
  output_.clear();
  if (!linkPath_.empty()) {
    const std::string temporary = linkPath_ + ".new";
    ::unlink(temporary.c_str());
    if (::symlink(slavePath_.c_str(), temporary.c_str()) != 0 ||
        ::rename(temporary.c_str(), linkPath_.c_str()) != 0) {
      std::fprintf(stderr, "scale-sim: cannot link %s: %s\n", linkPath_.c_str(),
                   std::strerror(errno));
      // A monitor pointed at the link would wait for a scale that is not there.
      hangUp();
      return false;
    }
  }
  return true;
}

void Indicator::hangUp() {
  if (master_ >= 0)
    ::close(master_);
  if (keeper_ >= 0)
    ::close(keeper_);
  master_ = keeper_ = -1;
  output_.clear();
}

long Indicator::grossAt(int64_t nowMs) const {
  if (options_.profile == Profile::Steady)
    return options_.weight;
  // A load comes on, stays, and goes off again, once every 12 s; each scale
  // has its own phase and each load its own size.
  const int64_t t = nowMs + number_ * 4000;
  const int64_t cycle = t / 12000;
  const int64_t phase = t % 12000;
  const long load = 200 + static_cast<long>((cycle * 7919 + number_ * 104729) % 4800);
  double share = 0.0;
  if (phase < 2000)
    share = 0.0;
  else if (phase < 3000)
    share = (phase - 2000) / 1000.0;
  else if (phase < 10000)
    share = 1.0;
  else if (phase < 11000)
    share = (11000 - phase) / 1000.0;
  return options_.weight + static_cast<long>(share * load);
}

void Indicator::queue(const std::string &bytes, int64_t fromMs) {
  int64_t due = fromMs;
  if (!output_.empty() && output_.back().first > due)
    due = output_.back().first;
  for (char byte : bytes) {
    output_.emplace_back(due, byte);
    due += options_.byteMs;
  }
}

void Indicator::answer(const std::string &command, int64_t nowMs) {
  if (command == "%ETAR;") {
    zeroOffset_ = grossAt(nowMs);
    std::fprintf(stderr, "scale-sim: scale %d zeroed at %ld\n", number_, zeroOffset_);
    return;
  }
  if (command != "%RDIS;" || (options_.faults & kFaultSilent))
    return;
  const long net = netAt(nowMs);
  char digits[16];
  std::snprintf(digits, sizeof digits, "%06ld", std::labs(net) % 1000000);
  const char sign = (net < 0 || (options_.faults & kFaultMinus)) ? '-' : '+';
  std::string reply;
  ++replies_;
  if ((options_.faults & kFaultNoise) && replies_ % 2 == 0) {
    const int count = 1 + static_cast<int>(nextRandom() % 5);
    for (int i = 0; i < count; ++i) {
      char noise = static_cast<char>(nextRandom() & 0xFF);
      if (noise == '+')
        noise = '?';
      reply += noise;
    }
  }
  reply += sign;
  if ((options_.faults & kFaultShort) && replies_ % 3 == 0) {
    reply += std::string(digits, 3);  // the rest of this frame never comes
  } else {
    reply += std::string(digits, 6) + "\r\n";
  }
  queue(reply, nowMs + options_.replyDelayMs);
}

void Indicator::serviceInput(int64_t nowMs) {
  if (master_ < 0)
    return;
  char buffer[256];
  for (;;) {
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0)
      break;
    for (ssize_t i = 0; i < n; ++i) {
      const char byte = buffer[i];
      if (byte == '%')
        command_.clear();
      command_ += byte;
      if (byte == ';') {
        answer(command_, nowMs);
        command_.clear();
      } else if (command_.size() > 16) {
        command_.clear();
      }
    }
  }
}

int64_t Indicator::flushDue(int64_t nowMs) {
  if (master_ < 0)
    return -1;
  std::string due;
  while (!output_.empty() && output_.front().first <= nowMs) {
    due += output_.front().second;
    output_.pop_front();
  }
  if (!due.empty() && ::write(master_, due.data(), due.size()) < 0 && errno != EAGAIN) {
    output_.clear();
  }
  return output_.empty() ? -1 : output_.front().first;
}

void Indicator::signalled(int64_t nowMs) {
  if (!options_.hangupOnSignal || master_ < 0)
    return;
  hangUp();
  std::fprintf(stderr, "scale-sim: scale %d hung up\n", number_);
  if (options_.returnAfterMs >= 0)
    returnAtMs_ = nowMs + options_.returnAfterMs;
}

int64_t Indicator::runTimers(int64_t nowMs) {
  if (master_ >= 0 && options_.hangupAfterMs >= 0) {
    const int64_t hangupAt = openedAtMs_ + options_.hangupAfterMs;
    if (nowMs < hangupAt)
      return hangupAt;
    hangUp();
    std::fprintf(stderr, "scale-sim: scale %d hung up\n", number_);
    if (options_.returnAfterMs >= 0)
      returnAtMs_ = nowMs + options_.returnAfterMs;
  }
  if (master_ < 0 && returnAtMs_ >= 0) {
    if (nowMs < returnAtMs_)
      return returnAtMs_;
    returnAtMs_ = -1;
    if (openLine()) {
      openedAtMs_ = nowMs;
      std::fprintf(stderr, "scale-sim: scale %d back on %s\n", number_, slavePath_.c_str());
      return runTimers(nowMs);
    }
  }
  return -1;
}

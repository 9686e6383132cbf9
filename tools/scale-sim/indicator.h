// One simulated weighing indicator on a pseudo-terminal. It answers the
// read-display command "%RDIS;" with "+", six digits and CR LF, one byte a
// millisecond as at 9600 baud, and takes "%ETAR;" as a zero.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

enum class Profile { Steady, Lively };
constexpr unsigned kFaultSilent = 1;  // never answers
constexpr unsigned kFaultMinus = 2;   // answers with "-" where "+" belongs
constexpr unsigned kFaultNoise = 4;   // noise bytes before every other reply
constexpr unsigned kFaultShort = 8;   // every third reply stops after three digits

struct IndicatorOptions {
  long weight = 1234;  // the steady gross reading
  Profile profile = Profile::Steady;
  unsigned faults = 0;
  long hangupAfterMs = -1;      // close the line after this long
  long returnAfterMs = -1;      // after a hang-up, come back on a new terminal this much later
  bool hangupOnSignal = false;  // hang up when the simulator gets SIGUSR1
  int byteMs = 1;
  int replyDelayMs = 2;
  unsigned seed = 1;
};

// Parses "weight=1234,profile=lively,fault=noise,hangup-after=3000"; returns
// an empty text or what is wrong.
std::string parseIndicatorOptions(const std::string &text, IndicatorOptions &options);

class Indicator {
 public:
  Indicator(int number, IndicatorOptions options, std::string linkPath);
  ~Indicator();

  // Opens a new pseudo-terminal; returns false and says why on stderr.
  bool openLine();
  void hangUp();
  // SIGUSR1 arrived: an indicator that waits for it hangs up now.
  void signalled(int64_t nowMs);
  // The path a monitor should open: the link when there is one.
  std::string publicPath() const { return linkPath_.empty() ? slavePath_ : linkPath_; }
  int fd() const { return master_; }
  bool isUp() const { return master_ >= 0; }

  // Reads and answers what the host sent.
  void serviceInput(int64_t nowMs);
  // Writes the bytes that are due; returns when the next is due (-1: none).
  int64_t flushDue(int64_t nowMs);
  // Hang-up and return times; returns when the next event is due (-1: none).
  int64_t runTimers(int64_t nowMs);

  long grossAt(int64_t nowMs) const;
  long netAt(int64_t nowMs) const { return grossAt(nowMs) - zeroOffset_; }

 private:
  void answer(const std::string &command, int64_t nowMs);
  void queue(const std::string &bytes, int64_t fromMs);
  unsigned nextRandom();

  int number_;
  IndicatorOptions options_;
  std::string linkPath_;
  std::string slavePath_;
  int master_ = -1;
  int keeper_ = -1;  // our own hold on the terminal side, so no host close hangs us up
  std::string command_;
  std::deque<std::pair<int64_t, char>> output_;
  long zeroOffset_ = 0;
  int64_t openedAtMs_ = 0;
  int64_t returnAtMs_ = -1;
  unsigned random_;
  unsigned replies_ = 0;
};

// The shared state of the three scales: the only thing that reader threads
// and the window's thread share. Fields that a reader thread touches are
// 32-bit atomics used with relaxed ordering; nothing relies on the order
// in which two fields change.
#pragma once

#include <QMutex>
#include <QString>
#include <array>
#include <atomic>

class QThread;

class SharedInt {
 public:
  constexpr SharedInt(int value = 0) : value_(value) {}
  SharedInt(const SharedInt &) = delete;
  SharedInt &operator=(const SharedInt &) = delete;
  int load() const { return value_.load(std::memory_order_relaxed); }
  void store(int value) { value_.store(value, std::memory_order_relaxed); }
  operator int() const { return load(); }
  SharedInt &operator=(int value) {
    store(value);
    return *this;
  }

 private:
  std::atomic<int> value_;
};

constexpr int kScaleCount = 3;
constexpr int kScaleDigits = 7;

struct ScaleChannel {
  QThread *reader = nullptr;
  SharedInt connected;
  SharedInt overload;
  SharedInt digits[kScaleDigits];  // index 0 most significant
  SharedInt sign;                  // 0 plus, 1 minus
  SharedInt unit;                  // 0 kilograms, 1 pounds, 9 nothing received yet
  SharedInt point_code;            // 0 none, 1 three places, 2 two places, 3 one place
  double weight = 0.0;
  SharedInt zero_request;
  SharedInt gross_request;
  SharedInt tare_request;
  double tare_weight = 0.0;
  int net_mode = 0;
  QString port_name;
};

// A channel as one refresh tick reads it: each field a reader thread writes
// is read once, so that everything the tick shows, logs, journals and
// publishes comes from the same frame (a frame arriving mid-tick waits for
// the next tick). An overloaded channel reads as zero digits.
struct ChannelReading {
  int connected = 0;
  bool overloaded = false;
  std::array<int, kScaleDigits> digits{};
  int sign = 0;
  int unit = 9;
  int pointCode = 0;
  static ChannelReading of(const ScaleChannel &channel);
};

// Channels 1, 2 and 3 are scaleChannels[0], [1] and [2].
extern ScaleChannel scaleChannels[kScaleCount];
// Protects the channels' `weight` and `tare_weight` (the window's doubles):
// held while a tick reads the channels and shows the readouts, and while a
// tare or gross key changes them.
extern QMutex readout_mutex;

// The values the main window gives every channel once it is built; every
// other field keeps the zero or empty value it has from the start of the
// process (the member initializers above).
void applyChannelStartValues();

// The record cycle: a request from the record-now key is taken once it has
// waited more than N ticks (the sensitivity) and the grand total lies within
// the limits. Kept free of widgets; the window applies what a tick decides.
#pragma once

#include <QString>

class RecordCycle {
 public:
  static constexpr double kRearmThreshold = 0.001;

  struct Tick {
    bool recordTaken = false;
    bool overLimitRed = false;   // the check found the total above the upper limit
    bool underLimitRed = false;  // the check found the total below the lower limit
  };

  // One tick, with the grand total's magnitude, the sensitivity N and the
  // texts of the two limit fields (a text that is not a number counts as 0).
  Tick tick(double totalWeight, int sensitivity, const QString &upperLimit,
            const QString &lowerLimit);

  // The record-now key's request.
  void request() { record_now_request = 1; }

  int record_now_request = 0;
  int record_tick_count = 0;
  int record_latched = 0;
  int record_count = 0;
};

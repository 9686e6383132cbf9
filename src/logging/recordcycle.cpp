#include "logging/recordcycle.h"

RecordCycle::Tick RecordCycle::tick(double totalWeight, int sensitivity, const QString &upperLimit,
                                    const QString &lowerLimit) {
  Tick result;
  if (record_latched == 1) {
    if (totalWeight < kRearmThreshold || record_now_request == 1)
      record_latched = 0;
    return result;
  }
  if (record_now_request != 1) {
    record_tick_count = 0;
  } else {
    ++record_tick_count;
    if (record_tick_count > sensitivity) {
      const double upper = upperLimit.toDouble();
      const double lower = lowerLimit.toDouble();
      if (totalWeight <= upper && totalWeight >= lower) {
        record_latched = 1;
        record_now_request = 0;
        ++record_count;
        result.recordTaken = true;
      } else {
        result.overLimitRed = totalWeight > upper;
        result.underLimitRed = totalWeight < lower;
      }
    }
  }
  if (record_tick_count > sensitivity)
    record_tick_count = 0;
  return result;
}

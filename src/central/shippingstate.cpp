#include "central/shippingstate.h"

#include <algorithm>

void ShippingState::shipped(qint64 waiting) {
  retryMs_ = 0;
  if (waiting == 0) {
    // Everything has arrived: the outage, if there was one, is over.
    warned_ = false;
    lastReason_.clear();
  }
}

qint64 ShippingState::unreachable(const QString &reason) {
  lastReason_ = reason;
  retryMs_ = retryMs_ == 0 ? kFirstRetryMs : std::min(2 * retryMs_, kLastRetryMs);
  return retryMs_;
}

bool ShippingState::refused(qint64 seq) {
  return ++refusals_[seq] >= kTriesOfARefusedRecord;
}

bool ShippingState::warnNow(qint64 waiting, qint64 oldestWaitingMs, qint64 nowMs) {
  if (warned_ || waiting == 0 || nowMs - oldestWaitingMs <= kWarnAfterMs)
    return false;
  warned_ = true;
  return true;
}

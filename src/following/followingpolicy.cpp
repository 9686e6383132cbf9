#include "following/followingpolicy.h"

#include <algorithm>

void FollowingPolicy::reached() {
  retryMs_ = 0;
  warned_ = false;
}

qint64 FollowingPolicy::unreachable() {
  retryMs_ = retryMs_ == 0 ? kFirstRetryMs : std::min(2 * retryMs_, kLastRetryMs);
  return retryMs_;
}

bool FollowingPolicy::warnNow(qint64 waiting, qint64 oldestTakenMs, qint64 nowMs) {
  if (warned_ || !inOutage() || waiting <= 0 || nowMs - oldestTakenMs <= kWarnAfterMs)
    return false;
  warned_ = true;
  return true;
}

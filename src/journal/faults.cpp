#include "journal/faults.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace faults {
namespace {
constexpr int kKinds = 4;
std::atomic<int> armedCall{-1};
std::atomic<qint64> failingCall{0};
std::atomic<int> failingError{0};
std::atomic<bool> failingForGood{false};
std::atomic<qint64> counts[kKinds];

void restart() {
  for (std::atomic<qint64> &count : counts)
    count.store(0);
}
}  // namespace

void arm(Call call, qint64 nth, int error, bool forGood) {
  armedCall.store(-1);
  restart();
  failingCall.store(nth);
  failingError.store(error);
  failingForGood.store(forGood);
  armedCall.store(int(call));
}

void disarm() {
  armedCall.store(-1);
  restart();
}

qint64 count(Call call) {
  return counts[int(call)].load();
}

bool failNow(Call call) {
  const qint64 n = counts[int(call)].fetch_add(1) + 1;
  if (armedCall.load() != int(call))
    return false;
  const qint64 nth = failingCall.load();
  if (n != nth && !(failingForGood.load() && n > nth))
    return false;
  errno = failingError.load();
  return true;
}

int open(const char *path, int flags, mode_t mode) {
  return failNow(Call::Open) ? -1 : ::open(path, flags, mode);
}

ssize_t write(int fd, const void *buffer, size_t size) {
  return failNow(Call::Write) ? -1 : ::write(fd, buffer, size);
}

ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset) {
  return failNow(Call::Write) ? -1 : ::pwrite(fd, buffer, size, offset);
}

int fsync(int fd) {
  return failNow(Call::Fsync) ? -1 : ::fsync(fd);
}

int fdatasync(int fd) {
  return failNow(Call::Fsync) ? -1 : ::fdatasync(fd);
}

int ftruncate(int fd, off_t length) {
  return failNow(Call::Ftruncate) ? -1 : ::ftruncate(fd, length);
}

}  // namespace faults

// Counted failures of the system calls that put records on disk, for the
// tests, as SQLite's own tests fail them through its VFS: the Nth call of a
// kind fails with an errno, once or from then on. Inert until a test arms
// it. SQLite's calls reach it through the journal's VFS hooks
// (journaldb.h); the head's, the signing keys' and an output file's calls
// are made through the wrappers below. SQLite's own syncs are not among
// them (it calls fsync itself).
#pragma once

#include <sys/types.h>

#include <QtGlobal>

namespace faults {

enum class Call { Open, Write, Fsync, Ftruncate };

// The `nth` call of `call` from now on (1: the next) fails with `error`;
// with `forGood`, every one after it too. Counts start again.
void arm(Call call, qint64 nth, int error, bool forGood);
// No call fails; counts start again.
void disarm();
// The calls of that kind since the last arm() or disarm().
qint64 count(Call call);
// Counts a call of `call`: true (errno set) when it is to fail.
bool failNow(Call call);

int open(const char *path, int flags, mode_t mode);
ssize_t write(int fd, const void *buffer, size_t size);
ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset);
int fsync(int fd);
int fdatasync(int fd);
int ftruncate(int fd, off_t length);

}  // namespace faults

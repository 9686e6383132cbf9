// An in-memory adapter for the reader's tests: a scripted indicator on a
// virtual clock. A read that waits advances the clock instead of sleeping
// (unless realTime is set), so a whole run of polls takes microseconds.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

#include "platform/adapterbackend.h"

class FakeAdapter {
 public:
  struct Write {
    qint64 atMs;
    QByteArray bytes;
  };

  // The indicator sends `bytes` starting at `atMs`, one every `byteMs`.
  void sendAt(qint64 atMs, const QByteArray &bytes, int byteMs = 1);
  // The indicator answers each poll with `reply`, `delayMs` after it.
  void replyToPolls(const QByteArray &reply, int delayMs = 2, int byteMs = 1);
  // Runs `action` when the clock passes `atMs` (on the reading thread).
  void at(qint64 atMs, std::function<void()> action);
  // From `atMs` on, reads and writes fail as on an unplugged adapter.
  void unplugAt(qint64 atMs);

  bool openFails = false;
  LONG portNumber = 5;
  QString label = QStringLiteral("ttyUSB5");
  bool realTime = false;
  int openDelayMs = 0;  // a slow open, in real time

  // What happened, for the test to check.
  QList<Write> writes() const;
  QStringList calls() const;
  qint64 nowMs() const;
  bool isOpen() const;
  int opens() const;

  // Called by the backend.
  FT_STATUS open();
  void close();
  void record(const QString &call);
  FT_STATUS read(unsigned char *buffer, DWORD count, DWORD *received);
  FT_STATUS write(const unsigned char *buffer, DWORD count, DWORD *written);
  void setReadTimeout(ULONG ms);

 private:
  void runHooksUntil(qint64 timeMs, QMutexLocker<QMutex> &lock);
  bool unpluggedAt(qint64 timeMs) const { return unplugMs_ >= 0 && timeMs >= unplugMs_; }

  mutable QMutex mutex_;
  std::multimap<qint64, unsigned char> incoming_;
  std::multimap<qint64, std::function<void()>> hooks_;
  QList<Write> writes_;
  QStringList calls_;
  QByteArray pollReply_;
  int pollReplyDelayMs_ = 2;
  int pollReplyByteMs_ = 1;
  qint64 now_ = 0;
  qint64 unplugMs_ = -1;
  ULONG readTimeoutMs_ = 0;
  bool open_ = false;
  int opens_ = 0;
};

class FakeAdapterBackend : public AdapterBackend {
 public:
  // Installs itself as the adapter backend for its lifetime.
  explicit FakeAdapterBackend(int adapterCount);
  ~FakeAdapterBackend() override;

  FakeAdapter &adapter(int index) { return *adapters_[index]; }
  FT_STATUS listStatus = FT_OK;

  FT_STATUS createDeviceInfoList(DWORD *count) override;
  FT_STATUS open(int index, FT_HANDLE *handle) override;
  FT_STATUS close(FT_HANDLE handle) override;
  FT_STATUS getComPortNumber(FT_HANDLE handle, LONG *port) override;
  FT_STATUS setBaudRate(FT_HANDLE handle, ULONG baud) override;
  FT_STATUS setDataCharacteristics(FT_HANDLE handle, UCHAR bits, UCHAR stop, UCHAR parity) override;
  FT_STATUS setFlowControl(FT_HANDLE handle, USHORT mode, UCHAR xon, UCHAR xoff) override;
  FT_STATUS setTimeouts(FT_HANDLE handle, ULONG readMs, ULONG writeMs) override;
  FT_STATUS read(FT_HANDLE handle, void *buffer, DWORD count, DWORD *received) override;
  FT_STATUS write(FT_HANDLE handle, const void *buffer, DWORD count, DWORD *written) override;
  QString portLabel(FT_HANDLE handle, LONG portNumber) override;

 private:
  QList<FakeAdapter *> adapters_;
};

#include "fakeadapter.h"

#include <QThread>

void FakeAdapter::sendAt(qint64 atMs, const QByteArray &bytes, int byteMs) {
  QMutexLocker lock(&mutex_);
  for (int i = 0; i < bytes.size(); ++i) {
    incoming_.emplace(atMs + qint64(i) * byteMs, static_cast<unsigned char>(bytes[i]));
  }
}

void FakeAdapter::replyToPolls(const QByteArray &reply, int delayMs, int byteMs) {
  QMutexLocker lock(&mutex_);
  pollReply_ = reply;
  pollReplyDelayMs_ = delayMs;
  pollReplyByteMs_ = byteMs;
}

void FakeAdapter::at(qint64 atMs, std::function<void()> action) {
  QMutexLocker lock(&mutex_);
  hooks_.emplace(atMs, std::move(action));
}

void FakeAdapter::unplugAt(qint64 atMs) {
  QMutexLocker lock(&mutex_);
  unplugMs_ = atMs;
}

QList<FakeAdapter::Write> FakeAdapter::writes() const {
  QMutexLocker lock(&mutex_);
  return writes_;
}

QStringList FakeAdapter::calls() const {
  QMutexLocker lock(&mutex_);
  return calls_;
}

qint64 FakeAdapter::nowMs() const {
  QMutexLocker lock(&mutex_);
  return now_;
}

bool FakeAdapter::isOpen() const {
  QMutexLocker lock(&mutex_);
  return open_;
}

int FakeAdapter::opens() const {
  QMutexLocker lock(&mutex_);
  return opens_;
}

FT_STATUS FakeAdapter::open() {
  if (openDelayMs > 0)
    QThread::msleep(static_cast<unsigned long>(openDelayMs));
  QMutexLocker lock(&mutex_);
  calls_ << QStringLiteral("open");
  if (openFails || open_)
    return FT_DEVICE_NOT_OPENED;
  open_ = true;
  ++opens_;
  return FT_OK;
}

void FakeAdapter::close() {
  QMutexLocker lock(&mutex_);
  calls_ << QStringLiteral("close");
  open_ = false;
}

void FakeAdapter::record(const QString &call) {
  QMutexLocker lock(&mutex_);
  calls_ << call;
}

void FakeAdapter::setReadTimeout(ULONG ms) {
  QMutexLocker lock(&mutex_);
  readTimeoutMs_ = ms;
}

void FakeAdapter::runHooksUntil(qint64 timeMs, QMutexLocker<QMutex> &lock) {
  while (!hooks_.empty() && hooks_.begin()->first <= timeMs) {
    auto action = std::move(hooks_.begin()->second);
    hooks_.erase(hooks_.begin());
    lock.unlock();
    action();
    lock.relock();
  }
}

FT_STATUS FakeAdapter::read(unsigned char *buffer, DWORD count, DWORD *received) {
  QMutexLocker lock(&mutex_);
  const qint64 started = now_;
  const qint64 deadline = now_ + readTimeoutMs_;
  DWORD got = 0;
  FT_STATUS status = FT_OK;
  while (got < count) {
    if (unpluggedAt(now_)) {
      status = FT_IO_ERROR;
      break;
    }
    const qint64 nextByte = incoming_.empty() ? deadline + 1 : incoming_.begin()->first;
    const qint64 nextHook = hooks_.empty() ? deadline + 1 : hooks_.begin()->first;
    const qint64 nextUnplug = unplugMs_ >= 0 ? unplugMs_ : deadline + 1;
    const qint64 next = std::min({nextByte, nextHook, nextUnplug});
    if (next > deadline) {
      now_ = deadline;
      runHooksUntil(now_, lock);
      break;
    }
    now_ = std::max(now_, next);
    if (next == nextHook) {
      runHooksUntil(now_, lock);
      continue;
    }
    if (next == nextUnplug)
      continue;
    buffer[got++] = incoming_.begin()->second;
    incoming_.erase(incoming_.begin());
  }
  *received = got;
  const qint64 elapsed = now_ - started;
  const bool sleep = realTime;
  lock.unlock();
  if (sleep && elapsed > 0)
    QThread::msleep(static_cast<unsigned long>(elapsed));
  return status;
}

FT_STATUS FakeAdapter::write(const unsigned char *buffer, DWORD count, DWORD *written) {
  QMutexLocker lock(&mutex_);
  const QByteArray bytes(reinterpret_cast<const char *>(buffer), static_cast<int>(count));
  if (unpluggedAt(now_)) {
    *written = 0;
    calls_ << QStringLiteral("write failed");
    return FT_IO_ERROR;
  }
  writes_.append({now_, bytes});
  *written = count;
  if (bytes == "%RDIS;" && !pollReply_.isEmpty()) {
    for (int i = 0; i < pollReply_.size(); ++i) {
      incoming_.emplace(now_ + pollReplyDelayMs_ + qint64(i) * pollReplyByteMs_,
                        static_cast<unsigned char>(pollReply_[i]));
    }
  }
  return FT_OK;
}

FakeAdapterBackend::FakeAdapterBackend(int adapterCount) {
  for (int i = 0; i < adapterCount; ++i) {
    adapters_ << new FakeAdapter;
    adapters_.last()->label = QStringLiteral("ttyUSB%1").arg(i);
    adapters_.last()->portNumber = i;
  }
  installAdapterBackend(this);
}

FakeAdapterBackend::~FakeAdapterBackend() {
  installAdapterBackend(nullptr);
  qDeleteAll(adapters_);
}

static FakeAdapter *fake(FT_HANDLE handle) {
  return static_cast<FakeAdapter *>(handle);
}

FT_STATUS FakeAdapterBackend::createDeviceInfoList(DWORD *count) {
  *count = static_cast<DWORD>(adapters_.size());
  return listStatus;
}

FT_STATUS FakeAdapterBackend::open(int index, FT_HANDLE *handle) {
  if (index < 0 || index >= adapters_.size())
    return FT_DEVICE_NOT_FOUND;
  const FT_STATUS status = adapters_[index]->open();
  if (status == FT_OK)
    *handle = adapters_[index];
  return status;
}

FT_STATUS FakeAdapterBackend::close(FT_HANDLE handle) {
  fake(handle)->close();
  return FT_OK;
}

FT_STATUS FakeAdapterBackend::getComPortNumber(FT_HANDLE handle, LONG *port) {
  *port = fake(handle)->portNumber;
  return FT_OK;
}

FT_STATUS FakeAdapterBackend::setBaudRate(FT_HANDLE handle, ULONG baud) {
  fake(handle)->record(QStringLiteral("baud %1").arg(baud));
  return FT_OK;
}

FT_STATUS FakeAdapterBackend::setDataCharacteristics(FT_HANDLE handle, UCHAR bits, UCHAR stop,
                                                     UCHAR parity) {
  fake(handle)->record(QStringLiteral("data %1 %2 %3").arg(bits).arg(stop).arg(parity));
  return FT_OK;
}

FT_STATUS FakeAdapterBackend::setFlowControl(FT_HANDLE handle, USHORT mode, UCHAR xon, UCHAR xoff) {
  fake(handle)->record(QStringLiteral("flow %1 %2 %3").arg(mode).arg(xon).arg(xoff));
  return FT_OK;
}

FT_STATUS FakeAdapterBackend::setTimeouts(FT_HANDLE handle, ULONG readMs, ULONG) {
  fake(handle)->setReadTimeout(readMs);
  return FT_OK;
}

FT_STATUS FakeAdapterBackend::read(FT_HANDLE handle, void *buffer, DWORD count, DWORD *received) {
  return fake(handle)->read(static_cast<unsigned char *>(buffer), count, received);
}

FT_STATUS FakeAdapterBackend::write(FT_HANDLE handle, const void *buffer, DWORD count,
                                    DWORD *written) {
  return fake(handle)->write(static_cast<const unsigned char *>(buffer), count, written);
}

QString FakeAdapterBackend::portLabel(FT_HANDLE handle, LONG) {
  return fake(handle)->label;
}

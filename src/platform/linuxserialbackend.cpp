#include "platform/linuxserialbackend.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <functional>

namespace {

struct LinuxPort {
  int fd = -1;
  QString deviceName;  // the name under /dev, for example ttyUSB0 or pts/3
  ULONG readTimeoutMs = 0;
  ULONG writeTimeoutMs = 0;
};

LinuxPort *portOf(FT_HANDLE handle) {
  return static_cast<LinuxPort *>(handle);
}

using Clock = std::chrono::steady_clock;

// Milliseconds left until the deadline, rounded up; -1 waits without end.
int millisecondsLeft(bool unbounded, Clock::time_point deadline) {
  if (unbounded)
    return -1;
  auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(std::min<long long>(left, INT_MAX)) : 0;
}

speed_t speedFor(ULONG baud) {
  switch (baud) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    case 230400:
      return B230400;
    default:
      return 0;
  }
}

bool applyTermios(LinuxPort *port, const std::function<void(termios &)> &change) {
  termios settings{};
  if (tcgetattr(port->fd, &settings) != 0)
    return false;
  change(settings);
  return tcsetattr(port->fd, TCSANOW, &settings) == 0;
}

}  // namespace

namespace {
// Protects `listed`: set by the program's thread, read by the readers'.
QMutex listedLock;
std::optional<QString> listed;
}  // namespace

void LinuxSerialBackend::listAdapters(const std::optional<QString> &setting) {
  const QMutexLocker locker(&listedLock);
  listed = setting;
}

QStringList LinuxSerialBackend::devicePaths() {
  std::optional<QString> setting;
  {
    const QMutexLocker locker(&listedLock);
    setting = listed;
  }
  if (setting) {
    QStringList paths;
    for (const QString &part : setting->split(u',')) {
      const QString path = part.trimmed();
      if (!path.isEmpty())
        paths << path;
    }
    return paths;
  }
  QList<QSerialPortInfo> ports;
  for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
    if (info.hasVendorIdentifier() && info.vendorIdentifier() == kFtdiVendorId)
      ports << info;
  }
  std::sort(ports.begin(), ports.end(), [](const QSerialPortInfo &a, const QSerialPortInfo &b) {
    if (a.serialNumber() != b.serialNumber())
      return a.serialNumber() < b.serialNumber();
    return a.portName() < b.portName();
  });
  QStringList paths;
  for (const QSerialPortInfo &info : ports)
    paths << info.systemLocation();
  return paths;
}

LONG LinuxSerialBackend::portNumberOf(const QString &deviceName) {
  static const QRegularExpression trailingNumber(QStringLiteral("(\\d+)$"));
  const QRegularExpressionMatch match = trailingNumber.match(deviceName);
  if (!match.hasMatch())
    return -1;
  bool ok = false;
  const LONG number = match.captured(1).toInt(&ok);
  return ok ? number : -1;
}

FT_STATUS LinuxSerialBackend::createDeviceInfoList(DWORD *count) {
  if (!count)
    return FT_INVALID_PARAMETER;
  *count = static_cast<DWORD>(devicePaths().size());
  return FT_OK;
}

FT_STATUS LinuxSerialBackend::open(int index, FT_HANDLE *handle) {
  if (!handle)
    return FT_INVALID_PARAMETER;
  const QStringList paths = devicePaths();
  if (index < 0 || index >= paths.size())
    return FT_DEVICE_NOT_FOUND;

  // Two names of one device (a by-id link and the node itself) must meet
  // the same lock, so the canonical path is opened.
  const QString canonical = QFileInfo(paths.at(index)).canonicalFilePath();
  if (canonical.isEmpty())
    return FT_DEVICE_NOT_FOUND;
  const int fd =
      ::open(canonical.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return FT_DEVICE_NOT_OPENED;
  // flock() belongs to the open file description: it refuses a second open
  // from this process as well as from another one.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 || !isatty(fd)) {
    ::close(fd);
    return FT_DEVICE_NOT_OPENED;
  }

  auto *port = new LinuxPort;
  port->fd = fd;
  port->deviceName = canonical.startsWith(QLatin1String("/dev/")) ? canonical.mid(5) : canonical;
  const bool configured = applyTermios(port, [](termios &t) {
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
  });
  if (!configured) {
    ::close(fd);
    delete port;
    return FT_DEVICE_NOT_OPENED;
  }
  // Whatever the line carried before the open is not an answer to us.
  tcflush(fd, TCIOFLUSH);
  *handle = port;
  return FT_OK;
}

FT_STATUS LinuxSerialBackend::close(FT_HANDLE handle) {
  LinuxPort *port = portOf(handle);
  if (!port)
    return FT_INVALID_HANDLE;
  ::close(port->fd);
  delete port;
  return FT_OK;
}

FT_STATUS LinuxSerialBackend::getComPortNumber(FT_HANDLE handle, LONG *number) {
  LinuxPort *port = portOf(handle);
  if (!port)
    return FT_INVALID_HANDLE;
  if (!number)
    return FT_INVALID_PARAMETER;
  *number = portNumberOf(port->deviceName);
  return FT_OK;
}

FT_STATUS LinuxSerialBackend::setBaudRate(FT_HANDLE handle, ULONG baud) {
  LinuxPort *port = portOf(handle);
  if (!port)
    return FT_INVALID_HANDLE;
  const speed_t speed = speedFor(baud);
  if (speed == 0)
    return FT_INVALID_BAUD_RATE;
  return applyTermios(port,
                      [speed](termios &t) {
                        cfsetispeed(&t, speed);
                        cfsetospeed(&t, speed);
                      })
             ? FT_OK
             : FT_IO_ERROR;
}

FT_STATUS LinuxSerialBackend::setDataCharacteristics(FT_HANDLE handle, UCHAR bits, UCHAR stop,
                                                     UCHAR parity) {
  LinuxPort *port = portOf(handle);
  if (!port)
    return FT_INVALID_HANDLE;
  if ((bits != FT_BITS_7 && bits != FT_BITS_8) ||
      (stop != FT_STOP_BITS_1 && stop != FT_STOP_BITS_2) || parity > FT_PARITY_EVEN) {
    return FT_INVALID_PARAMETER;
  }
  return applyTermios(port,
                      [=](termios &t) {
                        t.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD);
                        t.c_cflag |= bits == FT_BITS_8 ? CS8 : CS7;
                        if (stop == FT_STOP_BITS_2)
                          t.c_cflag |= CSTOPB;
                        if (parity != FT_PARITY_NONE)
                          t.c_cflag |= PARENB;
                        if (parity == FT_PARITY_ODD)
                          t.c_cflag |= PARODD;
                      })
             ? FT_OK
             : FT_IO_ERROR;
}

FT_STATUS LinuxSerialBackend::setFlowControl(FT_HANDLE handle, USHORT mode, UCHAR xon, UCHAR xoff) {
  LinuxPort *port = portOf(handle);
  if (!port)
    return FT_INVALID_HANDLE;
  if (mode != FT_FLOW_NONE && mode != FT_FLOW_RTS_CTS && mode != FT_FLOW_XON_XOFF) {
    return FT_INVALID_PARAMETER;
  }
  return applyTermios(port,
                      [=](termios &t) {
                        t.c_cflag &= ~CRTSCTS;
                        t.c_iflag &= ~(IXON | IXOFF | IXANY);
                        if (mode == FT_FLOW_RTS_CTS)
                          t.c_cflag |= CRTSCTS;
                        if (mode == FT_FLOW_XON_XOFF) {
                          t.c_iflag |= IXON | IXOFF;
                          t.c_cc[VSTART] = xon;
                          t.c_cc[VSTOP] = xoff;
                        }
                      })
             ? FT_OK
             : FT_IO_ERROR;
}

FT_STATUS LinuxSerialBackend::setTimeouts(FT_HANDLE handle, ULONG readMs, ULONG writeMs) {
  LinuxPort *port = portOf(handle);
  if (!port)
    return FT_INVALID_HANDLE;
  port->readTimeoutMs = readMs;
  port->writeTimeoutMs = writeMs;
  return FT_OK;
}

// Returns after `count` bytes or after the read timeout with what arrived.
// A hung-up or failed device gives FT_IO_ERROR, never stale bytes.
FT_STATUS LinuxSerialBackend::read(FT_HANDLE handle, void *buffer, DWORD count, DWORD *received) {
  LinuxPort *port = portOf(handle);
  if (received)
    *received = 0;
  if (!port)
    return FT_INVALID_HANDLE;
  if (!buffer || !received)
    return FT_INVALID_PARAMETER;
  auto *bytes = static_cast<unsigned char *>(buffer);
  const bool unbounded = port->readTimeoutMs == 0;
  const auto deadline = Clock::now() + std::chrono::milliseconds(port->readTimeoutMs);
  DWORD got = 0;
  while (got < count) {
    pollfd waiter{port->fd, POLLIN, 0};
    const int ready = ::poll(&waiter, 1, millisecondsLeft(unbounded, deadline));
    if (ready < 0) {
      if (errno == EINTR)
        continue;
      *received = got;
      return FT_IO_ERROR;
    }
    if (ready == 0)
      break;  // the read timeout passed
    if (waiter.revents & POLLIN) {
      const ssize_t n = ::read(port->fd, bytes + got, count - got);
      if (n > 0) {
        got += static_cast<DWORD>(n);
        continue;
      }
      if (n < 0 && (errno == EAGAIN || errno == EINTR))
        continue;
      *received = got;
      return FT_IO_ERROR;  // 0 is end of file: the line hung up
    }
    if (waiter.revents & (POLLHUP | POLLERR | POLLNVAL)) {
      *received = got;
      return FT_IO_ERROR;
    }
  }
  *received = got;
  return FT_OK;
}

FT_STATUS LinuxSerialBackend::write(FT_HANDLE handle, const void *buffer, DWORD count,
                                    DWORD *written) {
  LinuxPort *port = portOf(handle);
  if (written)
    *written = 0;
  if (!port)
    return FT_INVALID_HANDLE;
  if (!buffer)
    return FT_INVALID_PARAMETER;
  const auto *bytes = static_cast<const unsigned char *>(buffer);
  const ULONG timeoutMs = port->writeTimeoutMs != 0 ? port->writeTimeoutMs : kDefaultWriteTimeoutMs;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  DWORD sent = 0;
  FT_STATUS status = FT_OK;
  while (sent < count) {
    const ssize_t n = ::write(port->fd, bytes + sent, count - sent);
    if (n > 0) {
      sent += static_cast<DWORD>(n);
      continue;
    }
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0 && errno != EAGAIN) {
      status = FT_IO_ERROR;
      break;
    }
    pollfd waiter{port->fd, POLLOUT, 0};
    const int ready = ::poll(&waiter, 1, millisecondsLeft(false, deadline));
    if (ready == 0)
      break;  // the write timeout passed
    if (ready < 0 && errno != EINTR) {
      status = FT_IO_ERROR;
      break;
    }
    if (ready > 0 && !(waiter.revents & POLLOUT)) {
      status = FT_IO_ERROR;
      break;
    }
  }
  if (written)
    *written = sent;
  return status;
}

QString LinuxSerialBackend::portLabel(FT_HANDLE handle, LONG) {
  LinuxPort *port = portOf(handle);
  return port ? port->deviceName : QString();
}

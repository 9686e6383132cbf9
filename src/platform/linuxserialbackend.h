// The adapter calls on Linux: serial tty devices driven with termios and
// poll(). Devices in index order are the paths the program lists from its
// setting "adapters" (comma-separated), or else every attached
// USB-serial port of the FTDI vendor, ordered by serial number, then by
// device name, so that the order survives re-plugging.
#pragma once

#include <QStringList>
#include <optional>

#include "platform/adapterbackend.h"

class LinuxSerialBackend : public AdapterBackend {
 public:
  static constexpr quint16 kFtdiVendorId = 0x0403;
  // A write timeout of 0 leaves the bound to the library. Here it is one
  // second: a device that never takes its bytes (a stuck USB device, a
  // serial bridge, an indicator that never reads) cannot hold a writer for
  // ever. The write then returns with fewer bytes written, as a write with
  // an explicit timeout does.
  static constexpr ULONG kDefaultWriteTimeoutMs = 1000;

  // The adapters setting's text, handed over by the program (none: not
  // set, every FTDI adapter attached).
  static void listAdapters(const std::optional<QString> &setting);
  // The device paths, index 0 first, as the adapter calls see them now.
  static QStringList devicePaths();
  // The number in a device name ("ttyUSB3" gives 3, "pts/12" gives 12); -1 without one.
  static LONG portNumberOf(const QString &deviceName);

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
};

// What stands behind the adapter calls of ftd2xx.h. The program uses the Linux
// serial backend; tests put an in-memory adapter in its place.
#pragma once

#include <QString>

#include "platform/ftd2xx.h"

class AdapterBackend {
 public:
  virtual ~AdapterBackend() = default;
  virtual FT_STATUS createDeviceInfoList(DWORD *count) = 0;
  virtual FT_STATUS open(int index, FT_HANDLE *handle) = 0;
  virtual FT_STATUS close(FT_HANDLE handle) = 0;
  virtual FT_STATUS getComPortNumber(FT_HANDLE handle, LONG *port) = 0;
  virtual FT_STATUS setBaudRate(FT_HANDLE handle, ULONG baud) = 0;
  virtual FT_STATUS setDataCharacteristics(FT_HANDLE handle, UCHAR bits, UCHAR stop,
                                           UCHAR parity) = 0;
  virtual FT_STATUS setFlowControl(FT_HANDLE handle, USHORT mode, UCHAR xon, UCHAR xoff) = 0;
  virtual FT_STATUS setTimeouts(FT_HANDLE handle, ULONG readMs, ULONG writeMs) = 0;
  virtual FT_STATUS read(FT_HANDLE handle, void *buffer, DWORD count, DWORD *received) = 0;
  virtual FT_STATUS write(FT_HANDLE handle, const void *buffer, DWORD count, DWORD *written) = 0;
  // The operating system's name for the port of an open adapter, shown to
  // the operator beside the Connect key.
  virtual QString portLabel(FT_HANDLE handle, LONG portNumber) = 0;
};

// The backend the adapter calls go to. Without an installed one this is the
// Linux serial backend. Install before any reader thread runs.
AdapterBackend &adapterBackend();
void installAdapterBackend(AdapterBackend *backend);  // nullptr restores the default

// The text the port label shows for an adapter with the given port number.
QString FT_PortLabel(FT_HANDLE handle, LONG portNumber);

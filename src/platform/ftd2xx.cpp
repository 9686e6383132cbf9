#include "platform/ftd2xx.h"

#include <atomic>

#include "platform/adapterbackend.h"
#include "platform/linuxserialbackend.h"

namespace {
std::atomic<AdapterBackend *> installedBackend{nullptr};

LinuxSerialBackend &defaultBackend() {
  static LinuxSerialBackend backend;
  return backend;
}
}  // namespace

AdapterBackend &adapterBackend() {
  AdapterBackend *backend = installedBackend.load(std::memory_order_acquire);
  return backend ? *backend : defaultBackend();
}

void installAdapterBackend(AdapterBackend *backend) {
  installedBackend.store(backend, std::memory_order_release);
}

FT_STATUS FT_CreateDeviceInfoList(LPDWORD count) {
  return adapterBackend().createDeviceInfoList(count);
}
FT_STATUS FT_Open(int index, FT_HANDLE *handle) {
  return adapterBackend().open(index, handle);
}
FT_STATUS FT_Close(FT_HANDLE handle) {
  return adapterBackend().close(handle);
}
FT_STATUS FT_GetComPortNumber(FT_HANDLE handle, LONG *port) {
  return adapterBackend().getComPortNumber(handle, port);
}
FT_STATUS FT_SetBaudRate(FT_HANDLE handle, ULONG baud) {
  return adapterBackend().setBaudRate(handle, baud);
}
FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR bits, UCHAR stop, UCHAR parity) {
  return adapterBackend().setDataCharacteristics(handle, bits, stop, parity);
}
FT_STATUS FT_SetFlowControl(FT_HANDLE handle, USHORT mode, UCHAR xon, UCHAR xoff) {
  return adapterBackend().setFlowControl(handle, mode, xon, xoff);
}
FT_STATUS FT_SetTimeouts(FT_HANDLE handle, ULONG readMs, ULONG writeMs) {
  return adapterBackend().setTimeouts(handle, readMs, writeMs);
}
FT_STATUS FT_Read(FT_HANDLE handle, LPVOID buffer, DWORD count, LPDWORD received) {
  return adapterBackend().read(handle, buffer, count, received);
}
FT_STATUS FT_Write(FT_HANDLE handle, LPVOID buffer, DWORD count, LPDWORD written) {
  return adapterBackend().write(handle, buffer, count, written);
}
QString FT_PortLabel(FT_HANDLE handle, LONG portNumber) {
  return adapterBackend().portLabel(handle, portNumber);
}

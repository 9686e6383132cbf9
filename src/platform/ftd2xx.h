// The adapter library's call interface. On Windows the vendor's ftd2xx.h and
// library provide these calls; on Linux this project's adapter layer does,
// backed by the kernel's serial tty devices (see linuxserialbackend.h).
#pragma once

#include <cstdint>

typedef void *FT_HANDLE;
typedef uint32_t FT_STATUS;
typedef uint32_t DWORD;
typedef uint32_t ULONG;
typedef int32_t LONG;
typedef uint16_t USHORT;
typedef uint8_t UCHAR;
typedef void *LPVOID;
typedef DWORD *LPDWORD;

enum {
  FT_OK = 0,
  FT_INVALID_HANDLE,
  FT_DEVICE_NOT_FOUND,
  FT_DEVICE_NOT_OPENED,
  FT_IO_ERROR,
  FT_INSUFFICIENT_RESOURCES,
  FT_INVALID_PARAMETER,
  FT_INVALID_BAUD_RATE,
};

#define FT_BITS_8 ((UCHAR)8)
#define FT_BITS_7 ((UCHAR)7)
#define FT_STOP_BITS_1 ((UCHAR)0)
#define FT_STOP_BITS_2 ((UCHAR)2)
#define FT_PARITY_NONE ((UCHAR)0)
#define FT_PARITY_ODD ((UCHAR)1)
#define FT_PARITY_EVEN ((UCHAR)2)
#define FT_FLOW_NONE ((USHORT)0x0000)
#define FT_FLOW_RTS_CTS ((USHORT)0x0100)
#define FT_FLOW_XON_XOFF ((USHORT)0x0400)

FT_STATUS FT_CreateDeviceInfoList(LPDWORD lpdwNumDevs);
FT_STATUS FT_Open(int deviceNumber, FT_HANDLE *pHandle);
FT_STATUS FT_Close(FT_HANDLE ftHandle);
FT_STATUS FT_GetComPortNumber(FT_HANDLE ftHandle, LONG *lpdwComPortNumber);
FT_STATUS FT_SetBaudRate(FT_HANDLE ftHandle, ULONG baudRate);
FT_STATUS FT_SetDataCharacteristics(FT_HANDLE ftHandle, UCHAR wordLength, UCHAR stopBits,
                                    UCHAR parity);
FT_STATUS FT_SetFlowControl(FT_HANDLE ftHandle, USHORT flowControl, UCHAR xon, UCHAR xoff);
FT_STATUS FT_SetTimeouts(FT_HANDLE ftHandle, ULONG readTimeout, ULONG writeTimeout);
FT_STATUS FT_Read(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD bytesToRead, LPDWORD bytesReturned);
FT_STATUS FT_Write(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD bytesToWrite, LPDWORD bytesWritten);

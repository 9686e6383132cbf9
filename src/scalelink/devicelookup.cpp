#include "scalelink/devicelookup.h"

#include <QDebug>

#include "platform/adapterbackend.h"
#include "platform/ftd2xx.h"

const LookupDialogs kLookupDialogs[kScaleCount] = {
    {nullptr, "Serial 1 Device Error!!!"},
    {"Serial 2 Device Error!!!", nullptr},
    {"Serial 3 Device Error!!!", nullptr},
};

const char *const kNoDeviceDialog = "No Serial Device Connected!!!";

void lookUpSerialDevice(int index, ScaleChannel &channel,
                        const std::function<void(const char *text)> &warn) {
  DWORD deviceCount = 0;
  if (FT_CreateDeviceInfoList(&deviceCount) != FT_OK) {
    qDebug("FT_CreateDeviceInfoList failed!!!");
  } else {
    qDebug("Number of devices is %d\n", static_cast<int>(deviceCount));
  }
  if (deviceCount == 0) {
    channel.port_name = QString();
    warn(kNoDeviceDialog);
    return;
  }
  if (index < 0 || index >= kScaleCount)
    return;

  FT_HANDLE handle = nullptr;
  if (FT_Open(index, &handle) != FT_OK) {
    qDebug("Get COM Port Failed!!\n");
    if (kLookupDialogs[index].openFailed)
      warn(kLookupDialogs[index].openFailed);
    return;
  }
  LONG portNumber = 0;
  FT_GetComPortNumber(handle, &portNumber);
  if (portNumber == -1) {
    qDebug("Get COM Port Failed\n");
    if (kLookupDialogs[index].noPortNumber)
      warn(kLookupDialogs[index].noPortNumber);
  } else {
    qDebug("Get COM Port Success!!\n");
    channel.port_name = FT_PortLabel(handle, portNumber);
  }
  FT_Close(handle);
}

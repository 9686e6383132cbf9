#include "scalelink/readerloop.h"

#include <QDebug>

#include "platform/ftd2xx.h"

const ReaderIdentity kReaderIdentities[kScaleCount] = {
    {0, "Serial 1 Connected!!\n", "Serial 1 Connection failed!!\n"},
    {1, "Serial 2 Connected!!\n", "Serial 2 Connection failed!!\n"},
    {2, "Serial 3 Connected!!\n", "Serial 3 Connection failed!!\n"},
};

namespace {
char pollCommand[7] = "%RDIS;";
char zeroCommand[7] = "%ETAR;";
constexpr unsigned char kFrameStart = '+';
}  // namespace

ReaderLoop::ReaderLoop(ScaleChannel &channel, const ReaderIdentity &identity,
                       std::function<bool()> stopRequested)
    : channel_(channel), identity_(identity), stopRequested_(std::move(stopRequested)) {}

int ReaderLoop::decodeDigit(unsigned char byte) {
  return byte >= '0' && byte <= '9' ? byte - '0' : 0;
}

void ReaderLoop::run() {
  FT_HANDLE handle = nullptr;
  if (FT_Open(identity_.deviceIndex, &handle) != FT_OK) {
    qDebug("%s", identity_.connectionFailedMessage);
    channel_.connected = 0;
    return;
  }
  qDebug("%s", identity_.connectedMessage);
  channel_.connected = 1;

  qDebug(FT_SetBaudRate(handle, 9600) == FT_OK ? "Set Baud Rate OK" : "Set Baud Rate Failed!");
  qDebug(FT_SetDataCharacteristics(handle, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE) == FT_OK
             ? "Set Serial Data Characteristics OK"
             : "Set Serial Data Characteristics Failed!");
  qDebug(FT_SetFlowControl(handle, FT_FLOW_NONE, 0, 0) == FT_OK ? "Set Flow Control OK"
                                                                : "Set Flow Control Failed!");

  int unanswered = 0;
  DWORD received = 0;
  DWORD written = 0;
  unsigned char first = 0;
  unsigned char payload[kPayloadSize] = {};
  for (;;) {
    if (stopRequested())
      channel_.connected = 0;
    if (channel_.connected != 1) {
      FT_Close(handle);
      return;
    }
    FT_SetTimeouts(handle, kReadTimeoutMs, 0);
    received = 0;
    // A failed read (the adapter was unplugged) is a turn without a byte.
    if (FT_Read(handle, &first, 1, &received) != FT_OK)
      received = 0;

    if (received == 1) {
      if (first == kFrameStart) {
        received = 0;
        const bool complete =
            FT_Read(handle, payload, kPayloadSize, &received) == FT_OK && received == kPayloadSize;
        // A frame whose payload did not all arrive is not shown: mixing it
        // with digits of the frame before would be a reading nobody sent.
        if (complete) {
          channel_.overload = 0;
          channel_.sign = 0;
          channel_.unit = 1;
          channel_.point_code = 0;
          channel_.digits[0] = 0;
          for (int k = 0; k < kPayloadSize; ++k) {
            channel_.digits[k + 1] = decodeDigit(payload[k] & 0x7F);
          }
        }
      }
      unanswered = 0;
      continue;
    }

    bool serviced = false;
    if (channel_.zero_request == 1) {
      FT_Write(handle, zeroCommand, 6, &written);
      channel_.zero_request = 0;
      serviced = true;
    }
    if (channel_.gross_request == 1) {
      channel_.gross_request = 0;
      serviced = true;
    }
    if (channel_.tare_request == 1) {
      channel_.tare_request = 0;
      serviced = true;
    }
    if (serviced)
      continue;

    FT_Write(handle, pollCommand, 6, &written);
    if (++unanswered >= kDropAfterPolls) {
      channel_.connected = 0;
      for (SharedInt &digit : channel_.digits)
        digit = 0;
      channel_.overload = 0;
      channel_.point_code = 1;
      FT_Close(handle);
      return;
    }
  }
}

#include "scalelink/readerloop.h"

#include <QDebug>
#include <algorithm>
#include <cstring>
#include <iterator>

const ReaderIdentity kReaderIdentities[kScaleCount] = {
    {0, "Serial 1 Connected!!\n", "Serial 1 Connection failed!!\n"},
    {1, "Serial 2 Connected!!\n", "Serial 2 Connection failed!!\n"},
    {2, "Serial 3 Connected!!\n", "Serial 3 Connection failed!!\n"},
};

namespace {
char pollCommand[] = "%RDIS;";
char zeroCommand[] = "%ETAR;";
// The commands go out without their terminating NUL.
template <size_t N>
constexpr DWORD commandLength(const char (&)[N]) {
  return N - 1;
}
constexpr unsigned char kFrameStart = '+';

void sendCommand(FT_HANDLE handle, char *command, DWORD length) {
  DWORD written = 0;
  FT_Write(handle, command, length, &written);
}
}  // namespace

ReaderLoop::ReaderLoop(ScaleChannel &channel, const ReaderIdentity &identity,
                       std::function<bool()> stopRequested)
    : channel_(channel), identity_(identity), stopRequested_(std::move(stopRequested)) {}

int ReaderLoop::decodeDigit(unsigned char byte) {
  return byte >= '0' && byte <= '9' ? byte - '0' : 0;
}

void ReaderLoop::run() {
  if (!openAndConfigure())
    return;
  unanswered_ = 0;
  while (turn()) {
  }
}

bool ReaderLoop::openAndConfigure() {
  if (FT_Open(identity_.deviceIndex, &handle_) != FT_OK) {
    qDebug("%s", identity_.connectionFailedMessage);
    channel_.connected = 0;
    return false;
  }
  qDebug("%s", identity_.connectedMessage);
  channel_.connected = 1;

  qDebug(FT_SetBaudRate(handle_, 9600) == FT_OK ? "Set Baud Rate OK" : "Set Baud Rate Failed!");
  qDebug(FT_SetDataCharacteristics(handle_, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE) == FT_OK
             ? "Set Serial Data Characteristics OK"
             : "Set Serial Data Characteristics Failed!");
  qDebug(FT_SetFlowControl(handle_, FT_FLOW_NONE, 0, 0) == FT_OK ? "Set Flow Control OK"
                                                                 : "Set Flow Control Failed!");
  return true;
}

bool ReaderLoop::turn() {
  if (!stillConnected())
    return false;
  unsigned char byte = 0;
  if (readByte(byte)) {
    if (byte == kFrameStart)
      takeFrame();
    // Any byte, a frame or not, is an answer.
    unanswered_ = 0;
    return true;
  }
  if (serviceQuietTurnRequests())
    return true;
  return pollAndCount();
}

// The stop rule: a `connected` found not 1 at the start of a turn closes
// the adapter and ends the loop.
bool ReaderLoop::stillConnected() {
  if (stopRequested())
    channel_.connected = 0;
  if (channel_.connected == 1)
    return true;
  FT_Close(handle_);
  return false;
}

// Waits up to the read timeout for one byte. A failed read (the adapter was
// unplugged) is a turn without a byte.
bool ReaderLoop::readByte(unsigned char &byte) {
  FT_SetTimeouts(handle_, kReadTimeoutMs, 0);
  DWORD received = 0;
  if (FT_Read(handle_, &byte, 1, &received) != FT_OK)
    return false;
  return received == 1;
}

void ReaderLoop::takeFrame() {
  // A frame whose payload did not all arrive is not shown: mixing it with
  // digits of the frame before would be a reading nobody sent.
  if (!readPayload())
    return;
  channel_.overload = 0;
  channel_.sign = 0;
  channel_.unit = 1;
  channel_.point_code = 0;
  channel_.digits[0] = 0;
  for (int k = 0; k < kPayloadSize; ++k)
    channel_.digits[k + 1] = decodeDigit(payload_[k] & 0x7F);
}

// Reads the six payload bytes after a frame start. A "+" among them starts
// the frame again: the bytes before it were not a payload, and the bytes
// after it are the new frame's first ones. False when a payload did not all
// arrive within the read timeout, or when the loop is to stop.
bool ReaderLoop::readPayload() {
  DWORD have = 0;
  for (;;) {
    DWORD received = 0;
    if (FT_Read(handle_, payload_ + have, kPayloadSize - have, &received) != FT_OK)
      return false;
    have += received;
    if (have < kPayloadSize)
      return false;
    const unsigned char *restart = std::find(std::make_reverse_iterator(payload_ + kPayloadSize),
                                             std::make_reverse_iterator(payload_), kFrameStart)
                                       .base();
    if (restart == payload_)
      return true;  // no "+" in the payload
    have = static_cast<DWORD>(payload_ + kPayloadSize - restart);
    std::memmove(payload_, restart, have);
    // A line of nothing but "+" keeps restarting: the stop rule still holds.
    if (stopRequested() || channel_.connected != 1)
      return false;
  }
}

// A quiet turn services the pending requests, zero first; a turn that
// found one sends no poll.
bool ReaderLoop::serviceQuietTurnRequests() {
  bool serviced = false;
  if (channel_.zero_request == 1) {
    sendCommand(handle_, zeroCommand, commandLength(zeroCommand));
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
  return serviced;
}

// Polls the indicator; the fifth poll in a row without an answer drops the
// link at once, without waiting for its answer.
bool ReaderLoop::pollAndCount() {
  sendCommand(handle_, pollCommand, commandLength(pollCommand));
  if (++unanswered_ < kDropAfterPolls)
    return true;
  dropLink();
  return false;
}

void ReaderLoop::dropLink() {
  channel_.connected = 0;
  for (SharedInt &digit : channel_.digits)
    digit = 0;
  channel_.overload = 0;
  channel_.point_code = 1;
  FT_Close(handle_);
}

// One scale's reader: opens the channel's adapter, polls the indicator with
// "%RDIS;", decodes each display frame into the channel, sends a pending
// zero command in a quiet turn, and drops the link after the fifth poll in a
// row without an answer. It runs on a reader thread and only touches its own
// channel and adapter.
#pragma once

#include <functional>

#include "platform/ftd2xx.h"
#include "scalelink/scalechannel.h"

struct ReaderIdentity {
  int deviceIndex;
  const char *connectedMessage;
  const char *connectionFailedMessage;
};

extern const ReaderIdentity kReaderIdentities[kScaleCount];

class ReaderLoop {
 public:
  static constexpr unsigned kReadTimeoutMs = 200;
  static constexpr int kDropAfterPolls = 5;
  static constexpr int kPayloadSize = 6;

  // stopRequested, when given, ends the loop like a cleared `connected`
  // does, also while the adapter is still being opened.
  ReaderLoop(ScaleChannel &channel, const ReaderIdentity &identity,
             std::function<bool()> stopRequested = {});

  void run();

  // "0".."9" give 0..9; any other byte gives 0.
  static int decodeDigit(unsigned char byte);

 private:
  bool stopRequested() const { return stopRequested_ && stopRequested_(); }

  bool openAndConfigure();
  // One turn of the loop; false once the loop has ended.
  bool turn();
  bool stillConnected();
  bool readByte(unsigned char &byte);
  void takeFrame();
  bool readPayload();
  bool serviceQuietTurnRequests();
  bool pollAndCount();
  void dropLink();

  ScaleChannel &channel_;
  const ReaderIdentity &identity_;
  std::function<bool()> stopRequested_;
  FT_HANDLE handle_ = nullptr;
  int unanswered_ = 0;  // polls written since the last byte received
  unsigned char payload_[kPayloadSize] = {};
};

#include "scalelink/serialthread.h"

#include "scalelink/readerloop.h"

ScaleReaderThread::ScaleReaderThread(int channelIndex, QObject *parent)
    : QThread(parent), channelIndex_(channelIndex) {}

// Sends nothing to the indicator: a stray byte can upset its command parser.
// The object is only destroyed once run has returned; should that not be so,
// it is stopped and waited for rather than torn down under the thread.
ScaleReaderThread::~ScaleReaderThread() {
  if (isRunning()) {
    requestInterruption();
    wait();
  }
}

int ScaleReaderThread::decodeDigit(unsigned char byte) {
  return ReaderLoop::decodeDigit(byte);
}

ScaleReaderThread *ScaleReaderThread::create(int channelIndex, QObject *parent) {
  switch (channelIndex) {
    case 0:
      return new SerialThread(parent);
    case 1:
      return new SerialThread_2(parent);
    case 2:
      return new SerialThread_3(parent);
    default:
      return nullptr;
  }
}

void ScaleReaderThread::run() {
  ReaderLoop loop(scaleChannels[channelIndex_], kReaderIdentities[channelIndex_],
                  [this] { return isInterruptionRequested(); });
  loop.run();
}

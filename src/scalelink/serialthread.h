// The reader threads of scales 1, 2 and 3. One implementation serves all
// three; the three classes differ only in their channel.
#pragma once

#include <QThread>

class ScaleReaderThread : public QThread {
  Q_OBJECT
 public:
  ~ScaleReaderThread() override;
  int channelIndex() const { return channelIndex_; }
  static int decodeDigit(unsigned char byte);

  // A new reader object of the channel's class (0, 1, 2 for scales 1, 2, 3).
  static ScaleReaderThread *create(int channelIndex, QObject *parent);

 protected:
  ScaleReaderThread(int channelIndex, QObject *parent);
  void run() override;

 private:
  const int channelIndex_;
};

class SerialThread : public ScaleReaderThread {
  Q_OBJECT
 public:
  explicit SerialThread(QObject *parent = nullptr) : ScaleReaderThread(0, parent) {}
};

class SerialThread_2 : public ScaleReaderThread {
  Q_OBJECT
 public:
  explicit SerialThread_2(QObject *parent = nullptr) : ScaleReaderThread(1, parent) {}
};

class SerialThread_3 : public ScaleReaderThread {
  Q_OBJECT
 public:
  explicit SerialThread_3(QObject *parent = nullptr) : ScaleReaderThread(2, parent) {}
};

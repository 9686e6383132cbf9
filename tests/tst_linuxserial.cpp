// The adapter layer on real pseudo-terminals, against the project's
// indicator simulator: reads, timeouts, locking, hang-ups and reconnects.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include "channelreset.h"
#include "platform/ftd2xx.h"
#include "platform/linuxserialbackend.h"
#include "scalelink/scalechannel.h"
#include "scalelink/serialthread.h"
#include "simulator.h"

namespace {
QString shownReading(const ScaleChannel &channel) {
  QString text;
  for (const SharedInt &digit : channel.digits)
    text += QString::number(digit.load());
  return text;
}

double processCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
}  // namespace

class LinuxSerialTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() { resetAllChannels(); }
  void cleanup() { LinuxSerialBackend::listAdapters(std::nullopt); }

  void deviceListFromTheEnvironment() {
    LinuxSerialBackend::listAdapters(
        QString::fromLocal8Bit(" /dev/a ,,/dev/b, /dev/serial/by-id/x "));
    QCOMPARE(LinuxSerialBackend::devicePaths(),
             (QStringList{"/dev/a", "/dev/b", "/dev/serial/by-id/x"}));
    DWORD count = 0;
    QCOMPARE(FT_CreateDeviceInfoList(&count), FT_STATUS(FT_OK));
    QCOMPARE(count, DWORD(3));
    FT_HANDLE handle = nullptr;
    QCOMPARE(FT_Open(0, &handle), FT_STATUS(FT_DEVICE_NOT_FOUND));
    QCOMPARE(FT_Open(3, &handle), FT_STATUS(FT_DEVICE_NOT_FOUND));
    QCOMPARE(LinuxSerialBackend::portNumberOf("ttyUSB3"), LONG(3));
    QCOMPARE(LinuxSerialBackend::portNumberOf("pts/12"), LONG(12));
    QCOMPARE(LinuxSerialBackend::portNumberOf("ttyS"), LONG(-1));
  }

  // An indicator that never reads fills the line; a write with the timeout
  // 0 then gives up after the bounded default instead of waiting for ever.
  void aWriteThatCannotGoOutIsBounded() {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    LinuxSerialBackend::listAdapters(QString::fromLocal8Bit(::ptsname(master)));
    FT_HANDLE handle = nullptr;
    QCOMPARE(FT_Open(0, &handle), FT_STATUS(FT_OK));
    FT_SetTimeouts(handle, 200, 0);
    QByteArray chunk(4096, 'x');
    DWORD written = chunk.size();
    QElapsedTimer clock;
    qint64 lastCallMs = 0;
    for (int i = 0; i < 1000 && written == DWORD(chunk.size()); ++i) {
      clock.start();
      FT_Write(handle, chunk.data(), chunk.size(), &written);
      lastCallMs = clock.elapsed();
    }
    QVERIFY(written < DWORD(chunk.size()));
    QVERIFY2(lastCallMs >= 900 && lastCallMs < 2000, qPrintable(QString::number(lastCallMs)));
    FT_Close(handle);
    ::close(master);
  }

  void readWriteTimeoutAndLocking() {
    Simulator sim;
    QVERIFY(sim.start({"fault=silent", "weight=4321"}));
    LinuxSerialBackend::listAdapters(sim.adapters());

    FT_HANDLE handle = nullptr;
    QCOMPARE(FT_Open(0, &handle), FT_STATUS(FT_OK));
    const QString device = QFileInfo(sim.paths()[0]).canonicalFilePath();
    LONG port = -2;
    FT_GetComPortNumber(handle, &port);
    QCOMPARE(FT_PortLabel(handle, port), device.mid(5));
    QVERIFY(device.startsWith("/dev/pts/"));
    QCOMPARE(port, LONG(device.mid(9).toInt()));

    // A second open of the same device fails, by any name.
    FT_HANDLE second = nullptr;
    QCOMPARE(FT_Open(0, &second), FT_STATUS(FT_DEVICE_NOT_OPENED));
    LinuxSerialBackend::listAdapters(device);
    QCOMPARE(FT_Open(0, &second), FT_STATUS(FT_DEVICE_NOT_OPENED));

    QCOMPARE(FT_SetBaudRate(handle, 9600), FT_STATUS(FT_OK));
    QCOMPARE(FT_SetDataCharacteristics(handle, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE),
             FT_STATUS(FT_OK));
    QCOMPARE(FT_SetFlowControl(handle, FT_FLOW_NONE, 0, 0), FT_STATUS(FT_OK));
    QCOMPARE(FT_SetBaudRate(handle, 12345), FT_STATUS(FT_INVALID_BAUD_RATE));
    QCOMPARE(FT_SetTimeouts(handle, 200, 0), FT_STATUS(FT_OK));
    char poll[] = "%RDIS;";
    DWORD count = 0;
    QCOMPARE(FT_Write(handle, poll, 6, &count), FT_STATUS(FT_OK));
    QCOMPARE(count, DWORD(6));
    unsigned char byte = 0;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(FT_Read(handle, &byte, 1, &count), FT_STATUS(FT_OK));
    QVERIFY2(count == 0, qPrintable(QString::number(byte)));
    QVERIFY(clock.elapsed() >= 190 && clock.elapsed() < 1000);
    QCOMPARE(FT_Close(handle), FT_STATUS(FT_OK));

    // Closed, the device can be opened again.
    QCOMPARE(FT_Open(0, &second), FT_STATUS(FT_OK));
    FT_Close(second);
  }

  void readerReadsZeroesAndStops() {
    Simulator sim;
    QVERIFY(sim.start({"weight=4321"}));
    LinuxSerialBackend::listAdapters(sim.adapters());
    ScaleChannel &channel = scaleChannels[0];
    SerialThread reader;
    reader.start();
    QTRY_COMPARE_WITH_TIMEOUT(shownReading(channel), QString("0004321"), 3000);
    QCOMPARE(int(channel.connected), 1);
    channel.zero_request = 1;
    QTRY_VERIFY_WITH_TIMEOUT(sim.events().contains("scale 1 zeroed at 4321"), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(shownReading(channel), QString("0000000"), 3000);
    QCOMPARE(int(channel.zero_request), 0);
    QElapsedTimer clock;
    clock.start();
    channel.connected = 0;
    QVERIFY(reader.wait(2000));
    // One read timeout and a reply, with room for a loaded machine.
    QVERIFY(clock.elapsed() < 1000);
  }

  void hangUpDropsTheLinkQuietlyAndReconnectWorks() {
    Simulator sim;
    QVERIFY(sim.start({"weight=777,hangup-after=800,return-after=300"}));
    LinuxSerialBackend::listAdapters(sim.adapters());
    ScaleChannel &channel = scaleChannels[0];
    {
      SerialThread reader;
      reader.start();
      QTRY_COMPARE_WITH_TIMEOUT(int(channel.connected), 1, 3000);
      QTRY_VERIFY_WITH_TIMEOUT(sim.events().contains("hung up"), 3000);
      const double cpuBefore = processCpuSeconds();
      QElapsedTimer clock;
      clock.start();
      QVERIFY(reader.wait(3000));
      QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
      QVERIFY(processCpuSeconds() - cpuBefore < 0.5);
      QCOMPARE(int(channel.connected), 0);
      QCOMPARE(shownReading(channel), QString("0000000"));
      QCOMPARE(int(channel.point_code), 1);
    }
    QTRY_VERIFY_WITH_TIMEOUT(sim.events().contains("back on"), 3000);
    SerialThread again;
    again.start();
    QTRY_COMPARE_WITH_TIMEOUT(shownReading(channel), QString("0000777"), 3000);
    channel.connected = 0;
    QVERIFY(again.wait(2000));
  }

  void threeIndicatorsAtOnce() {
    Simulator sim;
    QVERIFY(sim.start({"weight=111", "weight=222", "weight=333"}));
    LinuxSerialBackend::listAdapters(sim.adapters());
    SerialThread first;
    SerialThread_2 second;
    SerialThread_3 third;
    for (QThread *reader : std::initializer_list<QThread *>{&first, &second, &third})
      reader->start();
    QTRY_COMPARE_WITH_TIMEOUT(shownReading(scaleChannels[0]), QString("0000111"), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(shownReading(scaleChannels[1]), QString("0000222"), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(shownReading(scaleChannels[2]), QString("0000333"), 3000);
    for (ScaleChannel &channel : scaleChannels)
      channel.connected = 0;
    for (QThread *reader : std::initializer_list<QThread *>{&first, &second, &third})
      QVERIFY(reader->wait(2000));
  }
};

QTEST_GUILESS_MAIN(LinuxSerialTest)
#include "tst_linuxserial.moc"

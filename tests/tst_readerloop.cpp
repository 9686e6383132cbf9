// The reader against an in-memory adapter on a virtual clock: frame
// decoding, polling pace, the drop, requests and stops.
#include <QTest>

#include "channelreset.h"
#include "fakeadapter.h"
#include "scalelink/readerloop.h"
#include "scalelink/scalechannel.h"
#include "scalelink/serialthread.h"

using Digits7 = std::array<int, 7>;
Q_DECLARE_METATYPE(Digits7)

namespace {
Digits7 digitsOf(const ScaleChannel &channel) {
  Digits7 d{};
  for (int k = 0; k < 7; ++k)
    d[k] = channel.digits[k];
  return d;
}

QList<qint64> timesOf(const QList<FakeAdapter::Write> &writes, const QByteArray &bytes) {
  QList<qint64> times;
  for (const auto &w : writes) {
    if (w.bytes == bytes)
      times << w.atMs;
  }
  return times;
}

const Digits7 kMarker{0, 9, 9, 9, 9, 9, 9};
}  // namespace

class ReaderLoopTest : public QObject {
  Q_OBJECT
 private:
  ScaleChannel &channel = scaleChannels[0];

  void runReader(FakeAdapter &adapter, qint64 stopAtMs) {
    if (stopAtMs >= 0)
      adapter.at(stopAtMs, [this] { channel.connected = 0; });
    ReaderLoop loop(channel, kReaderIdentities[0]);
    loop.run();
  }

  void markChannel() {
    for (int k = 0; k < 7; ++k)
      channel.digits[k] = kMarker[k];
    channel.point_code = 1;
    channel.unit = 9;
  }

 private Q_SLOTS:
  void init() { resetAllChannels(); }

  void replyWithLineEndAndPollingPace() {
    FakeAdapterBackend backend(1);
    FakeAdapter &adapter = backend.adapter(0);
    adapter.replyToPolls("+001234\r\n");
    runReader(adapter, 1000);

    QCOMPARE(digitsOf(channel), (Digits7{0, 0, 0, 1, 2, 3, 4}));
    QCOMPARE(int(channel.point_code), 0);
    QCOMPARE(int(channel.unit), 1);
    QCOMPARE(int(channel.sign), 0);
    QCOMPARE(int(channel.overload), 0);
    // The first poll after one quiet read; each next one 200 ms after the
    // reply's line feed (sent 2 ms after the poll, nine bytes at 1 ms).
    QCOMPARE(timesOf(adapter.writes(), "%RDIS;").mid(0, 4), (QList<qint64>{200, 410, 620, 830}));
    QCOMPARE(adapter.calls().mid(0, 4),
             (QStringList{"open", "baud 9600", "data 8 0 0", "flow 0 0 0"}));
    QCOMPARE(adapter.calls().last(), QString("close"));
    QVERIFY(!adapter.isOpen());
    // A stop leaves the last reading in place.
    QCOMPARE(int(channel.connected), 0);
    QCOMPARE(digitsOf(channel), (Digits7{0, 0, 0, 1, 2, 3, 4}));
  }

  void decoding_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Digits7>("expected");
    QTest::newRow("spaces and points are 0")
        << QByteArray("+12 3.4\r\n") << Digits7{0, 1, 2, 0, 3, 0, 4};
    QTest::newRow("bit 7 on a payload byte") << QByteArray(
                                                    "+00\xB1"
                                                    "234\r\n")
                                             << Digits7{0, 0, 0, 1, 2, 3, 4};
    QTest::newRow("letters are 0") << QByteArray("+A1B2C3\r\n") << Digits7{0, 0, 1, 0, 2, 0, 3};
    QTest::newRow("start byte with bit 7 is no frame") << QByteArray(
                                                              "\xAB"
                                                              "001234\r\n")
                                                       << kMarker;
    QTest::newRow("minus sign is never decoded") << QByteArray("-000005\r\n") << kMarker;
    QTest::newRow("noise before the frame")
        << QByteArray("\x00\xFFzz+654321\r\n", 13) << Digits7{0, 6, 5, 4, 3, 2, 1};
    QTest::newRow("stray start byte before the frame")
        << QByteArray("++001234\r\n") << Digits7{0, 0, 0, 1, 2, 3, 4};
    QTest::newRow("noise ending in a start byte")
        << QByteArray("\x07\x78\x2B+004321\r\n") << Digits7{0, 0, 0, 4, 3, 2, 1};
    QTest::newRow("start byte inside a payload restarts the frame")
        << QByteArray("+12+345678\r\n") << Digits7{0, 3, 4, 5, 6, 7, 8};
    QTest::newRow("nothing but start bytes") << QByteArray(40, '+') << kMarker;
  }
  void decoding() {
    QFETCH(QByteArray, reply);
    QFETCH(Digits7, expected);
    FakeAdapterBackend backend(1);
    FakeAdapter &adapter = backend.adapter(0);
    adapter.replyToPolls(reply);
    markChannel();
    bool connectedBeforeStop = false;
    adapter.at(1900, [&] { connectedBeforeStop = channel.connected == 1; });
    runReader(adapter, 2000);
    QCOMPARE(digitsOf(channel), expected);
    // Any byte is an answer: the link stays up.
    QVERIFY(connectedBeforeStop);
    QCOMPARE(int(channel.point_code), expected == kMarker ? 1 : 0);
  }

  void shortPayloadKeepsTheLastCompleteFrame() {
    FakeAdapterBackend backend(1);
    FakeAdapter &adapter = backend.adapter(0);
    adapter.sendAt(100, "+001234\r\n");
    adapter.sendAt(500, "+99");
    adapter.sendAt(750, "8877\r\n");  // late: read and dropped as ordinary bytes
    Digits7 afterShort{};
    adapter.at(740, [&] { afterShort = digitsOf(channel); });
    runReader(adapter, 1000);
    QCOMPARE(afterShort, (Digits7{0, 0, 0, 1, 2, 3, 4}));
    QCOMPARE(digitsOf(channel), (Digits7{0, 0, 0, 1, 2, 3, 4}));
    // The short frame and the late bytes were answers: after the poll of the
    // quiet gap (308), none until 200 ms after the last late byte.
    QCOMPARE(timesOf(adapter.writes(), "%RDIS;").mid(0, 2), (QList<qint64>{308, 955}));
  }

  void silentIndicatorDropsAtTheFifthPoll() {
    FakeAdapterBackend backend(1);
    FakeAdapter &adapter = backend.adapter(0);
    markChannel();
    channel.sign = 1;
    channel.unit = 1;
    channel.overload = 1;
    runReader(adapter, -1);
    QCOMPARE(timesOf(adapter.writes(), "%RDIS;"), (QList<qint64>{200, 400, 600, 800, 1000}));
    QCOMPARE(adapter.writes().size(), 5);
    QCOMPARE(int(channel.connected), 0);
    QCOMPARE(digitsOf(channel), (Digits7{0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(int(channel.point_code), 1);
    QCOMPARE(int(channel.overload), 0);
    QCOMPARE(int(channel.sign), 1);
    QCOMPARE(int(channel.unit), 1);
    QVERIFY(!adapter.isOpen());
  }

  void unpluggedAdapterDropsWithoutStaleBytes() {
    FakeAdapterBackend backend(1);
    FakeAdapter &adapter = backend.adapter(0);
    adapter.replyToPolls("+000042\r\n");
    adapter.unplugAt(700);
    runReader(adapter, -1);
    QCOMPARE(int(channel.connected), 0);
    QCOMPARE(digitsOf(channel), (Digits7{0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(adapter.calls().count("write failed"), 5);
    QVERIFY(adapter.nowMs() < 1000);
    QVERIFY(!adapter.isOpen());
  }

  void requestsWaitForAQuietTurn() {
    FakeAdapterBackend backend(1);
    FakeAdapter &adapter = backend.adapter(0);
    QByteArray stream;
    while (stream.size() < 1000)
      stream += "+000001\r\n";
    adapter.sendAt(0, stream);
    const qint64 lastByte = stream.size() - 1;
    adapter.at(100, [this] {
      channel.zero_request = 1;
      channel.gross_request = 1;
      channel.tare_request = 1;
    });
    runReader(adapter, lastByte + 500);
    const QList<FakeAdapter::Write> writes = adapter.writes();
    QVERIFY(writes.size() >= 2);
    QCOMPARE(writes[0].bytes, QByteArray("%ETAR;"));
    QCOMPARE(writes[0].atMs, lastByte + 200);
    QCOMPARE(writes[1].bytes, QByteArray("%RDIS;"));
    QCOMPARE(writes[1].atMs, lastByte + 400);
    QCOMPARE(int(channel.zero_request), 0);
    QCOMPARE(int(channel.gross_request), 0);
    QCOMPARE(int(channel.tare_request), 0);
  }

  void pendingZeroGoesOutInTheFirstQuietTurn() {
    FakeAdapterBackend backend(1);
    FakeAdapter &adapter = backend.adapter(0);
    channel.zero_request = 1;
    runReader(adapter, 450);
    const QList<FakeAdapter::Write> writes = adapter.writes();
    QCOMPARE(writes.size(), 3);
    QCOMPARE(writes[0].bytes, QByteArray("%ETAR;"));
    QCOMPARE(writes[0].atMs, qint64(200));
    QCOMPARE(writes[1].bytes, QByteArray("%RDIS;"));
    QCOMPARE(int(channel.zero_request), 0);
  }

  void openFailureEndsTheReader() {
    FakeAdapterBackend backend(1);
    backend.adapter(0).openFails = true;
    channel.connected = 1;
    runReader(backend.adapter(0), -1);
    QCOMPARE(int(channel.connected), 0);
    QCOMPARE(backend.adapter(0).calls(), QStringList{"open"});
  }

  void stopRequestEndsAReaderThatIsStillOpening() {
    FakeAdapterBackend backend(1);
    ReaderLoop loop(channel, kReaderIdentities[0], [] { return true; });
    loop.run();
    QCOMPARE(int(channel.connected), 0);
    QVERIFY(!backend.adapter(0).isOpen());
    QVERIFY(backend.adapter(0).writes().isEmpty());
  }

  void threadClassesShareOneReader() {
    FakeAdapterBackend backend(3);
    const char *names[] = {"SerialThread", "SerialThread_2", "SerialThread_3"};
    for (int n = 0; n < 3; ++n) {
      QScopedPointer<ScaleReaderThread> reader(ScaleReaderThread::create(n, nullptr));
      QCOMPARE(QByteArray(reader->metaObject()->className()), QByteArray(names[n]));
      QCOMPARE(reader->channelIndex(), n);
      reader->start();
      QVERIFY(reader->wait(5000));
      // Each class opens the adapter of its own index.
      QCOMPARE(backend.adapter(n).opens(), 1);
      QCOMPARE(int(scaleChannels[n].connected), 0);
    }
  }

  void destroyingAReaderSendsNothing() {
    FakeAdapterBackend backend(1);
    scaleChannels[0].net_mode = 1;
    {
      SerialThread reader;
      reader.start();
      QVERIFY(reader.wait(5000));
    }
    const int writesAfterRun = backend.adapter(0).writes().size();
    QCOMPARE(writesAfterRun, 5);  // the five polls of the run, nothing more
    QCOMPARE(backend.adapter(0).opens(), 1);
  }

  void decodeDigit() {
    for (int byte = 0; byte < 256; ++byte) {
      const int expected = byte >= '0' && byte <= '9' ? byte - '0' : 0;
      QCOMPARE(ScaleReaderThread::decodeDigit(static_cast<unsigned char>(byte)), expected);
    }
  }
};

QTEST_GUILESS_MAIN(ReaderLoopTest)
#include "tst_readerloop.moc"

// The Connect keys: the adapter look-up, its dialogs and debug texts, and
// the reader each press starts.
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "channelreset.h"
#include "fakeadapter.h"
#include "modalanswerer.h"
#include "scalelink/scalechannel.h"

class ConnectTest : public QObject {
  Q_OBJECT
 private:
  static void press(MainWindow &window, int n) {
    if (n == 0)
      window.processCOM_serial();
    if (n == 1)
      window.processCOM_serial_2();
    if (n == 2)
      window.processCOM_serial_3();
  }
  static QLabel *portLabel(MainWindow &window, int n) {
    return window.formRecord()->scales[n].portName;
  }
  static void waitForReaders() {
    for (const ScaleChannel &channel : scaleChannels) {
      QTRY_VERIFY_WITH_TIMEOUT(channel.reader == nullptr, 5000);
    }
  }

 private Q_SLOTS:
  void init() { resetAllChannels(); }

  void noDeviceAttached_data() {
    QTest::addColumn<int>("channel");
    QTest::newRow("scale 1") << 0;
    QTest::newRow("scale 2") << 1;
    QTest::newRow("scale 3") << 2;
  }
  void noDeviceAttached() {
    QFETCH(int, channel);
    FakeAdapterBackend backend(0);
    MainWindow window;
    scaleChannels[channel].port_name = QStringLiteral("old");
    ModalAnswerer answerer;
    QTest::ignoreMessage(QtDebugMsg, "Number of devices is 0\n");
    QTest::ignoreMessage(QtDebugMsg, QByteArray("Serial ") + QByteArray::number(channel + 1) +
                                         " Connection failed!!\n");
    press(window, channel);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QString("WARNING"));
    QCOMPARE(answerer.seen[0].text, QString("No Serial Device Connected!!!"));
    QCOMPARE(answerer.seen[0].buttons, QStringList{"OK"});
    QCOMPARE(portLabel(window, channel)->text(), QString());
    waitForReaders();
    QCOMPARE(int(scaleChannels[channel].connected), 0);
  }

  void lookUpFailures_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("openFails");
    QTest::addColumn<QString>("debugText");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("scale 1 open fails") << 0 << true << "Get COM Port Failed!!\n"
                                        << "";
    QTest::newRow("scale 2 open fails") << 1 << true << "Get COM Port Failed!!\n"
                                        << "Serial 2 Device Error!!!";
    QTest::newRow("scale 3 open fails") << 2 << true << "Get COM Port Failed!!\n"
                                        << "Serial 3 Device Error!!!";
    QTest::newRow("scale 1 no port") << 0 << false << "Get COM Port Failed\n"
                                     << "Serial 1 Device Error!!!";
    QTest::newRow("scale 2 no port") << 1 << false << "Get COM Port Failed\n"
                                     << "";
    QTest::newRow("scale 3 no port") << 2 << false << "Get COM Port Failed\n"
                                     << "";
  }
  void lookUpFailures() {
    QFETCH(int, channel);
    QFETCH(bool, openFails);
    QFETCH(QString, debugText);
    QFETCH(QString, dialog);
    FakeAdapterBackend backend(3);
    FakeAdapter &adapter = backend.adapter(channel);
    adapter.openFails = openFails;
    adapter.portNumber = -1;
    adapter.replyToPolls("+000077\r\n");
    MainWindow window;
    scaleChannels[channel].port_name = QStringLiteral("kept");
    ModalAnswerer answerer;
    QTest::ignoreMessage(QtDebugMsg, "Number of devices is 3\n");
    QTest::ignoreMessage(QtDebugMsg, qPrintable(debugText));
    press(window, channel);
    QCOMPARE(answerer.seen.size(), dialog.isEmpty() ? 0 : 1);
    if (!dialog.isEmpty()) {
      QCOMPARE(answerer.seen[0].title, QString("WARNING"));
      QCOMPARE(answerer.seen[0].text, dialog);
    }
    QCOMPARE(portLabel(window, channel)->text(), QString("kept"));
    if (openFails) {
      waitForReaders();
      QCOMPARE(int(scaleChannels[channel].connected), 0);
    } else {
      // Without a port number the reader still connects.
      QTRY_COMPARE(int(scaleChannels[channel].connected), 1);
      QTRY_COMPARE(int(scaleChannels[channel].digits[6]), 7);
    }
  }

  void successfulConnect() {
    FakeAdapterBackend backend(3);
    backend.adapter(1).replyToPolls("+000321\r\n");
    backend.adapter(1).realTime = true;
    MainWindow window;
    scaleChannels[1].digits[3] = 5;
    ModalAnswerer answerer;
    QTest::ignoreMessage(QtDebugMsg, "Get COM Port Success!!\n");
    QTest::ignoreMessage(QtDebugMsg, "Serial 2 Connected!!\n");
    window.processCOM_serial_2();
    QCOMPARE(portLabel(window, 1)->text(), QString("ttyUSB1"));
    QVERIFY(answerer.seen.isEmpty());
    QVERIFY(scaleChannels[1].reader);
    QCOMPARE(QByteArray(scaleChannels[1].reader->metaObject()->className()),
             QByteArray("SerialThread_2"));
    QCOMPARE(scaleChannels[1].reader->parent(), &window);
    QTRY_COMPARE(int(scaleChannels[1].connected), 1);
    QTRY_COMPARE(int(scaleChannels[1].digits[4]), 3);

    // A press while connected does nothing at all.
    QThread *reader = scaleChannels[1].reader;
    const int opens = backend.adapter(1).opens();
    window.processCOM_serial_2();
    QCOMPARE(scaleChannels[1].reader, reader);
    QCOMPARE(backend.adapter(1).opens(), opens);
    QVERIFY(answerer.seen.isEmpty());
  }

  void pressWhileOpeningIsRefused() {
    FakeAdapterBackend backend(1);
    backend.adapter(0).openDelayMs = 300;
    backend.adapter(0).replyToPolls("+000001\r\n");
    backend.adapter(0).realTime = true;
    MainWindow window;
    window.processCOM_serial();  // the look-up's open, then the reader's (slow) open
    QThread *first = scaleChannels[0].reader;
    QVERIFY(first && first->isRunning());
    QCOMPARE(int(scaleChannels[0].connected), 0);
    window.processCOM_serial();
    QCOMPARE(scaleChannels[0].reader, first);
    QTRY_COMPARE(int(scaleChannels[0].connected), 1);
    QCOMPARE(backend.adapter(0).opens(), 2);
  }

  void endedReadersAreReleasedAndReconnectWorks() {
    FakeAdapterBackend backend(1);  // silent: the reader drops at once on the virtual clock
    MainWindow window;
    window.processCOM_serial();
    QPointer<QThread> first = scaleChannels[0].reader;
    QVERIFY(first);
    QTRY_VERIFY(first.isNull());
    QVERIFY(scaleChannels[0].reader == nullptr);
    backend.adapter(0).replyToPolls("+000555\r\n");
    backend.adapter(0).realTime = true;
    window.processCOM_serial();
    QTRY_COMPARE(int(scaleChannels[0].connected), 1);
    QTRY_COMPARE(int(scaleChannels[0].digits[6]), 5);
  }

  void closingWhileAReaderOpensStopsIt() {
    FakeAdapterBackend backend(1);
    backend.adapter(0).openDelayMs = 300;
    backend.adapter(0).replyToPolls("+000001\r\n");
    backend.adapter(0).realTime = true;
    auto *window = new MainWindow;
    window->processCOM_serial();
    QPointer<QThread> reader = scaleChannels[0].reader;
    QVERIFY(reader && reader->isRunning());
    delete window;
    QVERIFY(reader.isNull());
    QCOMPARE(int(scaleChannels[0].connected), 0);
    QVERIFY(!backend.adapter(0).isOpen());
  }
};

QTEST_MAIN(ConnectTest)
#include "tst_connect.moc"

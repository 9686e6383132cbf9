// The main window's life: start values, the refresh timer, a language
// change, and the ways it ends.
#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QTest>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "channelreset.h"
#include "fakeadapter.h"
#include "scalelink/scalechannel.h"

class MainWindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() { resetAllChannels(); }

  void startValues() {
    scaleChannels[1].zero_request = 1;
    scaleChannels[2].gross_request = 1;
    scaleChannels[0].tare_request = 1;
    MainWindow window;
    QCOMPARE(window.station().state().total_unit, 9);
    for (const ScaleChannel &channel : scaleChannels) {
      QCOMPARE(int(channel.unit), 9);
      QCOMPARE(int(channel.point_code), 1);
      QCOMPARE(int(channel.overload), 0);
      QCOMPARE(int(channel.connected), 0);
      QCOMPARE(int(channel.zero_request), 0);
      QCOMPARE(int(channel.gross_request), 0);
      QCOMPARE(channel.tare_weight, 0.0);
      QVERIFY(channel.reader == nullptr);
    }
    // The constructor leaves the tare request as it found it.
    QCOMPARE(int(scaleChannels[0].tare_request), 1);
  }

  void slotsInTheirOrder() {
    const QMetaObject *meta = &MainWindow::staticMetaObject;
    const QStringList expected = {"processLCD",
                                  "processCOM_serial",
                                  "processCOM_serial_2",
                                  "processCOM_serial_3",
                                  "recordNow",
                                  "getPath",
                                  "getPath_excel",
                                  "process_datalogcheckbox",
                                  "process_excellogcheckbox",
                                  "process_zero1",
                                  "process_zero2",
                                  "process_zero3",
                                  "process_gross1",
                                  "process_gross2",
                                  "process_gross3",
                                  "process_tare1",
                                  "process_tare2",
                                  "process_tare3"};
    QStringList found;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
      const QMetaMethod method = meta->method(i);
      QCOMPARE(method.methodType(), QMetaMethod::Slot);
      QCOMPARE(method.access(), QMetaMethod::Public);
      QCOMPARE(method.parameterCount(), 0);
      found << QString::fromLatin1(method.name());
    }
    QCOMPARE(found, expected);
  }

  void refreshTimer() {
    MainWindow window;
    QTimer *timer = window.refreshTimerObject();
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 30);
    QVERIFY(!timer->isSingleShot());
    QVERIFY(timer->isActive());
    QCOMPARE(timer->parent(), &window);
    // It keeps firing: several ticks rewrite the clock.
    auto *clock = window.findChild<QLabel *>("curtime");
    QCOMPARE(clock->text(), QString("TextLabel"));
    QTRY_VERIFY_WITH_TIMEOUT(clock->text() != QLatin1String("TextLabel"), 1000);
    clock->setText(QStringLiteral("x"));
    QTRY_VERIFY_WITH_TIMEOUT(clock->text() != QLatin1String("x"), 1000);
  }

  void firstTickShowsNotConnectedInRed() {
    MainWindow window;
    auto *status = window.findChild<QLabel *>("SERIAL_STATUS_2");
    QCOMPARE(status->text(), QString("Not Connected"));
    window.processLCD();
    QCOMPARE(status->text(), QString("<font color=\"red\">Not Connected</font>"));
  }

  void languageChangeReappliesCaptions() {
    MainWindow window;
    window.processLCD();
    auto *status = window.findChild<QLabel *>("SERIAL_STATUS");
    auto *count = window.findChild<QLabel *>("total_count");
    auto *over = window.findChild<QLineEdit *>("overlimit");
    auto *dot = window.findChild<QLabel *>("label_dot_grand_a");
    count->setText(QStringLiteral("7"));
    over->setText(QStringLiteral("55"));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&window, &change);
    QCOMPARE(status->text(), QString("Not Connected"));
    QCOMPARE(count->text(), QString("0"));
    QCOMPARE(over->text(), QString("10000"));
    QCOMPARE(dot->text(), QString("."));
    QCOMPARE(window.windowTitle(), QString("Korvel Weigh Station"));
    // Other change events leave the texts alone.
    count->setText(QStringLiteral("7"));
    QEvent other(QEvent::FontChange);
    QCoreApplication::sendEvent(&window, &other);
    QCOMPARE(count->text(), QString("7"));
  }

  void exitActionEndsTheEventLoop() {
    MainWindow window;
    window.show();
    QTimer::singleShot(50, &window,
                       [&window] { window.findChild<QAction *>("exitAct")->trigger(); });
    QElapsedTimer clock;
    clock.start();
    const int code = QCoreApplication::exec();
    QCOMPARE(code, 0);
    QVERIFY(!window.isVisible());
    QVERIFY(clock.elapsed() < 5000);
  }

  void closingStopsConnectedReadersInOrder() {
    FakeAdapterBackend backend(3);
    for (int i = 0; i < 3; ++i) {
      backend.adapter(i).replyToPolls("+000123\r\n");
      backend.adapter(i).realTime = true;
    }
    QElapsedTimer clock;
    {
      auto *window = new MainWindow;
      window->processCOM_serial();
      window->processCOM_serial_2();
      QTRY_VERIFY(scaleChannels[0].connected == 1 && scaleChannels[1].connected == 1);
      QPointer<QThread> first = scaleChannels[0].reader;
      clock.start();
      delete window;
      QVERIFY(first.isNull());
    }
    // Two connected scales: a 200 ms pause each.
    QVERIFY2(clock.elapsed() >= 400, qPrintable(QString::number(clock.elapsed())));
    for (int i = 0; i < 2; ++i) {
      QVERIFY(!backend.adapter(i).isOpen());
      QCOMPARE(int(scaleChannels[i].connected), 0);
      QVERIFY(scaleChannels[i].reader == nullptr);
    }
    QCOMPARE(backend.adapter(2).opens(), 0);
  }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"

// The record cycle tick by tick: settling, limits, lamps, the latch.
#include <QTest>

#include "logging/recordcycle.h"

namespace {
struct Run {
  RecordCycle cycle;
  QList<int> recordTicks;
  QList<int> overRedTicks;
  QList<int> underRedTicks;
  int tickNumber = 0;

  void ticks(int count, double total, int n, const QString &upper = "10000",
             const QString &lower = "0") {
    for (int i = 0; i < count; ++i) {
      ++tickNumber;
      const RecordCycle::Tick t = cycle.tick(total, n, upper, lower);
      if (t.recordTaken)
        recordTicks << tickNumber;
      if (t.overLimitRed)
        overRedTicks << tickNumber;
      if (t.underLimitRed)
        underRedTicks << tickNumber;
    }
  }
};
}  // namespace

class RecordCycleTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void recordOnTheTickAfterTheSettlingTime_data() {
    QTest::addColumn<int>("sensitivity");
    QTest::newRow("N=20") << 20;
    QTest::newRow("N=1") << 1;
    QTest::newRow("N=9999") << 9999;
  }
  void recordOnTheTickAfterTheSettlingTime() {
    QFETCH(int, sensitivity);
    Run run;
    run.ticks(5, 50.0, sensitivity);
    run.cycle.request();
    const int pressedAfter = run.tickNumber;
    run.ticks(sensitivity + 200, 50.0, sensitivity);
    QCOMPARE(run.recordTicks, QList<int>{pressedAfter + sensitivity + 1});
    QCOMPARE(run.cycle.record_count, 1);
    QCOMPARE(run.cycle.record_now_request, 0);
    QCOMPARE(run.cycle.record_latched, 1);
  }

  void limits_data() {
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<bool>("recorded");
    QTest::addColumn<bool>("overRed");
    QTest::addColumn<bool>("underRed");
    QTest::newRow("inside") << 50.0 << "100"
                            << "10" << true << false << false;
    QTest::newRow("equal to the upper limit") << 100.0 << "100"
                                              << "10" << true << false << false;
    QTest::newRow("equal to the lower limit") << 10.0 << "100"
                                              << "10" << true << false << false;
    QTest::newRow("above") << 150.0 << "100"
                           << "10" << false << true << false;
    QTest::newRow("below") << 5.0 << "100"
                           << "10" << false << false << true;
    QTest::newRow("reversed limits") << 150.0 << "100"
                                     << "200" << false << true << true;
    QTest::newRow("upper not a number") << 5.0 << "abc"
                                        << "0" << false << true << false;
    QTest::newRow("empty upper") << 0.0003 << ""
                                 << "" << false << true << false;
    QTest::newRow("decimal limits") << 12.5 << "12.5"
                                    << "12.25" << true << false << false;
  }
  void limits() {
    QFETCH(double, total);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(bool, recorded);
    QFETCH(bool, overRed);
    QFETCH(bool, underRed);
    Run run;
    run.cycle.request();
    run.ticks(3, total, 2, upper, lower);
    QCOMPARE(run.recordTicks.size(), recorded ? 1 : 0);
    QCOMPARE(run.overRedTicks, overRed ? QList<int>{3} : QList<int>{});
    QCOMPARE(run.underRedTicks, underRed ? QList<int>{3} : QList<int>{});
    QCOMPARE(run.cycle.record_now_request, recorded ? 0 : 1);
  }

  void brokenLimitIsCheckedAgainEveryNPlusOneTicks() {
    Run run;
    run.cycle.request();
    run.ticks(21, 150.0, 20, "100", "0");
    QCOMPARE(run.overRedTicks, QList<int>{21});
    run.ticks(21, 150.0, 20, "100", "0");
    QCOMPARE(run.overRedTicks, (QList<int>{21, 42}));
    run.ticks(20, 80.0, 20, "100", "0");
    QVERIFY(run.recordTicks.isEmpty());
    run.ticks(1, 80.0, 20, "100", "0");
    QCOMPARE(run.recordTicks, QList<int>{63});
  }

  void latchCostsOneTickWhileTheLoadStays() {
    Run run;
    run.cycle.request();
    run.ticks(21, 500.0, 20);
    QCOMPARE(run.recordTicks, QList<int>{21});
    run.ticks(10, 500.0, 20);
    run.cycle.request();  // the first load is still on
    const int pressed = run.tickNumber;
    run.ticks(30, 500.0, 20);
    QCOMPARE(run.recordTicks, (QList<int>{21, pressed + 22}));
  }

  void emptyStationClearsTheLatch() {
    Run run;
    run.cycle.request();
    run.ticks(21, 500.0, 20);
    run.ticks(1, 0.0003, 20);  // three scales at rest
    QCOMPARE(run.cycle.record_latched, 0);
    run.ticks(5, 700.0, 20);
    run.cycle.request();
    const int pressed = run.tickNumber;
    run.ticks(30, 700.0, 20);
    QCOMPARE(run.recordTicks, (QList<int>{21, pressed + 21}));
  }

  void latchHoldsAboveTheThreshold() {
    Run run;
    run.cycle.request();
    run.ticks(21, 500.0, 20);
    run.ticks(3, 0.001, 20);
    QCOMPARE(run.cycle.record_latched, 1);
  }

  void sensitivityLoweredWhilePending() {
    Run run;
    run.cycle.request();
    run.ticks(5, 50.0, 20);
    QVERIFY(run.recordTicks.isEmpty());
    run.ticks(1, 50.0, 1);
    QCOMPARE(run.recordTicks, QList<int>{6});
  }

  void pressingAgainWhilePendingChangesNothing() {
    Run run;
    run.cycle.request();
    run.ticks(10, 50.0, 20);
    run.cycle.request();
    run.ticks(11, 50.0, 20);
    QCOMPARE(run.recordTicks, QList<int>{21});
  }

  void idleTicksCountNothing() {
    Run run;
    run.ticks(100, 50.0, 20);
    QCOMPARE(run.cycle.record_tick_count, 0);
    QVERIFY(run.recordTicks.isEmpty());
  }
};

QTEST_APPLESS_MAIN(RecordCycleTest)
#include "tst_recordcycle.moc"

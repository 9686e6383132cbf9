// The station without a window: what a tick shows, and that a record is
// built from that one tick whatever the readers write after it.
#include <QTest>

#include "journal/shown.h"
#include "station/station.h"
#include "support/channelreset.h"

using Digits = std::array<int, 7>;
Q_DECLARE_METATYPE(Digits)

class StationTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { resetAllChannels(); }

  void aTickAndItsRecord_data() {
    QTest::addColumn<Digits>("digits");
    QTest::addColumn<int>("pointCode");
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("netGross");
    QTest::addColumn<QString>("totalLine");
    QTest::addColumn<QString>("signShown");
    QTest::addColumn<int>("litPoint");
    QTest::newRow("kilograms, one place") << Digits{0, 0, 1, 2, 3, 4, 5} << 3 << 0 << 0 << "GROSS"
                                          << "GROSS TOTAL, kg, 1234.5"
                                          << "+" << 2;
    QTest::newRow("pounds, negative, net") << Digits{0, 0, 0, 0, 1, 2, 0} << 0 << 1 << 1 << "NET"
                                           << "NET TOTAL, lbs, -120"
                                           << "-" << -1;
    QTest::newRow("two places") << Digits{0, 0, 0, 1, 0, 0, 5} << 2 << 0 << 0 << "GROSS"
                                << "GROSS TOTAL, kg, 10.05"
                                << "+" << 1;
  }
  void aTickAndItsRecord() {
    QFETCH(Digits, digits);
    QFETCH(int, pointCode);
    QFETCH(int, sign);
    QFETCH(int, unit);
    QFETCH(QString, netGross);
    QFETCH(QString, totalLine);
    QFETCH(QString, signShown);
    QFETCH(int, litPoint);
    setChannelReading(0, digits, pointCode, sign, unit);
    // The others not connected, at the same decimals and unit: the grand
    // total's decimals and unit follow all three.
    for (int n : {1, 2})
      setChannelReading(n, Digits{}, pointCode, 0, unit, 0);
    Station station;
    station.tick({netGross, QStringLiteral("GROSS"), QStringLiteral("GROSS")});
    QCOMPARE(station.scale(0).digits, digits);
    QCOMPARE(station.scale(0).sign, signShown);
    QCOMPARE(station.total().netGross, netGross);
    QCOMPARE(station.total().sign, signShown);
    QCOMPARE(station.scale(0).litPoint, litPoint);
    QVERIFY(station.state().total_weight >= 0);
    const RecordLines lines = station.recordLines();
    QCOMPARE(lines.total, totalLine);
    QVERIFY(lines.hasChannel[0]);
    QVERIFY(!lines.hasChannel[1]);

    // A frame after the tick (other digits, decimals and unit) reaches
    // neither the lines nor the journal record of this tick.
    setChannelReading(0, Digits{9, 9, 9, 9, 9, 9, 9}, 0, 0, 1 - unit);
    const RecordLines again = station.recordLines();
    QCOMPARE(again.total, lines.total);
    QCOMPARE(again.channels[0], lines.channels[0]);
    const JournalRecord record = station.journalRecord(lines, OperatorInputs());
    QCOMPARE(record.totalLine, totalLine);
    QCOMPARE(record.scales[0].pointCode, pointCode);
    QCOMPARE(record.scales[0].unit, unit);
    QCOMPARE(record.netGross, netGross);
    QCOMPARE(shown::total(record).text(), totalLine.section(QStringLiteral(", "), 2));
  }

  // The record cycle runs on the tick's total: a request is taken after the
  // settling ticks, and counted.
  void theCycleTakesARequestOnTheTicksTotal() {
    setChannelReading(0, Digits{0, 0, 0, 0, 5, 0, 0}, 0);
    Station station;
    station.recordCycle().request();
    bool taken = false;
    for (int n = 0; n < 5 && !taken; ++n) {
      station.tick({QStringLiteral("GROSS"), QStringLiteral("GROSS"), QStringLiteral("GROSS")});
      taken = station.cycle(2, QStringLiteral("100000"), QStringLiteral("0")).recordTaken;
    }
    QVERIFY(taken);
  }
};

QTEST_GUILESS_MAIN(StationTest)
#include "tst_station.moc"

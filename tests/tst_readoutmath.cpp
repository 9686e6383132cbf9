// The readout's arithmetic: a scale's weight, the grand total's layout and
// digit split, units and texts.
#include <QTest>

#include "readout/clock.h"
#include "readout/readoutmath.h"
#include "readoutrows.h"

using Digits7 = std::array<int, 7>;
using Digits8 = std::array<int, 8>;
Q_DECLARE_METATYPE(Digits7)
Q_DECLARE_METATYPE(Digits8)
Q_DECLARE_METATYPE(readout::TotalLayout)

using readout::TotalLayout;

class ReadoutMathTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void weight_data() {
    QTest::addColumn<Digits7>("digits");
    QTest::addColumn<int>("pointCode");
    QTest::addColumn<int>("sign");
    QTest::addColumn<double>("expected");
    for (const ReadingRow &row : readingRows())
      QTest::newRow(row.name) << row.digits << row.pointCode << row.sign << row.weight;
  }
  void weight() {
    QFETCH(Digits7, digits);
    QFETCH(int, pointCode);
    QFETCH(int, sign);
    QFETCH(double, expected);
    QVERIFY(qAbs(readout::scaleWeight(digits, pointCode, sign) - expected) < 1e-9);
  }

  void split_data() {
    QTest::addColumn<double>("total");
    QTest::addColumn<TotalLayout>("layout");
    QTest::addColumn<Digits8>("expected");
    QTest::newRow("nothing connected")
        << 0.0003 << TotalLayout::ThreePlaces << Digits8{0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("1234 integer") << 1234.0003 << TotalLayout::Integer
                                  << Digits8{0, 0, 0, 0, 1, 2, 3, 4};
    QTest::newRow("12.345 three places")
        << 12.3453 << TotalLayout::ThreePlaces << Digits8{0, 0, 0, 1, 2, 3, 4, 5};
    QTest::newRow("1234.56 two places")
        << 1234.5603 << TotalLayout::TwoPlaces << Digits8{0, 0, 1, 2, 3, 4, 5, 6};
    QTest::newRow("12345.6 one place")
        << 12345.6003 << TotalLayout::OnePlace << Digits8{0, 0, 1, 2, 3, 4, 5, 6};
    QTest::newRow("0.063 keeps its last place")
        << 0.0633 << TotalLayout::ThreePlaces << Digits8{0, 0, 0, 0, 0, 0, 6, 3};
    QTest::newRow("0.999 beside an integer scale")
        << 0.9993 << TotalLayout::Integer << Digits8{0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("three full scales")
        << 29999997.0003 << TotalLayout::Integer << Digits8{2, 9, 9, 9, 9, 9, 9, 7};
    QTest::newRow("minus 5 as magnitude")
        << 5.0003 << TotalLayout::Integer << Digits8{0, 0, 0, 0, 0, 0, 0, 5};
    QTest::newRow("2999.997 three places")
        << 2999.9973 << TotalLayout::ThreePlaces << Digits8{0, 2, 9, 9, 9, 9, 9, 7};
  }
  void split() {
    QFETCH(double, total);
    QFETCH(TotalLayout, layout);
    QFETCH(Digits8, expected);
    QCOMPARE(readout::splitTotal(total, layout), expected);
  }

  void withoutBiasTheLastPlaceIsLost() {
    // Why every weight carries the bias: 0.063 alone splits as 0.062.
    const Digits8 unbiased = readout::splitTotal(0.063, TotalLayout::ThreePlaces);
    QCOMPARE(unbiased[7], 2);
  }

  void layout_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<TotalLayout>("expected");
    QTest::addColumn<int>("litPoint");
    QTest::newRow("all at rest") << 1 << 1 << 1 << TotalLayout::ThreePlaces << 0;
    QTest::newRow("one integer wins") << 1 << 0 << 3 << TotalLayout::Integer << -1;
    QTest::newRow("one place before two") << 2 << 3 << 1 << TotalLayout::OnePlace << 2;
    QTest::newRow("two places") << 1 << 1 << 2 << TotalLayout::TwoPlaces << 1;
  }
  void layout() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(TotalLayout, expected);
    QFETCH(int, litPoint);
    QCOMPARE(readout::totalLayout({a, b, c}), expected);
    QCOMPARE(readout::litTotalPointLabel(expected), litPoint);
  }

  void units_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<QString>("text");
    QTest::newRow("kg wins") << 0 << 1 << 9 << "kg";
    QTest::newRow("lbs") << 1 << 9 << 9 << "lbs";
    QTest::newRow("nothing yet") << 9 << 9 << 9 << "??";
    QTest::newRow("unknown values") << 5 << 7 << 9 << "??";
  }
  void units() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(QString, text);
    QCOMPARE(readout::totalUnitText(readout::totalUnit({a, b, c})), text);
  }

  void scaleTexts() {
    QCOMPARE(readout::scaleUnitText(0), QString("kg"));
    QCOMPARE(readout::scaleUnitText(1), QString("lbs"));
    QCOMPARE(readout::scaleUnitText(9), QString("lbs"));
    QCOMPARE(readout::statusText(1), QString("<font color=\"green\">Connected</font>"));
    QCOMPARE(readout::statusText(2), QString("<font color=\"red\">Not Connected</font>"));
    QCOMPARE(readout::statusText(0), QString("<font color=\"red\">Not Connected</font>"));
    QCOMPARE(readout::overloadText(true), QString("<font color=\"red\">Overload</font>"));
    QCOMPARE(readout::overloadText(false), QString());
    QCOMPARE(readout::litPointLabel(0), -1);
    QCOMPARE(readout::litPointLabel(1), 0);
    QCOMPARE(readout::litPointLabel(3), 2);
  }

  void clockTexts_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QString>("dateText");
    QTest::newRow("afternoon") << QTime(13, 5, 9) << QDate(2016, 3, 7) << "1:05:09 pm"
                               << "03/07/2016";
    QTest::newRow("midnight") << QTime(0, 0, 0) << QDate(2026, 12, 31) << "12:00:00 am"
                              << "12/31/2026";
    QTest::newRow("noon") << QTime(12, 30, 59) << QDate(2001, 1, 1) << "12:30:59 pm"
                          << "01/01/2001";
  }
  void clockTexts() {
    QFETCH(QTime, time);
    QFETCH(QDate, date);
    QFETCH(QString, timeText);
    QFETCH(QString, dateText);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(readout::timeText(time), timeText);
    QCOMPARE(readout::dateText(date), dateText);
    QLocale::setDefault(QLocale::c());
  }
};

QTEST_APPLESS_MAIN(ReadoutMathTest)
#include "tst_readoutmath.moc"

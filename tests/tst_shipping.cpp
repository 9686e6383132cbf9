// The plain decisions of shipping, without a server: the backoff, when an
// outage is worth a warning, when a refused record is given up on.
#include <QTest>

#include "central/shippingstate.h"

class ShippingTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void shippingDecisions() {
    ShippingState state;
    QList<qint64> retries;
    for (int i = 0; i < 8; ++i)
      retries << state.unreachable(QStringLiteral("down"));
    QCOMPARE(retries, (QList<qint64>{1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000}));
    const qint64 now = 10 * 60 * 1000;
    QVERIFY(!state.warnNow(3, now - 4 * 60 * 1000, now));  // waited 4 minutes
    QVERIFY(state.warnNow(3, now - 6 * 60 * 1000, now));
    QVERIFY(!state.warnNow(3, now - 7 * 60 * 1000, now));  // once per outage
    state.shipped(0);
    QCOMPARE(state.unreachable(QStringLiteral("down")), qint64(1000));
    QVERIFY(state.warnNow(1, 0, now));  // the next outage
    QVERIFY(!state.refused(7) && !state.refused(7) && state.refused(7));
  }
};

QTEST_GUILESS_MAIN(ShippingTest)
#include "tst_shipping.moc"

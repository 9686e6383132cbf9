// The plain decisions of shipping, without a server: the holes in a central
// copy, the kinds of a server's failures.
#include <QSqlDatabase>
#include <QSqlError>
#include <QTest>
#include <algorithm>

#include "central/centralcopy.h"
#include "central/centraldb.h"
#include "failure/failure.h"

class ShippingTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  // A server's message of several lines is said in one.
  void aServersMessageIsOneLine() {
    const Failure failure = Failure::ofSql(
        "central records",
        QSqlError("",
                  "connection to server at \"db\" (10.0.0.5), port 5432 failed: Connection "
                  "refused\n\tIs the server running on that host and accepting TCP/IP "
                  "connections?\n",
                  QSqlError::ConnectionError, "08001"));
    QCOMPARE(failure.text(), QString("central records: connection to server at \"db\" (10.0.0.5), "
                                     "port 5432 failed: Connection refused; Is the server running "
                                     "on that host and accepting TCP/IP connections?"));
    QCOMPARE(failure.kind(), Failure::Kind::Unreachable);
  }

  // A record the central copy lacks below its last one is a hole (refused
  // there, or removed); those after its last are still on their way.
  void holesInTheCentralCopy_data() {
    QTest::addColumn<QList<qint64>>("local");
    QTest::addColumn<QList<qint64>>("central");
    QTest::addColumn<QStringList>("holes");
    const auto hole = [](qint64 seq) {
      return QStringLiteral("seq %1: not in the central copy (refused by it, or removed there)")
          .arg(seq);
    };
    QTest::newRow("whole") << QList<qint64>{1, 2, 3} << QList<qint64>{1, 2, 3} << QStringList();
    QTest::newRow("still on its way")
        << QList<qint64>{1, 2, 3, 4} << QList<qint64>{1, 2} << QStringList();
    QTest::newRow("one refused") << QList<qint64>{1, 2, 3, 4} << QList<qint64>{1, 3, 4}
                                 << QStringList{hole(2)};
    QTest::newRow("at most three") << QList<qint64>{1, 2, 3, 4, 5, 6, 7} << QList<qint64>{1, 7}
                                   << QStringList{hole(2), hole(3), hole(4)};
  }
  void holesInTheCentralCopy() {
    QFETCH(QList<qint64>, local);
    QFETCH(QList<qint64>, central);
    QFETCH(QStringList, holes);
    const QSet<qint64> centralSeqs(central.begin(), central.end());
    const qint64 last = central.isEmpty() ? 0 : *std::max_element(central.begin(), central.end());
    QCOMPARE(centralcopy::holesInTheCopy(local, centralSeqs, last, 3), holes);
  }

  // PostgreSQL's failures by the class of their SQLSTATE, whatever the
  // language of the server's messages.
  void failuresByTheirSqlState_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("kind");
    QTest::newRow("connection failure") << "08006" << int(Failure::Kind::Unreachable);
    QTest::newRow("cannot connect now") << "57P03" << int(Failure::Kind::Unreachable);
    QTest::newRow("disk full") << "53100" << int(Failure::Kind::Unreachable);
    QTest::newRow("statement timeout") << "57014" << int(Failure::Kind::Unreachable);
    QTest::newRow("lock not available") << "55P03" << int(Failure::Kind::Unreachable);
    QTest::newRow("deadlock") << "40P01" << int(Failure::Kind::Unreachable);
    QTest::newRow("serialization failure") << "40001" << int(Failure::Kind::Unreachable);
    QTest::newRow("system error") << "58030" << int(Failure::Kind::Unreachable);
    QTest::newRow("password refused") << "28P01" << int(Failure::Kind::Refused);
    QTest::newRow("duplicate key") << "23505" << int(Failure::Kind::Refused);
    QTest::newRow("no privilege") << "42501" << int(Failure::Kind::Refused);
    QTest::newRow("data corrupted") << "XX001" << int(Failure::Kind::Corrupt);
    QTest::newRow("none given") << "" << int(Failure::Kind::Io);
  }
  void failuresByTheirSqlState() {
    QFETCH(QString, state);
    QFETCH(int, kind);
    QCOMPARE(int(failures::ofSqlState(state, Failure::Kind::Io)), kind);
  }

  // A central URI is taken whole or refused whole: no connection is left
  // behind for a later open() to make with libpq's defaults.
  void centralUrisTakenWholeOrRefused_data() {
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("refusal");  // empty: taken
    QTest::addColumn<QString>("host");     // as taken
    QTest::newRow("plain") << "postgresql://station@db.site:5433/weighing"
                           << ""
                           << "db.site";
    QTest::newRow("TLS asked for") << "postgres://station@db.site/weighing?sslmode=verify-full"
                                   << ""
                                   << "db.site";
    QTest::newRow("a Unix socket, libpq's form")
        << "postgresql://station@%2Fvar%2Frun%2Fpostgresql:5433/weighing"
        << ""
        << "/var/run/postgresql";
    QTest::newRow("a ';' beside TLS")
        << "postgresql://station@db.site/weighing?sslmode=verify-full&application_name=a%3Bb"
        << "cannot be passed"
        << "";
    QTest::newRow("another scheme") << "http://db.example.invalid/weighing"
                                    << "is not a postgresql:// connection URI"
                                    << "";
    QTest::newRow("not a URI") << "db.site weighing"
                               << "is not a postgresql:// connection URI"
                               << "";
  }
  void centralUrisTakenWholeOrRefused() {
    QFETCH(QString, uri);
    QFETCH(QString, refusal);
    QFETCH(QString, host);
    Failure why;
    QCOMPARE(centraldb::checkUri(uri, &why), refusal.isEmpty());
    QVERIFY2(why.text().contains(refusal), qPrintable(why.text()));
    if (refusal.isEmpty()) {
      centraldb::ConnectionSettings settings;
      QVERIFY(centraldb::parseUri(uri, 5, &settings, &why));
      QCOMPARE(settings.host, host);
      QCOMPARE(settings.user, QString("station"));
      QCOMPARE(centraldb::shownUri(uri), uri);  // shown as written: no password to hide
      return;
    }
    Failure failure;
    const QSqlDatabase db = centraldb::connect(uri, QStringLiteral("refusal-test"), &failure);
    QVERIFY(!db.isValid());
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("refusal-test")));
    QCOMPARE(failure.kind(), Failure::Kind::Refused);
  }

  // A failure's text names its seq once.
  void aFailureNamesItsSeqOnce() {
    QCOMPARE(Failure(Failure::Kind::Corrupt, "its mac does not match", 4).text(),
             QString("seq 4: its mac does not match"));
    QCOMPARE(Failure(Failure::Kind::Corrupt, "seq 4: its mac does not match", 4).text(),
             QString("seq 4: its mac does not match"));
    QCOMPARE(Failure(Failure::Kind::Io, "disk full").within("cannot write x").text(),
             QString("cannot write x: disk full"));
  }
};

QTEST_GUILESS_MAIN(ShippingTest)
#include "tst_shipping.moc"

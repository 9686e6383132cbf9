// The one check of a chain, on the records and head a real writer left:
// what each change to them is found as, and where.
#include <QTest>
#include <functional>

#include "journal/chaincheck.h"
#include "support/journalcase.h"

namespace {

struct Chain {
  QList<JournalRecord> records;
  journalfiles::Head head;
  QString journalId;
};
using Change = std::function<void(Chain &)>;

}  // namespace

Q_DECLARE_METATYPE(Change)

class ChainCheckTest : public QObject, private JournalCase {
  Q_OBJECT

  Chain written_;
  signingkeys::SigningKeys keys_;

 private Q_SLOTS:
  void initTestCase() {
    startTheClockOnTheRecordsDay();
    write(1, 5);
    JournalReader reader(journalPath(), QStringLiteral("reader"));
    Failure failure;
    QVERIFY(reader.open(&failure));
    written_.journalId = reader.journalId();
    QVERIFY(reader.forEach(
        {},
        [this](const JournalRecord &record) {
          written_.records << record;
          return true;
        },
        &failure));
    QVERIFY(journalfiles::readHead(journalfiles::headPathFor(keyPath(), written_.journalId), {},
                                   &written_.head, &failure));
    QVERIFY2(keys_.load(signingkeys::signingPathFor(keyPath()), &failure),
             qPrintable(failure.text()));
  }

  void eachChangeIsFoundWhereItIs_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<qint64>("afterSeq");
    QTest::addColumn<qint64>("problemAt");  // -1: none
    QTest::addColumn<QString>("says");
    QTest::addColumn<bool>("outsideItsEpoch");
    QTest::newRow("as written") << Change([](Chain &) {}) << qint64(0) << qint64(-1) << QString()
                                << false;
    QTest::newRow("the rest after a record checked before")
        << Change([](Chain &) {}) << qint64(2) << qint64(-1) << QString() << false;
    QTest::newRow("a total changed")
        << Change([](Chain &c) { c.records[2].total += 1; }) << qint64(0) << qint64(3)
        << "seq 3: its seal does not match" << false;
    QTest::newRow("a record removed") << Change([](Chain &c) { c.records.removeAt(1); })
                                      << qint64(0) << qint64(2) << "seq 2: missing" << false;
    QTest::newRow("two records swapped")
        << Change([](Chain &c) { c.records.swapItemsAt(1, 2); }) << qint64(0) << qint64(2)
        << "seq 2: out of its place, after seq 3" << false;
    QTest::newRow("the last record removed")
        << Change([](Chain &c) { c.records.removeLast(); }) << qint64(0) << qint64(5)
        << "missing at the end" << false;
    QTest::newRow("a head of another journal")
        << Change([](Chain &c) { c.head.journalId = QString(32, u'0'); }) << qint64(0) << qint64(0)
        << "witnesses another journal" << false;
    QTest::newRow("resealed on another record before")
        << Change([](Chain &c) { c.records[1].mac = c.records[0].mac; }) << qint64(0) << qint64(2)
        << "seq 2:" << false;
    QTest::newRow("dated a year before its epoch")
        << Change([](Chain &c) { c.records[4].takenAt.replace(0, 4, QStringLiteral("2025")); })
        << qint64(0) << qint64(5) << "outside its sealing epoch" << true;
  }
  void eachChangeIsFoundWhereItIs() {
    QFETCH(Change, change);
    QFETCH(qint64, afterSeq);
    QFETCH(qint64, problemAt);
    QFETCH(QString, says);
    QFETCH(bool, outsideItsEpoch);
    Chain chain = written_;
    change(chain);
    const chaincheck::Keys keys = chaincheck::Keys::of(QByteArray(), keys_);
    QVERIFY(keys.headSigned(written_.head));
    chaincheck::ChainCheck check(keys, afterSeq,
                                 afterSeq > 0 ? written_.records[afterSeq - 1].mac : QString());
    check.watch(chain.head.seq);
    QList<chaincheck::Problem> problems;
    for (const JournalRecord &record : std::as_const(chain.records)) {
      if (record.seq > afterSeq)
        problems << check.add(record);
    }
    problems << check.end(chain.head, written_.journalId, QStringLiteral("the head"));
    if (problemAt < 0) {
      QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).text));
      return;
    }
    const auto found =
        std::find_if(problems.begin(), problems.end(),
                     [&](const chaincheck::Problem &p) { return p.text.contains(says); });
    QVERIFY2(found != problems.end(), qPrintable(problems.value(0).text));
    QCOMPARE(found->seq, problemAt);
    QCOMPARE(found->outsideItsEpoch, outsideItsEpoch);
  }

  // The head search and the writer hold a head to the same keys.
  void aHeadChangedIsNotSigned() {
    const chaincheck::Keys keys = chaincheck::Keys::of(QByteArray(), keys_);
    journalfiles::Head head = written_.head;
    head.seq -= 1;
    QVERIFY(!keys.headSigned(head));
    head = written_.head;
    head.mac = written_.records[3].mac;
    QVERIFY(!keys.headSigned(head));
  }
};

QTEST_GUILESS_MAIN(ChainCheckTest)
#include "tst_chaincheck.moc"

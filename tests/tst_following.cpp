// The journal's follower against a destination scripted by the test: the
// records reach it once and in order, the cursor never passes a record not
// taken, an outage gives everything after the cursor again and is told
// once, and a journal that cannot be read is said, never taken as empty.
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <mutex>

#include "following/followingpolicy.h"
#include "following/journalfollower.h"
#include "journal/journal.h"
#include "samplerecord.h"

namespace {
// Takes what it is given as the test says: at once, not at all (out of
// reach), or every record but one (held back); each call on the
// follower's thread, read by the test under the lock.
class ScriptedDestination : public QObject, public FollowerDestination {
 public:
  enum class Answer { Take, OutOfReach, HoldBack };

  void answer(Answer answer, qint64 heldSeq = 0) {
    const std::lock_guard<std::mutex> lock(lock_);
    answer_ = answer;
    heldSeq_ = heldSeq;
  }
  QList<qint64> given() {
    const std::lock_guard<std::mutex> lock(lock_);
    return given_;
  }
  JournalFollower *follower = nullptr;

 private:
  void begin() override {}
  void end() override {}
  int room() override { return 3; }  // small batches: the cursor moves between them
  void send(const QList<JournalRecord> &records) override {
    Answer answer;
    qint64 heldSeq;
    {
      const std::lock_guard<std::mutex> lock(lock_);
      answer = answer_;
      heldSeq = heldSeq_;
      for (const JournalRecord &record : records)
        given_ << record.seq;
    }
    if (answer == Answer::OutOfReach) {
      follower->unreachable(Failure(Failure::Kind::Unreachable, QStringLiteral("down")));
      return;
    }
    follower->reached();
    // Taken from the last to the first: the cursor moves only over a run.
    for (auto record = records.crbegin(); record != records.crend(); ++record) {
      if (answer == Answer::HoldBack && record->seq == heldSeq)
        follower->held(record->seq,
                       Failure(Failure::Kind::Refused, QStringLiteral("too big"), record->seq), 50);
      else
        follower->taken(record->seq);
    }
  }

  std::mutex lock_;  // protects answer_, heldSeq_ and given_
  Answer answer_ = Answer::Take;
  qint64 heldSeq_ = 0;
  QList<qint64> given_;
};

QList<qint64> oneToN(qint64 n) {
  QList<qint64> seqs;
  for (qint64 seq = 1; seq <= n; ++seq)
    seqs << seq;
  return seqs;
}
}  // namespace

class FollowingTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString journalPath() const { return dir.filePath("journal.sqlite"); }

  // Records are taken until the journal's newest is `to`.
  void takeUpTo(qint64 to) {
    qint64 from = 1;
    {
      ShippingLedger ledger(journalPath(), "test://destination", "following-newest",
                            ShippingLedger::Kind::Mqtt);
      Failure failure;
      if (ledger.open(&failure))
        from = ledger.newest(&failure) + 1;
    }
    RecordJournal writer(journalPath(), dir.filePath("journal.key"), "following-writer");
    for (qint64 n = from; n <= to; ++n) {
      JournalRecord record = sampleRecord(n);
      Failure failure;
      QVERIFY2(writer.append(record, &failure) == n, qPrintable(failure.text()));
    }
  }
  qint64 storedCursor() {
    ShippingLedger ledger(journalPath(), "test://destination", "following-check",
                          ShippingLedger::Kind::Mqtt);
    Failure failure;
    return ledger.open(&failure) ? ledger.acknowledged(&failure) : -1;
  }
  // Why the last try failed, as the viewer reads it from the journal.
  QString lastTry() {
    QString said;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "following-read");
      db.setDatabaseName(journalPath());
      ShippingLedger::Standing standing;
      Failure failure;
      said =
          db.open() && ShippingLedger::standing(db, ShippingLedger::Kind::Mqtt, &standing, &failure)
              ? standing.lastTry
              : QStringLiteral("unread: ") + failure.text();
    }
    QSqlDatabase::removeDatabase("following-read");
    return said;
  }

 private Q_SLOTS:
  void initTestCase() {
    // The sample records' day (2026-12-07), as the keys' first epoch.
    RecordJournal::defaultClock() = [] { return qint64(1796601600); };
  }

  void thePolicy() {
    FollowingPolicy policy;
    QList<qint64> retries;
    for (int i = 0; i < 8; ++i)
      retries << policy.unreachable();
    QCOMPARE(retries, (QList<qint64>{1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000}));
    const qint64 now = 10 * 60 * 1000;
    QVERIFY(!policy.warnNow(3, now - 4 * 60 * 1000, now));  // waited 4 minutes
    QVERIFY(!policy.warnNow(0, 0, now));                    // nothing waits
    QVERIFY(policy.warnNow(3, now - 6 * 60 * 1000, now));
    QVERIFY(!policy.warnNow(3, now - 7 * 60 * 1000, now));  // once per outage
    policy.reached();
    QVERIFY(!policy.warnNow(3, 0, now));  // reached: no outage
    QCOMPARE(policy.unreachable(), qint64(1000));
    QVERIFY(policy.warnNow(1, 0, now));  // the next outage
  }

  // Before the journal exists the status says so; once records are taken
  // they all arrive once, in order, and the cursor is stored; a follower
  // started again goes on after it.
  void everyRecordOnceInOrderFromTheCursor() {
    ScriptedDestination destination;
    JournalFollower follower(journalPath(), "test://destination", "following-journal",
                             ShippingLedger::Kind::Mqtt, &destination);
    destination.follower = &follower;
    QSignalSpy statuses(&follower, &JournalFollower::status);
    follower.start("following", &destination);
    QTRY_VERIFY(!statuses.isEmpty());
    const FollowerStatus before = statuses.last().first().value<FollowerStatus>();
    QVERIFY2(before.lastFailure.text().contains("no journal yet"),
             qPrintable(before.lastFailure.text()));
    takeUpTo(7);
    QTRY_COMPARE(destination.given(), oneToN(7));
    QTRY_COMPARE(storedCursor(), qint64(7));
    QVERIFY(follower.stop());

    takeUpTo(10);
    ScriptedDestination again;
    JournalFollower next(journalPath(), "test://destination", "following-journal",
                         ShippingLedger::Kind::Mqtt, &again);
    again.follower = &next;
    next.start("following", &again);
    QTRY_COMPARE(again.given(), (QList<qint64>{8, 9, 10}));
    QTRY_COMPARE(storedCursor(), qint64(10));
  }

  // A record held back stops the cursor before it while the ones after it
  // are taken; they are all offered again from the cursor, and once it is
  // taken the cursor goes to the end.
  void aRecordHeldBackStopsTheCursor() {
    takeUpTo(16);
    ScriptedDestination destination;
    destination.answer(ScriptedDestination::Answer::HoldBack, 12);
    JournalFollower follower(journalPath(), "test://destination", "following-journal",
                             ShippingLedger::Kind::Mqtt, &destination);
    destination.follower = &follower;
    QSignalSpy statuses(&follower, &JournalFollower::status);
    follower.start("following", &destination);
    QTRY_VERIFY(destination.given().count(12) >= 2);  // offered again
    QTRY_VERIFY(!statuses.isEmpty());
    const FollowerStatus held = statuses.last().first().value<FollowerStatus>();
    QCOMPARE(held.acknowledged, qint64(11));
    QCOMPARE(held.waiting, qint64(5));
    QCOMPARE(held.lastFailure.seq(), qint64(12));
    QTRY_COMPARE(storedCursor(), qint64(11));
    destination.answer(ScriptedDestination::Answer::Take);
    QTRY_COMPARE(storedCursor(), qint64(16));
    QCOMPARE(destination.given().mid(0, 6), (QList<qint64>{11, 12, 13, 12, 13, 14}));
  }

  // Out of reach: nothing counts as taken, the outage is told once with the
  // records waiting (the sample records are days old) and kept in the
  // journal as the last try's reason, and once reached everything after the
  // cursor arrives.
  void anOutageIsToldOnceAndCaughtUp() {
    takeUpTo(20);
    ScriptedDestination destination;
    destination.answer(ScriptedDestination::Answer::OutOfReach);
    JournalFollower follower(journalPath(), "test://destination", "following-journal",
                             ShippingLedger::Kind::Mqtt, &destination);
    destination.follower = &follower;
    QSignalSpy outages(&follower, &JournalFollower::outage);
    follower.start("following", &destination);
    QVERIFY(outages.wait(5000));
    QCOMPARE(outages.first().at(1).toLongLong(), qint64(4));
    QCOMPARE(outages.first().at(0).value<Failure>().reason(), QString("down"));
    QTRY_VERIFY_WITH_TIMEOUT(destination.given().count(17) >= 2, 5000);  // tried again
    QCOMPARE(storedCursor(), qint64(16));
    QCOMPARE(lastTry(), QString("down"));
    destination.answer(ScriptedDestination::Answer::Take);
    QTRY_COMPARE_WITH_TIMEOUT(storedCursor(), qint64(20), 10000);
    QCOMPARE(outages.size(), 1);
    QCOMPARE(lastTry(), QString());
  }
};

QTEST_GUILESS_MAIN(FollowingTest)
#include "tst_following.moc"

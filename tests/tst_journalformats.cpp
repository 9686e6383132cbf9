// The journal's formats and keys: the fixture journals of each format, epoch
// keys and clocks, the move from format 1 to format 2, a thief with every
// file, and the heads and retired journals a check finds.
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cmath>
#include <memory>

#include "journal/journal.h"
#include "journal/journalexport.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "journal/recordseal.h"
#include "journal/seals.h"
#include "journal/shown.h"
#include "journal/ticketcode.h"
#include "journal/verifier.h"
#include "logging/recordlines.h"
#include "readout/readoutmath.h"
#include "readoutrows.h"
#include "recordscommand.h"
#include "samplerecord.h"
#include "smallfilesystem.h"
#include "viewer/qrcode.h"
#include "xlsxreader.h"

#include "journalcase.h"

class JournalFormatsTest : public QObject, JournalCase {
  Q_OBJECT
 private Q_SLOTS:
  // The records are dated 2026-12-07: the journals' keys start that day.
  void initTestCase() { startTheClockOnTheRecordsDay(); }
  // Each case starts a journal of its own, with a key of its own.
  void init() { startAJournal(); }

  // One message style, and no toolkit abort without a display.
  // The journal of format 1 the monitor wrote at 1.0.0 (tests/fixtures, never
  // made again): every later version reads it, verifies it, and seals a
  // record into the same bytes (the test vector: the canonical bytes of its
  // seq 1, whose HMAC under its key is the mac the monitor stored).
  void theFormat1FixtureVerifies() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy));
    const QString head = copy.filePath(kFixtureHead);

    VerifyOptions options =
        VerifyOptions::of(copy.filePath("journal.sqlite"), copy.filePath("journal.key"));
    options.headPath = head;
    const VerifyReport report = verifyJournal(options);
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Intact));
    QCOMPARE(report.intactLine(), QString("journal intact: 2 records, seq 1..2, "
                                          "2026-12-08T22:26:59.085Z to 2026-12-08T22:26:59.174Z"));

    JournalReader reader(copy.filePath("journal.sqlite"), "fixture");
    Failure failure;
    QVERIFY(reader.open(&failure));
    QList<JournalRecord> records;
    QVERIFY(reader.forEach(
        {},
        [&](const JournalRecord &r) {
          records << r;
          return true;
        },
        &failure));
    QCOMPARE(records.size(), 2);
    const JournalRecord &first = records[0];
    QCOMPARE(first.station, QString("fixture-1"));
    QCOMPARE(first.totalLine, QString("GROSS TOTAL, lbs, 111"));
    QCOMPARE(shown::total(first).text(), QString("111"));
    // The records' blocks are the text log, byte for byte.
    QFile log(copy.filePath("station.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), records[0].block + records[1].block);
    const QByteArray canonical = journalcolumns::canonicalBytes(first, QString());
    QCOMPARE(QCryptographicHash::hash(canonical, QCryptographicHash::Sha256).toHex(),
             QByteArray("7f2c24bfdf2607dab3915a6500db35412610b6e44eea3b822946b28d6bada44c"));
    QByteArray key;
    Failure why;
    QVERIFY2(journalfiles::loadKey(copy.filePath("journal.key"), false, &key, &why),
             qPrintable(why.text()));
    QCOMPARE(journalfiles::sealOf(key, canonical), first.mac);
    QCOMPARE(first.mac,
             QString("9fa980f97d9a00336fd4d9d2dbab919dc08d87325287cf3c9c7a7b8d2b008766"));
  }

  // Checked with public files only: the verification key, no secret.
  // An auditor with only the public files (the journal and its
  // verification key, no head): every record intact, the end not
  // witnessed, an outcome and exit status of its own, never "broken".
  void onlyThePublicFilesLeaveTheEndUnwitnessed() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2"));
    QVERIFY(QFile::remove(copy.filePath(kFixture2Head)));
    const RecordsRun run = runRecords(
        {"verify", "--journal", copy.filePath("journal.sqlite"), "--verification-key",
         copy.filePath("journal.verification-key"), "--key", copy.filePath("journal.key")});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.out.startsWith("records intact, end not witnessed: 2 records, seq 1..2, "),
             qPrintable(run.out + run.err));
    // Removing the newest record is what it cannot see; changing one it sees.
    tamper(copy.filePath("journal.sqlite"), {"UPDATE records SET total = 1 WHERE seq = 1"});
    QCOMPARE(runRecords({"verify", "--journal", copy.filePath("journal.sqlite"), "--key",
                         copy.filePath("journal.key")})
                 .exitCode,
             1);
  }

  // Records of two runs of epoch keys, the second linked to the first,
  // checked with the first run's verification key alone.
  void theRunsFixtureVerifies() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2-runs"));
    const VerifyReport report = verifyFixtureCopy(copy, kFixtureRunsHead);
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Intact));
    QCOMPARE(report.intactLine(), QString("journal intact: 7 records, seq 1..7, "
                                          "2026-12-07T00:00:00.000Z to 2026-12-07T17:20:00.000Z"));
    QCOMPARE(report.checkedWith, QStringList{"seq 1..7: format 2, with the verification key "
                                             "101F-EE55-345B-BEE5 (station vm)"});
    JournalReader reader(copy.filePath("journal.sqlite"), "fixture-runs");
    QList<signingkeys::EpochCertificate> epochKeys;
    Failure failure;
    QVERIFY(reader.open(&failure) && reader.epochKeys(&epochKeys, &failure));
    QCOMPARE(epochKeys.last().epoch, qint64(1040));
    QCOMPARE(epochKeys.last().runLinks.size(), signingkeys::kRunLinkBytes);
  }

  // The desk's transactions of the fixture are checked with its public
  // files, and a transaction's ticket from it checks genuine.
  void theTransactionsFixtureVerifies() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2-transactions"));
    const VerifyReport report = verifyFixtureCopy(copy, kFixtureTransactionsHead);
    QVERIFY2(report.outcome == VerifyReport::Outcome::Intact,
             qPrintable(report.problems.value(0).text));
    QCOMPARE(report.intactLine(), QString("journal intact: 6 records, seq 1..6, "
                                          "2026-12-07T10:01:00.000Z to 2026-12-07T10:06:00.000Z"));
    JournalReader reader(copy.filePath("journal.sqlite"), "fixture-transactions");
    QList<signingkeys::EpochCertificate> epochKeys;
    Failure failure;
    QVERIFY(reader.open(&failure) && reader.epochKeys(&epochKeys, &failure));
    const std::optional<Transaction> second = transactions::readOne(reader.database(), 2);
    QVERIFY(second);
    QCOMPARE(second->net, QStringLiteral("8000"));
    signingkeys::VerificationKey key;
    QVERIFY(signingkeys::readVerificationKey(copy.filePath("journal.verification-key"), &key,
                                             &failure));
    const ticketcode::Checked checked =
        ticketcode::check(ticketcode::ofTransaction(*second, epochKeys), key);
    QVERIFY2(checked.genuine, qPrintable(checked.why));
  }

  void theFormat2FixtureVerifies() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2"));
    const VerifyReport report = verifyFixtureCopy(copy, kFixture2Head);
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Intact));
    QCOMPARE(report.intactLine(), QString("journal intact: 2 records, seq 1..2, "
                                          "2026-12-09T00:49:35.376Z to 2026-12-09T00:49:38.303Z"));
    QCOMPARE(report.checkedWith, QStringList{"seq 1..2: format 2, with the verification key "
                                             "0304-38AC-38E7-F8B1 (station fixture-2)"});

    JournalReader reader(copy.filePath("journal.sqlite"), "fixture-2");
    Failure failure;
    QVERIFY(reader.open(&failure));
    const JournalRecord first = firstOf(reader);
    QFile log(copy.filePath("station.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().startsWith(first.block));
    // The test vector: the canonical bytes' hash and the epoch key's
    // signature over what a ticket shows.
    recordseal::Seal seal;
    QVERIFY(recordseal::parse(first.mac, &seal));
    QCOMPARE(seal.hash.toHex(),
             QByteArray("4fd396b628a410945da16375b1a9839aa8b22238184d61f272e9711cef626976"));
    QCOMPARE(recordseal::recordHash(first, QString()), seal.hash);
    QCOMPARE(recordseal::totalShown(first), QString("111 lbs GROSS"));
    QVERIFY(seals::verify(
        QByteArray::fromHex("85923a741bf2d208a1b4e05a4bc145fbef2dad277561fc8307a10c4ac133a8ca"),
        recordseal::recordMessage(first, seal.hash), seal.signature));
    const RecordsRun run = runRecords(
        {"verify", "--journal", copy.filePath("journal.sqlite"), "--verification-key",
         copy.filePath("journal.verification-key"), "--head", copy.filePath(kFixture2Head)});
    QCOMPARE(run.exitCode, 0);
  }

  // Signing keys that others may read, or that were cut short, seal
  // nothing: the record is not committed and the reason is one line. A
  // clock gone back across an epoch's start seals in the epoch in force,
  // says so, and verify reports the record.
  void badSigningKeysAndAClockGoneBack_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<qint64>("committed");
    QTest::addColumn<QString>("said");
    QTest::newRow("readable by others")
        << "mode" << qint64(0)
        << "signing keys " + signingkeys::signingPathFor(keyPath()) +
               " may be read by others (mode 0644)";
    QTest::newRow("cut short") << "cut" << qint64(0) << "are damaged";
    QTest::newRow("an epoch key its root does not certify")
        << "certificate" << qint64(0) << "are damaged: epoch 1 is not certified by its root";
    QTest::newRow("the clock gone back")
        << "clock" << qint64(2)
        << "it is dated 2026-12-07T10:02:00.000Z, before its sealing "
           "epoch 1 began";
  }
  void badSigningKeysAndAClockGoneBack() {
    QFETCH(QString, fault);
    QFETCH(qint64, committed);
    QFETCH(QString, said);
    qint64 now = 1796601600;  // 2026-12-07
    RecordJournal writer(journalPath(), keyPath(), "faults");
    writer.setClock([&now] { return now; });
    JournalRecord record = sampleRecord(1);
    Failure failure;
    QCOMPARE(writer.append(record, &failure), qint64(1));
    const QString signing = signingkeys::signingPathFor(keyPath());
    if (fault == "mode") {
      QVERIFY(QFile::setPermissions(signing, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadGroup | QFileDevice::ReadOther));
    } else if (fault == "cut") {
      QVERIFY(QFile::resize(signing, QFileInfo(signing).size() / 2));
    } else if (fault == "certificate") {
      QFile file(signing);
      QVERIFY(file.open(QIODevice::ReadWrite));
      QList<QByteArray> lines = file.readAll().split('\n');
      QList<QByteArray> epoch1 = lines[4].split(' ');  // e 1 starts ends public-key ...
      QCOMPARE(epoch1[1].toInt(), 1);
      epoch1[4][0] = epoch1[4][0] == '0' ? '1' : '0';
      lines[4] = epoch1.join(' ');
      QVERIFY(file.seek(0) && file.write(lines.join('\n')) > 0);
      file.close();
      now += 86400;  // into epoch 1
    } else {
      now += 86400;  // the next day's epoch, then the clock set back a day
      writer.evolve();
    }
    RecordJournal again(journalPath(), keyPath(), "faults-again");
    again.setClock([&now] { return now; });
    record = sampleRecord(2);
    failure = Failure();
    QCOMPARE(again.append(record, &failure), committed);
    QVERIFY2(failure.text().contains(said), qPrintable(failure.text()));
    if (fault == "clock") {
      const VerifyReport report = verify();
      QCOMPARE(report.firstBadSeq(), qint64(2));
      QVERIFY2(report.problems.first().text.contains("outside its sealing epoch 1"),
               qPrintable(report.problems.first().text));
    }
  }

  // A clock set far ahead erases no secret and seals nothing in its epochs
  // (it would end the journal's sealing); once a person confirms the clock
  // the station seals on. A run's end is told ahead.
  void aClockFarAheadSealsNothingUntilConfirmed() {
    const qint64 realNow = QDateTime::currentSecsSinceEpoch();
    auto append = [this](const QString &name, int n, qint64 at, Failure *failure) {
      RecordJournal writer(journalPath(), keyPath(), name);
      writer.setClock([at] { return at; });
      JournalRecord record = sampleRecord(n);
      record.takenAt = QDateTime::fromSecsSinceEpoch(at, Qt::UTC).toString(Qt::ISODateWithMs);
      return writer.append(record, failure);
    };
    // An hour into its day twenty days ago, so that a minute later is still
    // that day's epoch whatever the time of day now.
    const qint64 made =
        signingkeys::SigningKeys::boundaryBefore(realNow, 86400) - 20 * 86400 + 3600;
    Failure failure;
    QCOMPARE(append("made", 1, made, &failure), qint64(1));  // 20 epochs ago
    const QString signing = signingkeys::signingPathFor(keyPath());
    const signingkeys::StartWarnings said = signingkeys::erasePastEpochsAtStart(signing, realNow);
    QVERIFY2(said.clockJumped.startsWith("the station's clock is 20 epochs ahead"),
             qPrintable(said.clockJumped));
    QVERIFY(said.runEnding.isEmpty());
    QCOMPARE(append("ahead", 2, realNow, &failure), qint64(0));
    QVERIFY2(failure.text().contains("weighstation-records confirm-clock"),
             qPrintable(failure.text()));
    signingkeys::SigningKeys keys;
    Failure why;
    QVERIFY2(keys.load(signing, &why), qPrintable(why.text()));
    QCOMPARE(keys.firstKeptEpoch(), qint64(0));  // nothing erased
    // The clock set back right: the station seals on.
    failure = Failure();
    QCOMPARE(append("set-right", 2, made + 60, &failure), qint64(2));

    const RecordsRun confirmed = runRecords({"confirm-clock", "--key", keyPath()});
    QCOMPARE(confirmed.exitCode, 0);
    QVERIFY2(confirmed.out.contains("erased the secrets of 20 past epochs"),
             qPrintable(confirmed.out + confirmed.err));
    failure = Failure();
    QCOMPARE(append("confirmed", 3, realNow, &failure), qint64(3));
    QCOMPARE(verify().outcome, VerifyReport::Outcome::Intact);

    // Keys whose run ends in ten days.
    const QString ending = dir.filePath("ending.signing");
    QVERIFY2(
        signingkeys::SigningKeys::commission(
            ending, dir.filePath("ending.verification-key"), "s",
            signingkeys::SigningKeys::boundaryBefore(realNow - 1014 * 86400, 86400), 86400, &why),
        qPrintable(why.text()));
    // Its writer certifies the next run; none to be told, unless the last
    // epoch's secret is gone and it cannot.
    QVERIFY(signingkeys::erasePastEpochsAtStart(ending, realNow).runEnding.isEmpty());
    signingkeys::SigningKeys endingKeys;
    qint64 erased = 0;
    QVERIFY(endingKeys.load(ending, &why) &&
            endingKeys.erasePast(endingKeys.epochs(), &erased, &why));
    QVERIFY(signingkeys::erasePastEpochsAtStart(ending, realNow)
                .runEnding.startsWith("the signing keys end on "));
  }

  // A station that upgrades keeps its journal: format 1's records stay
  // checked with its key, those after the transition with the new
  // verification key; a transition that names another key is caught.
  void aFormat1JournalGoesOnInFormat2() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy));
    journalfiles::usePlaces({QString(), QString(), copy.path()});
    const QString journal = copy.filePath("journal.sqlite");
    const QString key = copy.filePath("journal.key");
    {
      RecordJournal writer(journal, key, "upgrade");
      writer.setClock([] { return qint64(1796774400); });  // 2026-12-09
      JournalRecord record = sampleRecord(3);
      record.takenAt = "2026-12-09T10:00:00.000Z";
      Failure failure;
      QCOMPARE(writer.append(record, &failure), qint64(3));
      QVERIFY2(!failure, qPrintable(failure.text()));
    }
    journalfiles::usePlaces({});
    VerifyOptions options = VerifyOptions::of(journal, key);
    options.headPath = copy.filePath(kFixtureHead);
    VerifyReport report = verifyJournal(options);
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Intact));
    QCOMPARE(report.checkedWith.size(), 2);
    QCOMPARE(report.checkedWith[0], "seq 1..2: format 1, with the key " + key);
    QVERIFY2(report.checkedWith[1].startsWith("seq 3: format 2, with the verification key "),
             qPrintable(report.checkedWith[1]));
    // The upgrade's seq is bound in the new verification key: a transition
    // moved earlier (format-2 records forged after it) is the file's word.
    signingkeys::VerificationKey bound;
    Failure unread;
    QVERIFY(signingkeys::readVerificationKey(options.verificationKeyPath.isEmpty()
                                                 ? signingkeys::verificationKeyPathFor(key)
                                                 : options.verificationKeyPath,
                                             &bound, &unread));
    QCOMPARE(bound.format2After, qint64(2));
    tamper(journal, {"UPDATE format_transition SET after_seq = 1"});
    const VerifyReport moved = verifyJournal(options);
    QVERIFY(std::any_of(moved.problems.cbegin(), moved.problems.cend(), [](const VerifyProblem &p) {
      return p.text.contains(
          "transition from format 1 is after seq 1, but its verification "
          "key binds it after seq 2");
    }));
    tamper(journal, {"UPDATE format_transition SET after_seq = 2"});
    // Without format 1's key its records cannot be checked.
    QVERIFY(QFile::rename(key, key + ".away"));
    QCOMPARE(int(verifyJournal(options).outcome), int(VerifyReport::Outcome::CannotCheck));
    QVERIFY(QFile::rename(key + ".away", key));
    // Another station's verification key put in the transition.
    const QString other = copy.filePath("other.key");
    Failure error;
    QVERIFY2(signingkeys::SigningKeys::commission(signingkeys::signingPathFor(other),
                                                  signingkeys::verificationKeyPathFor(other),
                                                  "fixture-1", 1796774400, 86400, &error),
             qPrintable(error.text()));
    QFile otherKey(signingkeys::verificationKeyPathFor(other));
    QVERIFY(otherKey.open(QIODevice::ReadOnly));
    tamper(journal, {QString("UPDATE format_transition SET verification_key = '%1'")
                         .arg(QString::fromUtf8(otherKey.readAll()))});
    report = verifyJournal(options);
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Broken));
    QCOMPARE(report.firstBadSeq(), qint64(3));
  }

  // Where format 2 begins is signed into the verification key by its root
  // when the key is made: the journal's format marker and its transition
  // row, which whoever writes the file (and holds format 1's key) can set,
  // cannot move it.
  void theVerificationKeyDecidesWhereFormat2Begins_data() {
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QString>("problem");
    QTest::newRow("the format marker set to 1")
        << QStringList{"UPDATE journal_meta SET value = '1' WHERE name = 'format'"}
        << "seq 1: the journal says it is of format 1, but its verification key seals every "
           "record after seq 0 in format 2";
    QTest::newRow("a transition after seq 3")
        << QStringList{"INSERT INTO format_transition SELECT 3, value, 'x' FROM journal_meta "
                       "WHERE name = 'verification_key'"}
        << "the journal's transition from format 1 is after seq 3, but its verification key "
           "binds it after seq 0";
  }
  void theVerificationKeyDecidesWhereFormat2Begins() {
    QFETCH(QStringList, statements);
    QFETCH(QString, problem);
    brokenBy(statements, problem);
    signingkeys::VerificationKey key;
    Failure why;
    QVERIFY2(signingkeys::readVerificationKey(signingkeys::verificationKeyPathFor(keyPath()), &key,
                                              &why),
             qPrintable(why.text()));
    QCOMPARE(key.format2After, qint64(0));
    // The line itself cannot be changed without the root.
    QFile file(signingkeys::verificationKeyPathFor(keyPath()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    text.replace("format-2-after 0 ", "format-2-after 4 ");
    QVERIFY(!signingkeys::parseVerificationKey(text, &key, &why));
    QCOMPARE(why.reason(), QString("its format line is not signed by its root (changed)"));
  }

  // A thief who copies every file of the station after an epoch ended
  // holds no secret of that epoch: whatever they reseal of its records
  // is reported.
  void aThiefWithEveryFileCannotResealThePast() {
    qint64 now = 1796601600;  // 2026-12-07, the records' day
    {
      RecordJournal writer(journalPath(), keyPath(), "thief");
      writer.setClock([&now] { return now; });
      Failure failure;
      for (int n = 1; n <= 3; ++n) {
        JournalRecord record = sampleRecord(n);
        QCOMPARE(writer.append(record, &failure), qint64(n));
      }
      now += 86400;  // the next day: its epoch begins, the last one's secret goes
      writer.evolve();
      JournalRecord record = sampleRecord(4);
      record.takenAt = "2026-12-08T09:00:00.000Z";
      QCOMPARE(writer.append(record, &failure), qint64(4));
    }
    signingkeys::SigningKeys stolen;
    Failure why;
    QVERIFY2(stolen.load(signingkeys::signingPathFor(keyPath()), &why), qPrintable(why.text()));
    QVERIFY(!stolen.hasSecret(0));
    QVERIFY(stolen.sign(0, "anything").isEmpty());
    QVERIFY(stolen.hasSecret(1));
    // Seq 2's total changed and every record resealed with the secret held.
    QList<JournalRecord> records;
    {
      JournalReader reader(journalPath(), "thief-reader");
      Failure failure;
      QVERIFY(reader.open(&failure));
      QVERIFY(reader.forEach(
          {},
          [&](const JournalRecord &r) {
            records << r;
            return true;
          },
          &failure));
    }
    records[1].total += 1000;
    QString previous;
    QStringList statements;
    for (JournalRecord &record : records) {
      record.mac = recordseal::sealRecord(stolen, 1, record, previous);
      QVERIFY(!record.mac.isEmpty());
      previous = record.mac;
      statements << QString("UPDATE records SET total = %1, mac = '%2' WHERE seq = %3")
                        .arg(journalcolumns::realText(record.total), record.mac)
                        .arg(record.seq);
    }
    tamper(journalPath(), statements);
    const VerifyReport report = verify();
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Broken));
    QCOMPARE(report.firstBadSeq(), qint64(1));
    QVERIFY2(std::any_of(report.problems.begin(), report.problems.end(),
                         [](const VerifyProblem &problem) {
                           return problem.seq == 1 &&
                                  problem.text.contains("outside its sealing epoch 1");
                         }),
             qPrintable(report.problems.first().text));
  }

  // The run's last epoch goes like any other when it ends: a copy of the
  // signing keys taken after it seals nothing.
  void theLastEpochsSecretGoesWhenItEnds() {
    qint64 now = 1796601600;
    RecordJournal writer(journalPath(), keyPath(), "last-epoch");
    writer.setClock([&now] { return now; });
    JournalRecord record = sampleRecord(1);
    Failure failure;
    QCOMPARE(writer.append(record, &failure), qint64(1));
    auto keptEpoch = [this] {
      signingkeys::SigningKeys keys;
      Failure why;
      return keys.load(signingkeys::signingPathFor(keyPath()), &why) ? keys.firstKeptEpoch()
                                                                     : qint64(-1);
    };
    signingkeys::SigningKeys keys;
    Failure why;
    QVERIFY2(keys.load(signingkeys::signingPathFor(keyPath()), &why), qPrintable(why.text()));
    const qint64 lastEpoch = keys.epochs() - 1;
    // A week at a time, as a running station's clock goes (a clock far
    // ahead at once erases nothing).
    for (; now < keys.certificate(lastEpoch).starts; now += 7 * 86400)
      writer.evolve();
    now = keys.certificate(lastEpoch).ends - 10;  // within the last epoch
    writer.evolve();
    QCOMPARE(keptEpoch(), lastEpoch);
    now = keys.certificate(lastEpoch).ends + 1;
    writer.evolve();
    QCOMPARE(keptEpoch(), keys.epochs());
  }

  // Before a run of epoch keys ends, the station certifies the next: it
  // never stops sealing. The records of both runs, their head and a ticket
  // of the next run check with the first verification key alone; a link
  // changed anywhere certifies nothing.
  void aRunOfEpochKeysGoesOnUnderTheNext() {
    journalfiles::usePlaces({QString(), QString(), QString(), QString(), 60});
    auto restore = qScopeGuard([] { journalfiles::usePlaces({}); });
    qint64 now = 1796601600;
    RecordJournal writer(journalPath(), keyPath(), "runs");
    writer.setClock([&now] { return now; });
    qint64 seq = 0;
    Failure refused;
    auto recordNow = [&] {
      JournalRecord record = sampleRecord(seq + 1);
      record.takenAt = QDateTime::fromSecsSinceEpoch(now, Qt::UTC).toString(Qt::ISODateWithMs);
      Failure failure;
      seq = writer.append(record, &failure);
      if (failure.failed() && !refused.failed())
        refused = failure;
      return record;
    };
    recordNow();
    const qint64 runEnds = now + 60 * signingkeys::kEpochsInARun;
    // Ten minutes at a time, as a running station's clock goes.
    for (int step = 1; now < runEnds + 600; now += 600, ++step) {
      writer.evolve();
      if (step % 20 == 0)
        recordNow();
    }
    const JournalRecord late = recordNow();
    QVERIFY2(!refused.failed(), qPrintable(refused.text()));

    signingkeys::SigningKeys keys;
    Failure why;
    QVERIFY2(keys.load(signingkeys::signingPathFor(keyPath()), &why), qPrintable(why.text()));
    QCOMPARE(keys.epochs(), qint64(2 * signingkeys::kEpochsInARun));
    QVERIFY(!keys.hasSecret(signingkeys::kEpochsInARun - 1));  // the linking key, past, erased
    const VerifyReport report = verify();
    QCOMPARE(report.outcome, VerifyReport::Outcome::Intact);
    QCOMPARE(report.lastSeq, seq);

    JournalReader reader(journalPath(), QStringLiteral("runs-reader"));
    QList<signingkeys::EpochCertificate> epochKeys;
    QVERIFY(reader.open(&why) && reader.epochKeys(&epochKeys, &why));
    JournalRecord stored = late;
    stored.seq = seq;
    QVERIFY(reader.forEach(
        {},
        [&](const JournalRecord &record) {
          if (record.seq == seq)
            stored = record;
          return true;
        },
        &why));
    const ticketcode::Checked ticket =
        ticketcode::check(ticketcode::of(stored, epochKeys), keys.verificationKey());
    QVERIFY2(ticket.genuine, qPrintable(ticket.why));

    signingkeys::EpochCertificate next = keys.certificate(signingkeys::kEpochsInARun + 5);
    QVERIFY(next.certifiedBy(keys.verificationKey()));
    QCOMPARE(next.runLinks.size(), signingkeys::kRunLinkBytes);
    for (int at : {0, 7, 20, 45, 70, 120, 200, signingkeys::kRunLinkBytes - 1}) {
      signingkeys::EpochCertificate changed = next;
      changed.runLinks[at] = char(changed.runLinks[at] ^ 0x01);
      QVERIFY2(!changed.certifiedBy(keys.verificationKey()), qPrintable(QString::number(at)));
    }
    signingkeys::EpochCertificate unlinked = next;
    unlinked.runLinks.clear();
    QVERIFY(!unlinked.certifiedBy(keys.verificationKey()));
  }

  // A journal retired by new-journal is checked alone, as the station left
  // it: its key, verification key and head are found by the names they were
  // retired under.
  void aRetiredJournalIsCheckedWithItsCompanions() {
    write(1, 5);
    const RecordsRun retired =
        runRecords({"new-journal", "--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(retired.exitCode, 0);
    const QString id = retired.out.section(' ', 2, 2).section(':', 0, 0);
    QProcessEnvironment station = QProcessEnvironment::systemEnvironment();
    station.insert("WEIGHSTATION_JOURNAL_KEY", keyPath());
    const RecordsRun checked = runRecords(
        {"verify", "--journal", dir.filePath(QStringLiteral("journal.%1.sqlite").arg(id))},
        station);
    QVERIFY2(checked.exitCode == 0 && checked.out.startsWith("journal intact: 5 records"),
             qPrintable(checked.out + checked.err));
    QVERIFY2(checked.out.contains("with the verification key"), qPrintable(checked.out));
  }

  // The state folder is shared by every key of a user: a head there of
  // another key with the same file name is not this key's.
  void anotherKeysHeadOfTheSameNameIsNotThisKeys() {
    QTemporaryDir state, other;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    {
      RecordJournal journal(other.filePath("journal.sqlite"), other.filePath("journal.key"), "o");
      JournalRecord record = sampleRecord(1);
      Failure error;
      QCOMPARE(journal.append(record, &error), qint64(1));
    }
    const QString head = QDir(other.path()).entryList({"journal.key.*.head"}).value(0);
    QVERIFY(QDir().mkpath(state.filePath("weighstation")));
    QVERIFY(QFile::copy(other.filePath(head), state.filePath("weighstation/" + head)));
    write(1, 2);
    const VerifyReport report = verify();
    qunsetenv("XDG_STATE_HOME");
    QCOMPARE(report.outcome, VerifyReport::Outcome::Intact);
  }

  // An auditor whose own account runs a station checks another station's
  // copied journal with its verification key and head: the heads of the
  // auditor's own station (at the default key's place) are not that
  // journal's, so they cannot make it broken.
  void theAuditorsOwnStationsHeadsAreNotTheJournals() {
    write(1, 3);  // the auditor's own station, at the default key's place
    QTemporaryDir other;
    {
      RecordJournal journal(other.filePath("journal.sqlite"), other.filePath("journal.key"), "o");
      for (int n = 1; n <= 4; ++n) {
        JournalRecord record = sampleRecord(n);
        Failure error;
        QCOMPARE(journal.append(record, &error), qint64(n));
      }
    }
    VerifyOptions options = VerifyOptions::of(other.filePath("journal.sqlite"), keyPath());
    options.verificationKeyPath = other.filePath("journal.verification-key");
    options.headPath =
        other.filePath(QDir(other.path()).entryList({"journal.key.*.head"}).value(0));
    const VerifyReport report = verifyJournal(options);
    QVERIFY2(report.outcome == VerifyReport::Outcome::Intact,
             qPrintable(report.problems.value(0).text + report.failure.text()));
    QCOMPARE(report.lastSeq, qint64(4));
  }
};

QTEST_GUILESS_MAIN(JournalFormatsTest)
#include "tst_journalformats.moc"

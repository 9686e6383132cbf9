// The weighing desk's transactions: sealed beside the records they bind,
// refused with one message when they would break a rule, and every change
// to them found by the journal's check.
#include <QProcess>
#include <QtTest>
#include <ctime>

#include "desk/deskreport.h"
#include "desk/weighingdesk.h"
#include "journalcase.h"
#include "recordscommand.h"

namespace {
// A record of station bridge-1 showing `total` lbs (whole pounds).
JournalRecord weighed(qint64 n, double total, const QString &takenAt = QString()) {
  JournalRecord record = sampleRecord(n);
  record.total = total + 0.0003;
  record.scales[0].weight = record.scales[0].gross = total + 0.0001;
  if (!takenAt.isEmpty())
    record.takenAt = takenAt;
  return record;
}

desk::Rules rules() {
  desk::Rules rules;
  rules.station = QStringLiteral("bridge-1");
  rules.supervisors = QStringList{QStringLiteral("Sam")};
  rules.tareDays = 1;
  return rules;
}

desk::Prepared truck(const QString &plate, const QString &direction = QString()) {
  desk::Prepared prepared;
  prepared.vehicle = plate;
  prepared.customer = QStringLiteral("Quarry Ltd");
  prepared.product = QStringLiteral("Gravel 20mm");
  prepared.direction = direction;
  prepared.operatorName = QStringLiteral("Ann");
  return prepared;
}
}  // namespace

class TransactionsTest : public QObject, JournalCase {
  Q_OBJECT

  // Records 1..6 weighing 14000, 6000, 6000, 15000, 500 and 9000 lbs.
  void weighTheDay(RecordJournal &journal) {
    const double totals[] = {14000, 6000, 6000, 15000, 500, 9000};
    Failure failure;
    for (int n = 1; n <= 6; ++n) {
      JournalRecord record = weighed(n, totals[n - 1]);
      QCOMPARE(journal.append(record, &failure), qint64(n));
    }
  }

  // Records weighed, then a two-pass weighing, a tare stored and used, a
  // single weighing and its void.
  void sealTheDay(RecordJournal &journal, desk::WeighingDesk &weighingDesk) {
    weighTheDay(journal);
    Failure failure;
    QVERIFY(weighingDesk.open(&failure));
    const qint64 first = weighingDesk.first(1, truck("ab-12 cd", "in"), &failure);
    QVERIFY2(first == 1, qPrintable(failure.text()));
    QCOMPARE(weighingDesk.second(2, desk::interimCode(first), "Ann", &failure), qint64(2));
    QCOMPARE(weighingDesk.storeTare(3, truck("XY99"), &failure), qint64(3));
    QCOMPARE(weighingDesk.withStoredTare(4, truck("xy 99"), &failure), qint64(4));
    desk::Prepared bags;
    bags.product = QStringLiteral("Bags");
    QCOMPARE(weighingDesk.single(5, bags, &failure), qint64(5));
    QCOMPARE(weighingDesk.voidTransaction(5, "weighed twice", "Sam", &failure), qint64(6));
  }

 private Q_SLOTS:
  void initTestCase() {
    startTheClockOnTheRecordsDay();
    // Shifts and days are local: the tests' local time is UTC.
    qputenv("TZ", "UTC");
    tzset();
  }
  void init() {
    startAJournal();
    QFile::remove(dir.filePath("desk.sqlite"));
  }

  void aDayAtATwoPassSite() {
    RecordJournal journal(journalPath(), keyPath());
    masterdata::MasterData data(dir.filePath("desk.sqlite"));
    desk::WeighingDesk weighingDesk(journal, data, rules());
    sealTheDay(journal, weighingDesk);
    Failure failure;
    const auto &state = weighingDesk.state();
    const Transaction *closed = state.entry(2);
    QCOMPARE(closed->vehicle, QStringLiteral("AB12CD"));
    QCOMPARE(QStringList({closed->gross, closed->tare, closed->net, closed->unit}),
             QStringList({"14000", "6000", "8000", "lbs"}));
    QCOMPARE(closed->secondRecord, qint64(2));
    QCOMPARE(state.entry(4)->net, QStringLiteral("9000"));
    QCOMPARE(state.entry(4)->tareEntry, qint64(3));
    QCOMPARE(state.entry(5)->net, QStringLiteral("500"));
    QVERIFY(state.onSite().isEmpty());
    // A void and a correction leave the original in place.
    desk::Prepared corrected = truck("XY99");
    corrected.customer = QStringLiteral("Harbour plc");
    corrected.operatorName = QStringLiteral("Sam");
    QCOMPARE(weighingDesk.correct(4, corrected, "wrong customer", &failure), qint64(7));
    QCOMPARE(state.entry(7)->net, QStringLiteral("9000"));
    QCOMPARE(state.voidedBy(5), qint64(6));
    QCOMPARE(state.voidedBy(4), qint64(7));
    // Record 5 is free again; record 4 stays bound, now to the correction.
    QCOMPARE(state.boundTo(5), qint64(0));
    QCOMPARE(state.boundTo(4), qint64(7));

    const VerifyReport report = verify();
    QVERIFY2(report.outcome == VerifyReport::Outcome::Intact,
             qPrintable(report.problems.value(0).text));
    const QStringList heads = QDir(dir.path()).entryList({"*.head"});
    QCOMPARE(heads.size(), 1);
    QFile head(dir.filePath(heads.first()));
    QVERIFY(head.open(QIODevice::ReadOnly));
    QVERIFY(head.readLine().startsWith("weighstation-journal-head 4 "));

    const RecordsRun listed =
        runRecords({"transaction", "list", "--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(listed.exitCode, 0);
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 7);
    QVERIFY2(lines[4].contains("VOID (transaction 6)"), qPrintable(lines[4]));
    QVERIFY2(lines[3].contains("replaced by transaction 7"), qPrintable(lines[3]));
    QVERIFY2(lines[1].contains("gross 14000 tare 6000 net 8000 lbs"), qPrintable(lines[1]));
  }

  void ticketsScanAndCheckOffline_data() {
    QTest::addColumn<QString>("pageSize");
    for (const char *size : {"A6", "Roll80"})
      QTest::newRow(size) << size;
  }
  // The two-pass weighing's ticket, printed at a ticket printer's
  // resolution, scans and checks genuine with the verification key alone;
  // a changed character does not; the voided one prints VOID.
  void ticketsScanAndCheckOffline() {
    QFETCH(QString, pageSize);
    {
      RecordJournal journal(journalPath(), keyPath());
      masterdata::MasterData data(dir.filePath("desk.sqlite"));
      desk::WeighingDesk weighingDesk(journal, data, rules());
      sealTheDay(journal, weighingDesk);
    }
    const QStringList files{"--journal", journalPath(), "--key", keyPath()};
    const QString pdf = dir.filePath("ticket.pdf");
    const RecordsRun printed = runRecords(QStringList{"transaction-ticket", "--transaction", "2",
                                                      "--pdf", pdf, "--page-size", pageSize} +
                                          files);
    QVERIFY2(printed.exitCode == 0, qPrintable(printed.err));
    const QString verificationKey = dir.filePath("journal.verification-key");
    const RecordsRun checked = checkPrintedTicket(pdf, verificationKey);
    QVERIFY2(checked.exitCode == 0, qPrintable(checked.out + checked.err));
    QVERIFY2(checked.out.startsWith("ticket genuine: station bridge-1, transaction 2 (second),"),
             qPrintable(checked.out));
    QVERIFY2(checked.out.contains("vehicle AB12CD, records 1, 2, gross 14000 lbs tare 6000 lbs "
                                  "net 8000 lbs"),
             qPrintable(checked.out));
    QProcess scan;
    scan.start("zbarimg", {"--raw", "-q", dir.filePath("ticket.png")});
    QVERIFY(scan.waitForFinished());
    const QString code = QString::fromUtf8(scan.readAllStandardOutput()).trimmed();
    QVERIFY2(code.startsWith("WS3|") && code.contains("Quarry"), qPrintable(code));
    const RecordsRun changed =
        runRecords({"check-ticket", QString(code).replace("Quarry", "Quarrz"), "--verification-key",
                    verificationKey});
    QVERIFY2(changed.out.startsWith("ticket NOT genuine: its signature does not match"),
             qPrintable(changed.out + changed.err));

    QVERIFY(
        runRecords(QStringList{"transaction-ticket", "--transaction", "5", "--pdf", pdf} + files)
            .exitCode == 0);
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished());
    QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains("VOID (transaction 6)"));
  }

  // Each group's sums are the sums of its lines; the voided and replaced
  // ones are listed apart and summed nowhere.
  void reportsSumTheirLines() {
    {
      RecordJournal journal(journalPath(), keyPath());
      masterdata::MasterData data(dir.filePath("desk.sqlite"));
      desk::WeighingDesk weighingDesk(journal, data, rules());
      sealTheDay(journal, weighingDesk);
      desk::Prepared corrected = truck("XY99");
      corrected.customer = QStringLiteral("Harbour plc");
      corrected.operatorName = QStringLiteral("Sam");
      Failure failure;
      QCOMPARE(weighingDesk.correct(4, corrected, "wrong customer", &failure), qint64(7));
      const deskreport::Report report = deskreport::build(
          weighingDesk.state(), deskreport::By::Customer, QString(), QString(), {QTime(6, 0)});
      QStringList keys;
      for (const deskreport::Group &group : report.groups) {
        shown::Sum lines;
        for (const deskreport::Line &line : group.lines) {
          ShownValue net;
          QVERIFY(transactions::shownOf(line.entry->net, &net));
          lines.add(net);
        }
        QCOMPARE(group.nets.value("lbs").result(), lines.result());
        keys << group.key;
      }
      QCOMPARE(keys, QStringList({"Harbour plc", "Quarry Ltd"}));
      QCOMPARE(report.ended.size(), 2);
    }
    const QString csv = dir.filePath("report.csv");
    const RecordsRun written = runRecords({"transaction-report", "--by", "customer", "--csv", csv,
                                           "--journal", journalPath(), "--key", keyPath()});
    QVERIFY2(written.exitCode == 0, qPrintable(written.err));
    QFile table(csv);
    QVERIFY(table.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(table.readAll());
    QVERIFY2(text.contains("Total,\"2 transactions, net 17000 lbs\""), qPrintable(text));
    QVERIFY2(text.contains(",VOID (transaction 6)\r\n") && text.contains(",replaced by 7\r\n"),
             qPrintable(text));
    const RecordsRun printed =
        runRecords({"transaction-report", "--by", "shift", "--pdf", dir.filePath("report.pdf"),
                    "--journal", journalPath(), "--key", keyPath()});
    QVERIFY2(printed.exitCode == 0, qPrintable(printed.err));
  }

  void badInputIsRefusedWithOneMessage_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    QTest::newRow("a record bound already") << "single 2"
                                            << "record 2 is bound to transaction 2";
    QTest::newRow("a second of a vehicle not on site") << "close 6 ZZ1"
                                                       << "vehicle ZZ1 is not on site";
    QTest::newRow("an interim code of no vehicle on site")
        << "close 6 WSF1"
        << "no vehicle on site has the interim ticket WSF1";
    QTest::newRow("a stored tare heavier than the gross")
        << "stored-tare 5 XY99"
        << "the stored tare 6000 lbs is heavier than the gross 500 lbs";
    QTest::newRow("no stored tare") << "stored-tare 6 AB12CD"
                                    << "vehicle AB12CD has no stored tare";
    QTest::newRow("a net of zero") << "open-close 6 7"
                                   << "a net of 0 lbs is not above zero";
    QTest::newRow("a record of another station") << "single 8"
                                                 << "record 8 was taken at station bridge-2";
    QTest::newRow("a record not in the journal") << "single 99"
                                                 << "the journal holds no record 99";
    QTest::newRow("a void by someone not a supervisor")
        << "void 5 Ann"
        << "only a supervisor may void or correct (Sam), not Ann";
    QTest::newRow("a void of a voided one")
        << "void 5 Sam"
        << "transaction 5 was closed, voided or corrected by transaction 6";
    QTest::newRow("a void of a void") << "void 6 Sam"
                                      << "transaction 6 is a void: it stands";
    QTest::newRow("an expired stored tare")
        << "stored-tare 9 XY99"
        << "the stored tare of vehicle XY99 (transaction 3) expired on";
    QTest::newRow("an unregistered vehicle where registration is required")
        << "registered single 6 NEW1"
        << "vehicle NEW1 is not registered";
  }
  void badInputIsRefusedWithOneMessage() {
    QFETCH(QString, action);
    QFETCH(QString, message);
    RecordJournal journal(journalPath(), keyPath());
    masterdata::MasterData data(dir.filePath("desk.sqlite"));
    desk::WeighingDesk weighingDesk(journal, data, rules());
    sealTheDay(journal, weighingDesk);
    Failure failure;
    JournalRecord same = weighed(7, 9000), other = weighed(8, 700);
    other.station = QStringLiteral("bridge-2");
    QCOMPARE(journal.append(same, &failure), qint64(7));
    QCOMPARE(journal.append(other, &failure), qint64(8));
    journal.setClock([] { return qint64(1796601600) + 2 * 86400 + 3600; });
    JournalRecord later = weighed(9, 15000, QStringLiteral("2026-12-09T01:00:00.000Z"));
    QCOMPARE(journal.append(later, &failure), qint64(9));

    // Another desk on the journal acts, under the site's rules.
    desk::Rules deskRules = rules();
    deskRules.requireRegistration = action.startsWith("registered ");
    desk::WeighingDesk actor(journal, data, deskRules);
    QVERIFY(actor.open(&failure));
    const QStringList words = QString(action).remove("registered ").split(' ');
    const qint64 record = words.value(1).toLongLong();
    failure = Failure();
    qint64 sealed = 0;
    if (words[0] == "single")
      sealed = actor.single(record, truck(words.value(2)), &failure);
    else if (words[0] == "close")
      sealed = actor.second(record, words[2], "Ann", &failure);
    else if (words[0] == "stored-tare")
      sealed = actor.withStoredTare(record, truck(words[2]), &failure);
    else if (words[0] == "void")
      sealed = actor.voidTransaction(record, "test", words[2], &failure);
    else if (words[0] == "open-close") {
      QVERIFY(actor.first(record, truck("EQ1", "out"), &failure) > 0);
      sealed = actor.second(words[2].toLongLong(), "EQ1", "Ann", &failure);
    }
    QCOMPARE(sealed, qint64(0));
    QVERIFY2(failure.text().contains(message), qPrintable(failure.text()));
    // Nothing was sealed by the refusal: the transactions verify intact.
    const VerifyReport report = verify();
    QVERIFY2(std::none_of(report.problems.begin(), report.problems.end(),
                          [](const VerifyProblem &p) { return p.text.contains("transaction"); }),
             qPrintable(report.problems.value(0).text));
  }

  void theRulesOfTransactions_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a record bound twice") << "bind"
                                          << "record 1 is bound to transaction 1";
    QTest::newRow("a net that does not follow") << "net"
                                                << "do not follow from its records (102/0/102 lbs)";
    QTest::newRow("a correction that changes the weight")
        << "correct"
        << "does not keep the records and weights of transaction 1";
    QTest::newRow("a void without reason") << "void"
                                           << "it gives no reason";
    QTest::newRow("a second of no first weighing") << "second"
                                                   << "no open first weighing of its vehicle";
    QTest::newRow("a record not in the journal") << "missing"
                                                 << "record 50 is not in the journal";
    QTest::newRow("a gap") << "gap"
                           << "out of its place, after transaction 1";
  }
  // The rules themselves, as the writer and the verifier hold every entry
  // to them, on entries no writer would seal.
  void theRulesOfTransactions() {
    QFETCH(QString, change);
    QFETCH(QString, problem);
    transactions::TransactionCheck check(
        [](qint64 seq) -> std::optional<transactions::RecordFacts> {
          if (seq > 10)
            return std::nullopt;
          return transactions::factsOf(sampleRecord(seq));
        });
    Transaction single;
    single.seq = 1;
    single.kind = transactions::kSingle;
    single.station = QStringLiteral("bridge-1");
    single.firstRecord = 1;
    single.takenAt = QStringLiteral("2026-12-07T10:30:00.000Z");
    QString why;
    QVERIFY(transactions::weigh(&single, transactions::factsOf(sampleRecord(1)), nullptr, nullptr,
                                &why));
    QCOMPARE(check.add(single), QStringList());
    Transaction next = single;
    next.seq = 2;
    if (change == "bind") {
      next.firstRecord = 1;
    } else if (change == "net") {
      next.firstRecord = 2;
    } else if (change == "correct") {
      next.kind = transactions::kCorrection;
      next.refers = 1;
      next.reason = QStringLiteral("typo");
      next.net = QStringLiteral("100");
    } else if (change == "void") {
      next = Transaction{};
      next.seq = 2;
      next.kind = transactions::kVoid;
      next.station = single.station;
      next.takenAt = single.takenAt;
      next.refers = 1;
    } else if (change == "second") {
      next.kind = transactions::kSecond;
      next.refers = 1;
      next.secondRecord = 3;
    } else if (change == "missing") {
      next.firstRecord = 50;
    } else if (change == "gap") {
      next.seq = 3;
      next.firstRecord = 2;
    }
    const QStringList problems = check.add(next);
    QVERIFY2(problems.join('|').contains(problem), qPrintable(problems.join('|')));
  }

  void theCheckFindsAChange_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a customer changed")
        << "UPDATE transactions SET customer = 'Other' WHERE seq = 2"
        << "transaction 2: its seal does not match its contents";
    QTest::newRow("a net changed") << "UPDATE transactions SET net = '9000' WHERE seq = 2"
                                   << "transaction 2: its seal does not match";
    QTest::newRow("another record bound")
        << "UPDATE transactions SET first_record = 6 WHERE seq = 5"
        << "transaction 5: its seal does not match";
    QTest::newRow("a void removed") << "DELETE FROM transactions WHERE seq = 6"
                                    << "transaction 6, which the head witnessed, is missing";
    QTest::newRow("the table dropped") << "DROP TABLE transactions"
                                       << "transaction 6, which the head witnessed, is missing";
    QTest::newRow("a value of another kind") << "UPDATE transactions SET note = '' WHERE seq = 1"
                                             << "transaction 1: a value of the wrong kind";
    QTest::newRow("a row outside the sequence")
        << "INSERT INTO transactions SELECT 0, kind, refers, tare_entry, station, first_record, "
           "first_seal, second_record, second_seal, vehicle, container, customer, product, "
           "haulier, reference, direction, unit, gross, tare, net, valid_until, operator, note, "
           "reason, taken_at, mac FROM transactions WHERE seq = 5"
        << "transaction 0: out of its place";
  }
  void theCheckFindsAChange() {
    QFETCH(QString, statement);
    QFETCH(QString, problem);
    {
      RecordJournal journal(journalPath(), keyPath());
      masterdata::MasterData data(dir.filePath("desk.sqlite"));
      desk::WeighingDesk weighingDesk(journal, data, rules());
      sealTheDay(journal, weighingDesk);
    }
    tamper(journalPath(), {statement});
    const VerifyReport report = verify();
    QCOMPARE(report.outcome, VerifyReport::Outcome::Broken);
    QVERIFY2(std::any_of(report.problems.begin(), report.problems.end(),
                         [&](const VerifyProblem &p) { return p.text.contains(problem); }),
             qPrintable(report.problems.value(0).text));
  }

  // Two desks on one journal, each in its own process: one gap-free order
  // of transactions, and a record bound once whichever desk comes first.
  void twoDesksAtOnce() {
    {
      RecordJournal journal(journalPath(), keyPath());
      weighTheDay(journal);
    }
    const QStringList common{"--journal", journalPath(), "--key", keyPath(), "--operator", "Ann"};
    QProcessEnvironment station = QProcessEnvironment::systemEnvironment();
    station.insert("WEIGHSTATION_STATION", "bridge-1");
    QList<QProcess *> desks;
    for (const char *record : {"1", "2", "3", "4", "5", "6", "1", "2"}) {
      auto *process = new QProcess(this);
      process->setProcessEnvironment(station);
      process->start(qEnvironmentVariable("TEST_RECORDS_BIN"),
                     QStringList{"transaction", "single", "--record", record} + common);
      desks << process;
    }
    int sealed = 0, refused = 0;
    for (QProcess *process : desks) {
      QVERIFY(process->waitForFinished(60000));
      const QString err = QString::fromUtf8(process->readAllStandardError());
      if (process->exitCode() == 0)
        ++sealed;
      else if (err.contains("is bound to transaction"))
        ++refused;
      else
        QFAIL(qPrintable(err));
    }
    QCOMPARE(sealed, 6);
    QCOMPARE(refused, 2);
    const RecordsRun listed =
        runRecords({"transaction", "list", "--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(listed.out.count('\n'), 6);
    const VerifyReport report = verify();
    QVERIFY2(report.outcome == VerifyReport::Outcome::Intact,
             qPrintable(report.problems.value(0).text));
  }

  void shiftsGroupAsTheSiteWorks_data() {
    QTest::addColumn<QString>("sealed");  // UTC; the tests' local time is UTC
    QTest::addColumn<QString>("shift");
    QTest::newRow("before the first shift: the night before's") << "2026-12-07T05:59:59.000Z"
                                                                << "2026-12-06 22:00";
    QTest::newRow("the first shift's first minute") << "2026-12-07T06:00:00.000Z"
                                                    << "2026-12-07 06:00";
    QTest::newRow("the last minute of the first") << "2026-12-07T13:59:00.000Z"
                                                  << "2026-12-07 06:00";
    QTest::newRow("the night shift") << "2026-12-07T22:30:00.000Z"
                                     << "2026-12-07 22:00";
    QTest::newRow("the night shift after midnight") << "2026-12-08T03:00:00.000Z"
                                                    << "2026-12-07 22:00";
  }
  void shiftsGroupAsTheSiteWorks() {
    QFETCH(QString, sealed);
    QFETCH(QString, shift);
    transactions::TransactionCheck state([](qint64) { return std::nullopt; });
    Transaction entry;
    entry.seq = 1;
    entry.kind = transactions::kSingle;
    entry.firstRecord = 1;
    entry.unit = QStringLiteral("kg");
    entry.gross = entry.net = QStringLiteral("12.5");
    entry.tare = QStringLiteral("0.0");
    entry.takenAt = sealed;
    state.take(entry);
    QList<QTime> starts;
    QVERIFY(deskreport::parseShifts("14:00, 06:00,22:00", &starts));  // in any order
    const deskreport::Report report =
        deskreport::build(state, deskreport::By::Shift, QString(), QString(), starts);
    QCOMPARE(report.groups.size(), 1);
    QCOMPARE(report.groups.first().key, shift);
    QCOMPARE(deskreport::sumsText(report.count, report.nets),
             QString("1 transactions, net 12.5 kg"));
  }

  void csvFieldsAreReadAsWritten_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("records");
    QTest::addColumn<qint64>("badLine");  // 0: read
    QTest::newRow("quoted comma, quote and line break") << "a,\"b, \"\"c\"\"\nd\"\r\ne,f\r\n"
                                                        << 2 << qint64(0);
    QTest::newRow("no line break at the end") << "a,b\nc,d" << 2 << qint64(0);
    QTest::newRow("a quote left open") << "a,b\nc,\"d\n" << 0 << qint64(2);
    QTest::newRow("text after a closing quote") << "\"a\"x,b\n" << 0 << qint64(1);
    QTest::newRow("a quote inside a plain field") << "a,b\"c\n" << 0 << qint64(1);
  }
  void csvFieldsAreReadAsWritten() {
    QFETCH(QString, text);
    QFETCH(int, records);
    QFETCH(qint64, badLine);
    QList<QStringList> read;
    qint64 bad = 0;
    QCOMPARE(masterdata::parseCsv(text, &read, &bad), badLine == 0);
    QCOMPARE(bad, badLine);
    if (badLine == 0) {
      QCOMPARE(read.size(), records);
      QString again;
      for (const QStringList &record : read)
        again += masterdata::csvLine(record) + "\r\n";
      QList<QStringList> twice;
      QVERIFY(masterdata::parseCsv(again, &twice, &bad));
      QCOMPARE(twice, read);
    }
  }

  void commandLineMistakes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no record") << QStringList{"transaction", "single"}
                               << "transaction: single needs --record SEQ";
    QTest::newRow("no transaction to void") << QStringList{"transaction", "void", "--record", "1"}
                                            << "transaction: void needs --transaction SEQ";
    QTest::newRow("no such action") << QStringList{"transaction", "weigh", "--record", "1"}
                                    << "transaction: no action weigh (try --help)";
    QTest::newRow("no journal yet")
        << QStringList{"transaction", "list"} << "the monitor makes it with its first record";
    QTest::newRow("no such table") << QStringList{"desk-data", "trucks", "list"}
                                   << "desk-data: no table trucks: vehicles, customers or products";
  }
  // One line, exit status 2, and never a journal made.
  void commandLineMistakes() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const RecordsRun run =
        runRecords(arguments + (arguments[0] == "transaction"
                                    ? QStringList{"--journal", journalPath(), "--key", keyPath()}
                                    : QStringList{"--journal", journalPath()}));
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.trimmed().endsWith(message) && run.err.trimmed().count('\n') == 0,
             qPrintable(run.err));
    QVERIFY(!QFile::exists(journalPath()));
  }

  void masterDataGoesOutAndInAsCsv() {
    masterdata::MasterData data(dir.filePath("desk.sqlite"));
    Failure failure;
    QVERIFY(data.open(&failure));
    QVERIFY(
        data.put("vehicles", {"ab 12-cd", "Haul, \"Co\"", "Quarry\nLtd", "Gravel", ""}, &failure));
    QVERIFY(data.put("vehicles", {"XY99", "Road Co"}, &failure));
    QCOMPARE(data.find("vehicles", "AB12CD")->value(1), QStringLiteral("Haul, \"Co\""));
    const QString csv = dir.filePath("vehicles.csv");
    QVERIFY(data.exportCsv("vehicles", csv, &failure));
    masterdata::MasterData other(dir.filePath("other.sqlite"));
    qint64 rows = 0;
    QVERIFY(other.open(&failure));
    QVERIFY2(other.importCsv("vehicles", csv, &rows, &failure), qPrintable(failure.text()));
    QCOMPARE(rows, qint64(2));
    QCOMPARE(other.rows("vehicles", &failure), data.rows("vehicles", &failure));
    // A file with one bad row imports nothing.
    QFile bad(dir.filePath("bad.csv"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("registration,haulier,customer,product,container\nNEW1,a,b,c,d\nNEW2,a\n");
    bad.close();
    QVERIFY(!other.importCsv("vehicles", bad.fileName(), &rows, &failure));
    QVERIFY2(failure.text().contains("row 3"), qPrintable(failure.text()));
    QVERIFY(!other.find("vehicles", "NEW1"));
  }
};

QTEST_GUILESS_MAIN(TransactionsTest)
#include "tst_transactions.moc"

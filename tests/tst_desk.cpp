// The weighing desk's window beside a journal another writer fills as the
// monitor does: a prepared transaction bound to the next record within a
// tick of its commit, its ticket printed; a second weighing recalled by the
// scanned interim code; a printer gone leaves the ticket waiting; a desk
// started before the journal picks it up when it appears.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "deskwindow/deskwindow.h"
#include "journalcase.h"
#include "modalanswerer.h"
#include "monitorrun.h"
#include "recordscommand.h"

class DeskTest : public QObject, JournalCase {
  Q_OBJECT

  QString tickets() const { return dir.filePath("tickets"); }

  // Record n showing `total` lbs, committed as the monitor commits it.
  void weigh(qint64 n, double total) {
    RecordJournal monitor(journalPath(), keyPath(), QStringLiteral("monitor"));
    JournalRecord record = sampleRecord(n);
    record.total = total + 0.0003;
    record.scales[0].weight = record.scales[0].gross = total + 0.0001;
    Failure failure;
    QCOMPARE(monitor.append(record, &failure), n);
  }

  DeskWindow::Setup setup() const {
    DeskWindow::Setup setup;
    setup.journal = journalPath();
    setup.key = keyPath();
    setup.deskData = dir.filePath("desk.sqlite");
    setup.rules.station = QStringLiteral("bridge-1");
    setup.rules.supervisors = QStringList{QStringLiteral("Sam")};
    return setup;
  }

  static void prepare(DeskWindow &window, DeskWindow::Kind kind, const QString &vehicle) {
    window.findChild<QComboBox *>("kind")->setCurrentIndex(int(kind));
    window.findChild<QLineEdit *>("vehicle")->setText(vehicle);
    window.findChild<QLineEdit *>("operator")->setText("Ann");
  }

 private Q_SLOTS:
  void initTestCase() {
    startTheClockOnTheRecordsDay();
    QVERIFY(QDir().mkpath(tickets()));
    masterdata::MasterData data(dir.filePath("desk.sqlite"));
    Failure failure;
    QVERIFY(data.open(&failure));
    QVERIFY(data.put("vehicles", {"AB12CD", "Road Co", "Quarry Ltd", "Gravel"}, &failure));
  }

  // A desk started before the journal: it waits, then follows it.
  void aTwoPassDayAtTheDesk() {
    DeskWindow window(setup());
    window.printer().usePdfFolder(tickets());
    auto *status = window.findChild<QLabel *>("status");
    QTRY_VERIFY2(status->text().contains("Waiting for the journal"), qPrintable(status->text()));
    weigh(1, 500);
    QTRY_VERIFY(window.state() != nullptr);

    prepare(window, DeskWindow::Kind::FirstIn, "ab 12 cd");
    window.findChild<QPushButton *>("arm")->click();
    QVERIFY(window.armed());
    QElapsedTimer sinceCommit;
    weigh(2, 14000);
    sinceCommit.start();
    QTRY_COMPARE(window.state()->lastSeq(), qint64(1));
    QVERIFY2(sinceCommit.elapsed() < 1000, qPrintable(QString::number(sinceCommit.elapsed())));
    const Transaction *first = window.state()->entry(1);
    QCOMPARE(first->firstRecord, qint64(2));
    QCOMPARE(first->customer, QStringLiteral("Quarry Ltd"));  // recalled from the vehicle
    QTRY_VERIFY(QFile::exists(QDir(tickets()).filePath("transaction-1.pdf")));
    QCOMPARE(window.findChild<QListWidget *>("onSite")->count(), 1);

    // The handheld scanner types the interim code and Enter.
    window.findChild<QComboBox *>("kind")->setCurrentIndex(int(DeskWindow::Kind::Second));
    auto *recall = window.findChild<QLineEdit *>("recall");
    recall->setText(desk::interimCode(1));
    QTest::keyClick(recall, Qt::Key_Return);
    weigh(3, 6000);
    QTRY_COMPARE(window.state()->lastSeq(), qint64(2));
    QCOMPARE(window.state()->entry(2)->net, QStringLiteral("8000"));
    QCOMPARE(window.findChild<QListWidget *>("onSite")->count(), 0);
    const QString ticket = QDir(tickets()).filePath("transaction-2.pdf");
    QTRY_VERIFY(QFile::exists(ticket));
    const RecordsRun checked = checkPrintedTicket(ticket, dir.filePath("journal.verification-key"));
    QVERIFY2(checked.out.contains("transaction 2 (second)") && checked.out.contains("net 8000 lbs"),
             qPrintable(checked.out + checked.err));

    // The printer gone: the ticket waits, in the queue the operator sees
    // and in the desk's file, until it prints.
    window.printer().usePrinter("printer-that-was-unplugged");
    prepare(window, DeskWindow::Kind::Single, "");
    window.findChild<QPushButton *>("arm")->click();
    weigh(4, 900);
    QTRY_COMPARE(window.state()->lastSeq(), qint64(3));
    QTRY_COMPARE(window.findChild<QListWidget *>("queue")->count(), 1);
    QVERIFY(!QFile::exists(QDir(tickets()).filePath("transaction-3.pdf")));
    window.printer().usePdfFolder(tickets());
    window.printWaiting();
    QVERIFY(QFile::exists(QDir(tickets()).filePath("transaction-3.pdf")));
    QCOMPARE(window.findChild<QListWidget *>("queue")->count(), 0);

    const VerifyReport report = verify();
    QVERIFY2(report.outcome == VerifyReport::Outcome::Intact,
             qPrintable(report.problems.value(0).text));
  }

  // A journal changed behind the desk's back: the desk says so in red, and
  // the tickets it prints say UNVERIFIED.
  void aJournalThatFailsItsCheckMarksItsTickets() {
    startAJournal();
    weigh(1, 500);
    weigh(2, 700);
    tamper(journalPath(),
           {"UPDATE records SET total_line = 'GROSS TOTAL, lbs, 5000' WHERE seq = 1"});
    DeskWindow window(setup());
    window.printer().usePdfFolder(tickets());
    auto *status = window.findChild<QLabel *>("status");
    QTRY_VERIFY2(status->text().contains("The journal fails its check"),
                 qPrintable(status->text()));
    prepare(window, DeskWindow::Kind::Single, "");
    window.findChild<QPushButton *>("arm")->click();
    weigh(3, 900);
    QTRY_VERIFY(window.state() && window.state()->boundTo(3) > 0);
    QProcess text;
    text.start("pdftotext",
               {QDir(tickets()).filePath(
                    QStringLiteral("transaction-%1.pdf").arg(window.state()->boundTo(3))),
                "-"});
    QVERIFY(text.waitForFinished());
    QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains("UNVERIFIED"));
  }

  // The desk beside the real monitor: an operator connects the indicators,
  // zeroes scale 2 and takes a record (444 lbs), pulls scale 3's adapter and
  // takes another (111 lbs); the desk, started before the journal was made,
  // binds the first as the truck's first weighing and the second, recalled
  // by the interim code, as its second. The final ticket scans and checks
  // genuine.
  void aTwoPassWeighingBesideTheMonitor() {
    if (qEnvironmentVariable("E2E_DRIVER").isEmpty())
      QSKIP("run by ctest as tst_desk_with_the_monitor");
    // The monitor seals at the real time, and so does the desk beside it.
    RecordJournal::defaultClock() = [] { return QDateTime::currentSecsSinceEpoch(); };
    Simulator sim;
    QVERIFY(sim.start({"weight=111", "weight=222", "weight=333,hangup-on-signal=1"}));
    QTemporaryDir run;
    DeskWindow::Setup desk = setup();
    desk.journal = run.filePath("journal.sqlite");
    desk.key = run.filePath("journal.key");
    desk.rules.station = journalfiles::stationName();
    DeskWindow window(desk);
    window.printer().usePdfFolder(run.path());
    prepare(window, DeskWindow::Kind::FirstIn, "AB12CD");
    window.findChild<QPushButton *>("arm")->click();
    // As soon as the first weighing is sealed, the second is prepared, its
    // interim code scanned.
    connect(&window, &DeskWindow::sealed, &window, [&window](qint64 seq) {
      if (seq != 1)
        return;
      window.findChild<QComboBox *>("kind")->setCurrentIndex(int(DeskWindow::Kind::Second));
      auto *recall = window.findChild<QLineEdit *>("recall");
      recall->setText(desk::interimCode(1));
      QTest::keyClick(recall, Qt::Key_Return);
    });
    ModalAnswerer boxes;  // a refusal's box is closed, and said below
    Monitor monitor("operator", sim, run, QString(), journalIn(run));
    QTRY_VERIFY2_WITH_TIMEOUT(
        window.state() && window.state()->lastSeq() == 2,
        qPrintable(window.findChild<QLabel *>("status")->text() +
                   (boxes.seen.isEmpty() ? QString() : " / " + boxes.seen[0].text)),
        30000);
    const Run finished = monitor.finish();
    QVERIFY2(finished.report["done"].toBool(), qPrintable(finished.output));
    const Transaction *second = window.state()->entry(2);
    QCOMPARE(QStringList({second->gross, second->tare, second->net, second->unit}),
             QStringList({"444", "111", "333", "lbs"}));
    const QString ticket = run.filePath("transaction-2.pdf");
    QTRY_VERIFY(QFile::exists(ticket));
    const RecordsRun checked = checkPrintedTicket(ticket, run.filePath("journal.verification-key"));
    QVERIFY2(checked.out.contains("transaction 2 (second)") &&
                 checked.out.contains("gross 444 lbs tare 111 lbs net 333 lbs"),
             qPrintable(checked.out + checked.err));
  }
};

QTEST_MAIN(DeskTest)
#include "tst_desk.moc"

// The records viewer over a generated journal: order, filter and summed
// total; the badge on an intact and on a tampered journal; an export equal
// to the records command's; a ticket's PDF; new records followed; and no
// write through its connection.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <numeric>

#include "journal/journal.h"
#include "journal/shippingledger.h"
#include "recordscommand.h"
#include "viewer/exporter.h"
#include "viewer/recordschart.h"
#include "viewer/recordsmodel.h"
#include "viewer/recordtext.h"
#include "viewer/verification.h"
#include "viewer/viewerwindow.h"

namespace {
// A PDF's text, its lines laid out as on the page.
QString pdfText(const QString &pdf) {
  QProcess text;
  text.start("pdftotext", {"-layout", pdf, "-"});
  if (!text.waitForFinished())
    return QString();
  return QString::fromUtf8(text.readAllStandardOutput());
}
// Its words, one space apart.
QString pdfWords(const QString &pdf) {
  return pdfText(pdf).simplified();
}

// Record n: taken on day 1 + n / 100 of December, total n (a minus for
// every tenth), on a station of scales 1 and 2.
JournalRecord generated(int n) {
  JournalRecord r;
  r.takenAt = QDateTime(QDate(2026, 12, 1 + n / 100), QTime(12, 0), Qt::UTC)
                  .addSecs(n)
                  .toString(Qt::ISODateWithMs);
  r.timeText = QStringLiteral("12:00:00 pm");
  r.dateText = QStringLiteral("12/01/2026");
  r.station = QStringLiteral("bridge-2");
  r.total = n;
  r.totalSign = n % 10 == 0 ? QStringLiteral("-") : QStringLiteral("+");
  r.totalUnit = QStringLiteral("kg");
  r.netGross = QStringLiteral("GROSS");
  r.totalLine = QStringLiteral("GROSS TOTAL, kg, %1%2").arg(r.totalSign == "-" ? "-" : "").arg(n);
  r.block = QStringLiteral(
                "\r\n12:00:00 pm, 12/01/2026\r\nScale#, Unit, Gross, Net, Tare\r\n%1\r\n"
                "01, kg, %2, %2, 0\r\n02, kg, 0, 0, 0\r\n")
                .arg(r.totalLine)
                .arg(n)
                .toLatin1();
  r.scales[0] = {true, QStringLiteral("ttyUSB0"), 0, double(n), 0, double(n), 0};
  r.scales[1] = {true, QStringLiteral("ttyUSB1"), 0, 0, 0, 0, 0};
  r.overLimit = QStringLiteral("10000");
  r.underLimit = QStringLiteral("0");
  r.program = QStringLiteral("weighstation");
  r.version = QStringLiteral("1.0.0");
  return r;
}
}  // namespace

class ViewerTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir;
  // Each case has its own copy of one journal of 300 records (its key and
  // head with it): what a case appends or tampers with stays its own.
  QString folder() const { return dir.filePath(QString::fromLatin1(QTest::currentTestFunction())); }
  QString journal() const { return folder() + "/journal.sqlite"; }
  QString key() const { return folder() + "/journal.key"; }

  void append(int from, int to) {
    RecordJournal writer(journal(), key(), QStringLiteral("test-writer"));
    Failure error;
    for (int n = from; n <= to; ++n) {
      JournalRecord record = generated(n);
      QVERIFY2(writer.append(record, &error) == n, qPrintable(error.text()));
    }
  }
  // A window whose first check has ended.
  std::unique_ptr<ViewerWindow> open() {
    auto window = std::make_unique<ViewerWindow>(journal(), key(), QString(), printouts::Site());
    if (window->isOpen() &&
        !QTest::qWaitFor([&window] { return window->verification()->isDone(); }, 10000))
      qWarning("the viewer's check did not end");
    return window;
  }

 private Q_SLOTS:
  void initTestCase() {
    // The records are dated from 2026-12-01: the journal's keys start before.
    RecordJournal::defaultClock() = [] { return qint64(1795996800); };
    QVERIFY(QDir(dir.path()).mkpath("initTestCase"));
    append(1, 300);
  }
  void init() {
    const QDir pristine(dir.filePath("initTestCase"));
    QVERIFY(QDir().mkpath(folder()));
    for (const QString &name : pristine.entryList(QDir::Files)) {
      QFile::remove(folder() + '/' + name);  // a row before of the same case
      QVERIFY(QFile::copy(pristine.filePath(name), folder() + '/' + name));
    }
  }

  // A viewer opened before its journal exists (a new station's first day)
  // picks the journal up when the monitor makes it.
  void aJournalThatAppearsIsPickedUp() {
    for (const QString &name : QDir(folder()).entryList(QDir::Files | QDir::Hidden))
      QVERIFY(QFile::remove(folder() + '/' + name));
    ViewerWindow window(journal(), key(), QString(), printouts::Site());
    QVERIFY(!window.isOpen());
    append(1, 3);
    QTRY_VERIFY_WITH_TIMEOUT(window.isOpen(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window.model()->rowCount(), 3, 5000);
    append(4, 4);
    QTRY_COMPARE_WITH_TIMEOUT(window.model()->rowCount(), 4, 5000);
  }

  // A journal moved away while the viewer shows it (put aside by a person,
  // then restored from a backup, or made anew by the monitor): the viewer
  // lets go of it and shows the journal at its path once one is there.
  void aJournalReplacedAtItsPathIsFollowed() {
    auto window = open();
    QCOMPARE(window->model()->seqAt(0), qint64(300));
    const QString aside = folder() + "/aside";
    QVERIFY(QDir().mkpath(aside));
    for (const char *suffix : {"", "-wal", "-shm"})
      if (QFile::exists(journal() + suffix))
        QVERIFY(QFile::rename(journal() + suffix, aside + "/journal.sqlite" + QString(suffix)));
    QTRY_VERIFY_WITH_TIMEOUT(!window->isOpen(), 5000);
    for (const QString &name : QDir(folder()).entryList({"journal.*"}, QDir::Files))
      QVERIFY(QFile::rename(folder() + '/' + name, aside + '/' + name));
    append(1, 2);
    QTRY_VERIFY_WITH_TIMEOUT(window->isOpen(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->model()->rowCount(), 2, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(window->verification()->isDone(), 10000);
    QVERIFY2(window->findChild<QLabel *>("badge")->text().contains("2 records"),
             qPrintable(window->findChild<QLabel *>("badge")->text()));
  }

  void newestFirstFilteredAndSummed() {
    auto window = open();
    RecordsModel *model = window->model();
    QCOMPARE(model->data(model->index(0, RecordsModel::Seq)).toLongLong(), qint64(300));
    QCOMPARE(model->data(model->index(0, RecordsModel::Total)).toString(),
             QString("-300 kg GROSS"));
    QCOMPARE(model->data(model->index(0, RecordsModel::FirstScale)).toString(), QString("300"));
    QCOMPARE(model->data(model->index(0, RecordsModel::FirstScale + 3)).toString(), QString("0"));
    QVERIFY(model->data(model->index(0, RecordsModel::FirstScale + 6)).toString().isEmpty());

    // 12-02 holds records 100 to 199; text "99" narrows them to 199.
    window->findChild<QLineEdit *>("filterText")->setText("99");
    JournalFilter filter = window->filterShown();
    Failure error;
    filter.takenFrom = journaldates::takenAtBound("2026-12-02", false, &error);
    filter.takenTo = journaldates::takenAtBound("2026-12-02", true, &error);
    model->setFilter(filter);
    while (model->canFetchMore())
      model->fetchMore();
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->seqAt(0), qint64(199));

    // Records 1..300 sum to 45150, less twice the thirty tenths (4650).
    const JournalTotals totals = window->reader().totals({}, &error);
    QCOMPARE(totals.count, qint64(300));
    QCOMPARE(totals.sumByUnit.value(0).second.value(), 45150.0 - 2 * 4650.0);
    QCOMPARE(recordtext::totalsLine(totals), QString("300 records, summed 35850 kg"));
  }

  void theViewerCannotWrite() {
    auto window = open();
    QSqlQuery query(window->reader().database());
    QVERIFY(!query.exec("UPDATE records SET total = 1 WHERE seq = 1"));
    QVERIFY2(query.lastError().text().contains("readonly"), qPrintable(query.lastError().text()));
  }

  void anExportEqualsTheCommands() {
    auto window = open();
    Failure error;
    QSignalSpy finished(window->exporter(), &Exporter::finished);
    QVERIFY2(window->exportShown(ExportFormat::Csv, dir.filePath("viewer.csv"), false, &error),
             qPrintable(error.text()));
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toLongLong(), qint64(300));
    QCOMPARE(runRecords({"export", "--journal", journal(), "--key", key(), "--csv",
                         dir.filePath("command.csv")})
                 .exitCode,
             0);
    QFile a(dir.filePath("viewer.csv")), b(dir.filePath("command.csv"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
  }

  // A cancelled export ends at once and leaves nothing behind.
  void aCancelledExportLeavesNothing() {
    auto window = open();
    Failure error;
    QSignalSpy finished(window->exporter(), &Exporter::finished);
    QVERIFY(window->exportShown(ExportFormat::Xlsx, dir.filePath("cancelled.xlsx"), false, &error));
    window->exporter()->cancel();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().at(0).toLongLong(), qint64(-1));
    QCOMPARE(finished.first().at(1).value<Failure>().kind(), Failure::Kind::Cancelled);
    QCOMPARE(QDir(dir.path())
                 .entryList({"cancelled*", ".weighstation-partial-*"}, QDir::Files | QDir::Hidden),
             QStringList());
  }

  // The status line reads the shipping ledger: nothing before anything was
  // shipped, then what waits.
  void theShippingStatusReadsTheLedger() {
    QVERIFY(!open()->findChild<QLabel *>("shipping")->isVisibleTo(nullptr));
    {
      ShippingLedger ledger(journal(), "postgresql://site/records", "test-ledger");
      Failure error;
      QVERIFY2(ledger.open(&error), qPrintable(error.text()));
      QVERIFY2(ledger.acknowledge(250, &error), qPrintable(error.text()));
    }
    auto window = open();
    auto *status = window->findChild<QLabel *>("shipping");
    QVERIFY(status->isVisibleTo(window.get()));
    QVERIFY2(status->text().startsWith(
                 "Central records (postgresql://site/records): 50 records waiting, last shipped "),
             qPrintable(status->text()));
    // From the first failed try on, before anything was ever published:
    // what waits and why; once reached again, the cursor as before.
    {
      ShippingLedger ledger(journal(), "mqtt://broker:1883", "test-mqtt-ledger",
                            ShippingLedger::Kind::Mqtt);
      Failure error;
      QVERIFY2(ledger.open(&error) && ledger.noteLastTry("connection refused", &error) &&
                   ledger.noteLastTry("no route to host", &error),
               qPrintable(error.text()));
    }
    window.reset();
    window = open();
    status = window->findChild<QLabel *>("shipping");
    QVERIFY2(status->text().endsWith("; MQTT (mqtt://broker:1883): not yet shipped: 300 records, "
                                     "last try: no route to host"),
             qPrintable(status->text()));
    QVERIFY(!status->text().contains("problems"));
    {
      ShippingLedger ledger(journal(), "mqtt://broker:1883", "test-mqtt-ledger",
                            ShippingLedger::Kind::Mqtt);
      Failure error;
      QVERIFY2(ledger.open(&error) && ledger.noteLastTry(QString(), &error),
               qPrintable(error.text()));
    }
    window.reset();
    window = open();
    QVERIFY2(!window->findChild<QLabel *>("shipping")->text().contains("MQTT"),
             qPrintable(window->findChild<QLabel *>("shipping")->text()));
  }

  void aTicketHoldsTheRecordAndItsCode() {
    auto window = open();
    Failure error;
    const QString pdf = dir.filePath("ticket.pdf");
    QVERIFY2(window->saveTicket(0, pdf, false, &error), qPrintable(error.text()));
    const QString printed = pdfWords(pdf);
    for (const QString &expected :
         {QString("Weighing ticket"), QString("Seq: 300"), QString("- 300 kg GROSS"),
          QString("Scale 3 not connected"), QString("Journal checked: intact, seq 1..300"),
          QString("Printed "), recordtext::verificationCode(window->model()->macAt(0)),
          QString("not an instrument")})
      QVERIFY2(printed.contains(expected), qPrintable(expected + " not in:\n" + printed));
    QVERIFY(!printed.contains("UNVERIFIED"));
    // Its numbers as shown: the stored -299.9999... of a biased reading is
    // never printed.
    QVERIFY(!printed.contains("299.9"));
  }

  // A report's grand total is the sum of its lines, to the last digit, and
  // each page says which of how many it is.
  void aReportAddsUpToItsLines() {
    auto window = open();
    Failure error;
    const QString pdf = dir.filePath("report.pdf");
    QVERIFY2(window->saveReport(pdf, &error), qPrintable(error.text()));

    const QString printed = pdfText(pdf);
    static const QRegularExpression recordLine(
        QStringLiteral("(-?\\d+(?:\\.\\d+)?) +kg +GROSS +\\d+ +\\d+ +[0-9A-F]{4}-"));
    qint64 sum = 0;
    int lines = 0;
    for (auto match = recordLine.globalMatch(printed); match.hasNext(); ++lines)
      sum += match.next().captured(1).toLongLong();
    QCOMPARE(lines, 300);
    const QRegularExpressionMatch total =
        QRegularExpression(QStringLiteral("total: 300 records +(-?\\d+) +kg")).match(printed);
    QVERIFY2(total.hasMatch(), qPrintable(printed.right(2000)));
    QCOMPARE(total.captured(1).toLongLong(), sum);
    // Days in local time, as the records were taken in UTC.
    QList<qint64> days;
    static const QRegularExpression dayLine(QStringLiteral("day: (\\d+) records? +(-?\\d+) +kg"));
    qint64 daySum = 0;
    for (auto match = dayLine.globalMatch(printed); match.hasNext();) {
      const QRegularExpressionMatch day = match.next();
      days << day.captured(1).toLongLong();
      daySum += day.captured(2).toLongLong();
    }
    QCOMPARE(std::accumulate(days.cbegin(), days.cend(), qint64(0)), qint64(300));
    QCOMPARE(daySum, sum);
    const int pages = printed.count(QStringLiteral("Weighing report"));
    QVERIFY(pages > 1);
    QVERIFY2(printed.contains(QStringLiteral("page %1 of %1").arg(pages)), qPrintable(printed));
    QVERIFY(printed.contains("Journal checked: intact, seq 1..300"));
  }

  void newRecordsAppearAndAreChecked() {
    auto window = open();
    append(301, 302);
    window->follow();
    QCOMPARE(window->model()->seqAt(0), qint64(302));
    QTRY_COMPARE_WITH_TIMEOUT(window->findChild<QLabel *>("badge")->text(),
                              QString("Journal intact: 302 records"), 10000);
  }

  void aTamperedJournalIsMarked() {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "shell");
      db.setDatabaseName(journal());
      QVERIFY(db.open());
      QVERIFY(QSqlQuery(db).exec("UPDATE records SET total = 7 WHERE seq = 250"));
    }
    QSqlDatabase::removeDatabase("shell");
    auto window = open();
    QVERIFY(window->findChild<QLabel *>("badge")->text().startsWith("Journal broken at seq 250: "));
    RecordsModel *model = window->model();
    auto marked = [model](qint64 seq) {
      const qint64 row = model->seqAt(0) - seq;  // newest first, no gaps
      return model->data(model->index(int(row), 0), Qt::BackgroundRole).isValid();
    };
    QVERIFY(marked(250));
    QVERIFY(marked(300));
    QVERIFY(!marked(249));
    Failure error;
    QVERIFY(!window->exportShown(ExportFormat::Csv, dir.filePath("refused.csv"), false, &error));
    QVERIFY(!QFile::exists(dir.filePath("refused.csv")));

    // On paper: a ticket of a record from the bad one on only on purpose,
    // and every printout of this journal says UNVERIFIED.
    QVERIFY(!window->saveTicket(0, dir.filePath("refused.pdf"), false, &error));
    QCOMPARE(error.seq(), qint64(300));
    QVERIFY(!QFile::exists(dir.filePath("refused.pdf")));
    const QString unverified = "UNVERIFIED: the journal fails its check at seq 250";
    QVERIFY2(window->saveTicket(0, dir.filePath("marked.pdf"), true, &error),
             qPrintable(error.text()));
    QVERIFY2(pdfWords(dir.filePath("marked.pdf")).contains(unverified),
             qPrintable(pdfWords(dir.filePath("marked.pdf"))));
    QVERIFY(
        window->saveTicket(int(model->seqAt(0) - 249), dir.filePath("before.pdf"), false, &error));
    const QString before = pdfWords(dir.filePath("before.pdf"));
    QVERIFY(before.contains("Seq: 249") && before.contains(unverified));
    QVERIFY(window->saveReport(dir.filePath("report.pdf"), &error));
    QVERIFY(pdfWords(dir.filePath("report.pdf")).contains(unverified));
  }

  // The chart's time labels never repeat, whatever the span.
  void timeLabelsAreDistinct_data() {
    QTest::addColumn<qint64>("spanMs");
    for (const qint64 span : {qint64(0), qint64(900), qint64(3000), qint64(600000),
                              qint64(5 * 3600000), qint64(30 * 3600000), qint64(3 * 86400000)})
      QTest::newRow(qPrintable(QString::number(span))) << span;
  }
  void timeLabelsAreDistinct() {
    QFETCH(qint64, spanMs);
    const qint64 first = QDateTime(QDate(2026, 12, 1), QTime(23, 59, 58)).toMSecsSinceEpoch();
    const chartaxis::TimeAxisPlan plan = chartaxis::timeAxis(first, first + spanMs);
    QStringList labels;
    for (int i = 0; i < plan.ticks; ++i)
      labels << QDateTime::fromMSecsSinceEpoch(plan.firstMs +
                                               (plan.lastMs - plan.firstMs) * i / (plan.ticks - 1))
                    .toString(plan.format);
    QCOMPARE(QSet<QString>(labels.cbegin(), labels.cend()).size(), labels.size());
    QVERIFY(plan.firstMs <= first && plan.lastMs >= first + spanMs);
  }

  void theLineBreaksAtLongPauses() {
    QList<qint64> steady;  // every 10 s, then a night, then every 10 s
    for (int i = 0; i < 20; ++i)
      steady << i * 10000LL + (i >= 10 ? 8 * 3600000LL : 0);
    QCOMPARE(chartaxis::segmentStarts(steady), (QList<int>{0, 10}));
    QList<qint64> bursts;  // 150 ms apart, with pauses of seconds: one line
    for (int i = 0; i < 40; ++i)
      bursts << i * 150LL + (i / 5) * 3000LL;
    QCOMPARE(chartaxis::segmentStarts(bursts), (QList<int>{0}));
    QCOMPARE(chartaxis::segmentStarts({5}), (QList<int>{0}));
  }
};

QTEST_MAIN(ViewerTest)
#include "tst_viewer.moc"

// Figures of the weighing desk over a journal of RECORDS records and a
// tenth as many transactions (default 1,000,000 and 100,000), each as a
// ratio to its limit:
// - the desk's start, to its transactions read and its latest records
//   shown (limit 1 s);
// - from a record's commit to its transaction sealed and its ticket's PDF
//   written, the 99th percentile of 50 (limit 300 ms), while the desk's
//   check of the whole journal runs beside it as at every start;
// - a report per customer of every transaction: built, as CSV and as a
//   PDF (limit 5 s).
//
//   build/bench/desk [RECORDS]
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPageSize>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "deskwindow/deskwindow.h"
#include "figureline.h"
#include "journal/journalexport.h"
#include "journalbuilder.h"
#include "viewer/transactionreport.h"

namespace {
// Seals `count` single weighings, one every tenth record, the way the desk
// seals them but 10,000 a transaction without syncing; the head is then
// advanced by one more record through the monitor's writer.
bool loadTransactions(const QString &path, const QString &key, qint64 count) {
  signingkeys::SigningKeys keys;
  Failure failure;
  if (!keys.load(signingkeys::signingPathFor(key), &failure))
    return false;
  QSqlDatabase db;
  if (!journaldb::openForWriting(&db, path, QStringLiteral("bench-desk-loader"), &failure))
    return false;
  {
    QSqlQuery query(db);
    query.exec(transactions::table());
    query.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    query.exec(QStringLiteral("BEGIN"));
    transactions::TransactionCheck state(transactions::recordLookup(db));
    QStringList marks;
    for (size_t i = 0; i <= transactions::columns().size(); ++i)
      marks << QStringLiteral("?");
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO transactions (%1) VALUES (%2)")
                       .arg(transactions::columnList(), marks.join(u',')));
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    const qint64 epoch = keys.epochAt(QDateTime::currentSecsSinceEpoch());
    for (qint64 n = 1; n <= count; ++n) {
      Transaction entry;
      entry.seq = n;
      entry.kind = transactions::kSingle;
      entry.station = QStringLiteral("bench");
      entry.firstRecord = n * 10;
      entry.vehicle = QStringLiteral("V%1").arg(n % 500);
      entry.customer = QStringLiteral("Customer %1").arg(n % 50);
      entry.product = QStringLiteral("Product %1").arg(n % 7);
      entry.takenAt = now;
      const std::optional<transactions::RecordFacts> facts =
          transactions::recordLookup(db)(entry.firstRecord);
      QString why;
      if (!facts || !transactions::weigh(&entry, *facts, nullptr, nullptr, &why))
        return false;
      entry.firstSeal = facts->mac;
      recordseal::Seal seal;
      seal.epoch = epoch;
      const QByteArray content = transactions::contentHash(entry);
      seal.hash = transactions::chainHash(content, state.lastMac());
      seal.signature = keys.sign(epoch, transactions::message(content, seal.hash));
      entry.mac = recordseal::text(seal);
      for (const transactions::Column &column : transactions::columns())
        insert.addBindValue(column.get(entry));
      insert.addBindValue(entry.mac);
      if (!insert.exec())
        return false;
      state.take(entry);
      if (n % 10000 == 0) {
        query.exec(QStringLiteral("COMMIT"));
        query.exec(QStringLiteral("BEGIN"));
      }
    }
    query.exec(QStringLiteral("COMMIT"));
  }
  journaldb::close(&db);
  RecordJournal monitor(path, key, QStringLiteral("bench-desk-monitor"));
  JournalRecord record = benchRecord(0);
  return monitor.append(record, &failure) > 0;
}

// The kept journal's files copied into `copy`, so that a run adds nothing
// to it.
QString copied(const QString &path, const QString &key, const QTemporaryDir &copy,
               QString *copiedKey) {
  const QFileInfo journal(path);
  for (const QFileInfo &file :
       QDir(journal.absolutePath())
           .entryInfoList({QFileInfo(key).completeBaseName() + u'*'}, QDir::Files))
    QFile::copy(file.absoluteFilePath(), copy.filePath(file.fileName()));
  *copiedKey = copy.filePath(QFileInfo(key).fileName());
  return copy.filePath(journal.fileName());
}
}  // namespace

int main(int argc, char *argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The desk remembers its printer in the user's settings: the bench's go
  // with it.
  const QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  QApplication application(argc, argv);
  const qint64 records = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;
  const qint64 count = records / 10;
  const QString folder =
      QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-journals");
  QDir().mkpath(folder);
  const QString kept = QStringLiteral("%1/desk-%2.sqlite").arg(folder).arg(records);
  const QString keptKey = QStringLiteral("%1/desk-%2.key").arg(folder).arg(records);
  if (!QFileInfo::exists(kept)) {
    fillJournal(kept, keptKey, records);
    if (!loadTransactions(kept, keptKey, count)) {
      std::fprintf(stderr, "cannot load the transactions\n");
      return 1;
    }
  }
  QTemporaryDir copy;
  QString key;
  const QString journal = copied(kept, keptKey, copy, &key);
  std::printf("weighstation desk figures (%lld records, %lld transactions)\n",
              static_cast<long long>(records), static_cast<long long>(count));

  DeskWindow::Setup setup;
  setup.journal = journal;
  setup.key = key;
  setup.deskData = copy.filePath("desk.sqlite");
  setup.rules.station = QStringLiteral("bench");
  QElapsedTimer clock;
  clock.start();
  DeskWindow window(setup);
  while (!window.state() || window.state()->lastSeq() < count)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  line("the desk's start, transactions read", clock.nsecsElapsed() / 1e6, "ms", 1000, "one second");

  window.printer().usePdfFolder(copy.path());
  window.printer().setPageSize(QPageSize::A6);
  RecordJournal monitor(journal, key, QStringLiteral("bench-desk-records"));
  std::vector<double> latencies;
  QElapsedTimer sinceCommit;
  bool sealed = false;
  QObject::connect(&window, &DeskWindow::sealed, [&](qint64, bool printed) {
    latencies.push_back(sinceCommit.nsecsElapsed() / 1e6);
    sealed = printed;
  });
  for (int n = 0; n < 50; ++n) {
    window.findChild<QComboBox *>(QStringLiteral("kind"))->setCurrentIndex(0);
    window.arm();
    JournalRecord record = benchRecord(n);
    Failure failure;
    sealed = false;
    monitor.append(record, &failure);
    sinceCommit.start();
    const size_t before = latencies.size();
    while (latencies.size() == before)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    if (!sealed) {
      std::fprintf(stderr, "a ticket was not printed\n");
      return 1;
    }
  }
  line("record's commit to sealed and its PDF, p99", percentile(latencies, 0.99), "ms", 300,
       "300 ms");

  // The desk's check of the whole journal, started with it, has the
  // machine's second core until it ends: the report is timed alone.
  while (window.checking())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  clock.restart();
  const deskreport::Report report = deskreport::build(*window.state(), deskreport::By::Customer,
                                                      QString(), QString(), {QTime(6, 0)});
  Failure failure;
  const bool table = journalexport::writeTable(ExportFormat::Csv, copy.filePath("report.csv"),
                                               deskreport::rows(report), &failure);
  printouts::Context context;
  const bool pdf = printouts::savePdf(
      copy.filePath("report.pdf"), QPageSize::A4,
      [&](QPagedPaintDevice *device, Failure *failed) {
        return printouts::paintTransactionReport(device, report,
                                                 deskreport::headingOf(deskreport::By::Customer),
                                                 QStringLiteral("all"), context, failed);
      },
      &failure);
  if (!table || !pdf) {
    std::fprintf(stderr, "%s\n", qPrintable(failure.text()));
    return 1;
  }
  line("a report per customer, CSV and PDF", clock.nsecsElapsed() / 1e6, "ms", 5000,
       "five seconds");
  return 0;
}

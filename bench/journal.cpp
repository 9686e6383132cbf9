// Figures of the record journal, each as a ratio to its limit or to a
// baseline measured in the same run, on the same filesystem:
// - the commit of one record, median and 99th percentile, against a plain
//   write of as many bytes plus fsync (targets: within 2.5x and 3x), and
//   the median of records that come faster than the log is folded in;
// - flat cost: the commit's median at RECORDS records against at 1,000
//   (target within 1.2x), the big journal built through the same code;
// - verify of RECORDS records against a plain SELECT * of the same table;
// - export --xlsx of 100,000 records by weighstation-records: seconds and
//   peak resident memory (target under 150 MB);
// - the refresh tick that takes a record with the journal on, p99.
//
//   build/bench/journal [RECORDS]      (default 1,000,000; the big journal is
//                                       kept in build/bench-journals/)
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "figureline.h"
#include "journal/journal.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "journal/recordseal.h"
#include "journal/signingkeys.h"
#include "journal/verifier.h"
#include "journalbuilder.h"
#include "recordticks.h"
#include "scalelink/scalechannel.h"

namespace {
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point begin) {
  return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

// A plain write of a record's bytes and fsync: the commit's baseline.
class PlainWrites {
 public:
  PlainWrites(const QString &path, int bytes)
      : fd_(::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600)),
        block_(bytes, 'x') {}
  ~PlainWrites() { ::close(fd_); }
  void once() {
    const auto begin = Clock::now();
    if (::write(fd_, block_.constData(), block_.size()) == block_.size() && ::fsync(fd_) == 0)
      ms.push_back(msSince(begin));
  }
  std::vector<double> ms;

 private:
  int fd_;
  QByteArray block_;
};

// Times `count` commits, one record each, as the monitor makes them: the
// monitor folds the log into the journal a second after a record, so the
// next record (an operator's, seconds later) is written over the log's
// start; `folded` false times records that follow each other closer than
// that, each growing the log. Each commit is followed by a plain write of
// its bytes, so that both meet the disk in the same mood (this machine's
// syncs vary by half from minute to minute).
std::vector<double> commitTimes(RecordJournal &journal, int count, PlainWrites *plain,
                                bool folded = true) {
  std::vector<double> ms;
  Failure error;
  for (int i = 0; i < count; ++i) {
    JournalRecord record = benchRecord(i);
    const auto begin = Clock::now();
    if (journal.append(record, &error) == 0) {
      std::fprintf(stderr, "commit failed: %s\n", qPrintable(error.text()));
      break;
    }
    ms.push_back(msSince(begin));
    if (folded)
      journal.checkpoint();
    if (plain)
      plain->once();
  }
  return ms;
}

// Seconds of a plain read of every column of every record.
double selectAllSeconds(const QString &path) {
  JournalReader reader(path, QStringLiteral("bench-select"));
  Failure error;
  reader.open(&error);
  QSqlQuery query(reader.database());
  query.setForwardOnly(true);
  const auto begin = Clock::now();
  query.exec(QStringLiteral("SELECT * FROM records ORDER BY seq"));
  const int columns = int(journalcolumns::columns().size()) + 1;
  qint64 touched = 0;
  while (query.next()) {
    for (int c = 0; c < columns; ++c)
      touched += query.value(c).isValid();
  }
  return msSince(begin) / 1000 + (touched < 0 ? 1 : 0);
}

struct ChildRun {
  double seconds = 0;
  double peakMb = 0;
  int status = -1;
};

ChildRun runChild(const QStringList &arguments) {
  std::vector<QByteArray> storage;
  for (const QString &argument : arguments)
    storage.push_back(QFile::encodeName(argument));
  std::vector<char *> argv;
  for (QByteArray &argument : storage)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  const auto begin = Clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  return {msSince(begin) / 1000, usage.ru_maxrss / 1024.0, WEXITSTATUS(status)};
}

// The refresh ticks that take a record, with the journal on.
std::vector<double> ticksWithTheJournalOn(int records) {
  MainWindow window;
  window.refreshTimerObject()->stop();
  window.show();
  window.formRecord()->sense_spinBox->setValue(1);
  for (ScaleChannel &channel : scaleChannels) {
    channel.connected = 1;
    channel.unit = 1;
    channel.point_code = 0;
    channel.digits[5] = 1;
  }
  return recordTickMs(window, records);
}
}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_LOGGING_RULES", "*.debug=false");
  QApplication application(argc, argv);
  const qint64 records = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;
  const QString records_bin =
      QCoreApplication::applicationDirPath() + QStringLiteral("/../weighstation-records");
  QTemporaryDir dir;
  // A key seals one journal: each journal here has its own.
  auto keyOf = [&dir](const char *name) { return dir.filePath(QLatin1String(name) + ".key"); };

  // The commit at 1,000 records, and its baseline.
  RecordJournal small(dir.filePath(QStringLiteral("small.sqlite")), keyOf("small"),
                      QStringLiteral("bench-small"));
  const int bytes = journalcolumns::canonicalBytes(benchRecord(0), QString()).size();
  PlainWrites plain(dir.filePath(QStringLiteral("plain")), bytes);
  const std::vector<double> smallCommits = commitTimes(small, 1000, &plain);
  const std::vector<double> &baseline = plain.ms;
  PlainWrites burstPlain(dir.filePath(QStringLiteral("plain-burst")), bytes);
  const std::vector<double> burstCommits = commitTimes(small, 1000, &burstPlain, false);

  // The commit at RECORDS records.
  // The big journal is kept for the next run (and the viewer's figures).
  QString bigKey;
  const QString bigPath =
      keptJournal(QCoreApplication::applicationDirPath(), records - 1000, &bigKey);
  double bigMedian = 0;
  {
    RecordJournal big(bigPath, bigKey, QStringLiteral("bench-big"));
    bigMedian = percentile(commitTimes(big, 1000, nullptr), 0.5);
  }

  // verify against SELECT *.
  const double selectSeconds = selectAllSeconds(bigPath);
  const auto verifyBegin = Clock::now();
  const VerifyReport report = verifyJournal(VerifyOptions::of(bigPath, bigKey));
  const double verifySeconds = msSince(verifyBegin) / 1000;

  // export --xlsx of 100,000 records.
  const QString exportPath = dir.filePath(QStringLiteral("export.sqlite"));
  fillJournal(exportPath, keyOf("export"), 100000);
  const ChildRun exportRun =
      runChild({records_bin, QStringLiteral("export"), QStringLiteral("--journal"), exportPath,
                QStringLiteral("--key"), keyOf("export"), QStringLiteral("--xlsx"),
                dir.filePath(QStringLiteral("export.xlsx"))});

  // The window's journal and key, as the monitor's start hands them over.
  journalfiles::usePlaces({dir.filePath(QStringLiteral("ticks.sqlite")), keyOf("ticks")});
  const std::vector<double> ticks = ticksWithTheJournalOn(200);

  std::printf("weighstation record journal figures (%lld records, on %s)\n",
              static_cast<long long>(records), qPrintable(dir.path()));
  std::printf("verify of the big journal: %s\n",
              report.outcome == VerifyReport::Outcome::Intact ? "intact" : "NOT INTACT");
  line("commit of one record, median", percentile(smallCommits, 0.5), "ms",
       percentile(baseline, 0.5), "write + fsync of as many bytes, median");
  line("commit of one record, 99th percentile", percentile(smallCommits, 0.99), "ms",
       3 * percentile(baseline, 0.99), "3 x write + fsync, 99th percentile");
  line("commit of one record, records back to back, median", percentile(burstCommits, 0.5), "ms",
       percentile(burstPlain.ms, 0.5), "write + fsync of as many bytes, median");
  line("commit median at the big journal's size", bigMedian, "ms",
       1.2 * percentile(smallCommits, 0.5), "1.2 x the median at 1,000 records");
  line("verify, records per second", report.records / verifySeconds, "/s",
       report.records / selectSeconds, "a plain SELECT * of the same rows");
  line("export --xlsx of 100,000 records", exportRun.seconds, "s", 60, "one minute");
  line("export --xlsx of 100,000 records, peak memory", exportRun.peakMb, "MB", 150, "150 MB");
  line("refresh tick taking a record, journal on, p99", percentile(ticks, 0.99), "ms",
       MainWindow::kRefreshPeriodMs, "the 30 ms period");
  // What sealing adds to the tick that takes a record: the record's hash
  // and signature, and the head's signature.
  std::vector<double> seals;
  {
    signingkeys::SigningKeys keys;
    Failure why;
    const QString signing = dir.filePath(QStringLiteral("sealing.signing"));
    if (!signingkeys::SigningKeys::commission(signing, dir.filePath(QStringLiteral("sealing.vk")),
                                              QStringLiteral("bench"),
                                              QDateTime::currentSecsSinceEpoch(), 86400, &why) ||
        !keys.load(signing, &why)) {
      std::printf("cannot make signing keys: %s\n", qPrintable(why.text()));
      return 1;
    }
    QString previous;
    for (int n = 0; n < 2000; ++n) {
      JournalRecord record = benchRecord(n);
      record.seq = n + 1;
      const auto begin = Clock::now();
      record.mac = recordseal::sealRecord(keys, 0, record, previous);
      journalfiles::Head head;
      head.journalId = QStringLiteral("bench");
      head.seq = record.seq;
      head.mac = record.mac;
      keys.sign(0, recordseal::headMessage(head));
      seals.push_back(msSince(begin));
      previous = record.mac;
    }
  }
  line("sealing a record and its head inside the tick, p99", percentile(seals, 0.99), "ms", 2.0,
       "2 ms");
  if (exportRun.status != 0)
    std::printf("the export failed with exit code %d\n", exportRun.status);
  return 0;
}

// Figures of the records viewer, each as a ratio measured in the same run:
// - opening a journal of RECORDS records to the first painted rows, against
//   opening one of 1,000 (target within 2x);
// - its background check's rate against weighstation-records verify over the
//   same journal (target at least 0.8).
//
//   build/bench/viewer [RECORDS]      (default 1,000,000)
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTableView>
#include <cstdio>

#include "figureline.h"
#include "journalbuilder.h"
#include "viewer/recordsmodel.h"
#include "viewer/verification.h"
#include "viewer/viewerwindow.h"

namespace {
// Milliseconds from the window's making to its table's first paint with
// rows; and the check's rate in records a second.
struct Opened {
  double firstPaintMs = 0;
  double checkedPerSecond = 0;
  qint64 records = 0;
};

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QTableView *table) : table_(table) {}
  bool painted = false;
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint && table_->model() && table_->model()->rowCount() > 0)
      painted = true;
    return false;
  }

 private:
  QTableView *table_;
};

Opened open(const QString &journal, const QString &key) {
  QElapsedTimer clock;
  clock.start();
  ViewerWindow window(journal, key, QString(), printouts::Site());
  auto *table = window.findChild<QTableView *>(QStringLiteral("records"));
  FirstPaint paint(table);
  table->viewport()->installEventFilter(&paint);
  window.show();
  while (!paint.painted)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  Opened opened;
  opened.firstPaintMs = clock.nsecsElapsed() / 1e6;
  // Waiting as the viewer's own event loop would, asleep between events.
  QEventLoop loop;
  QObject::connect(window.verification(), &Verification::checked, &loop, &QEventLoop::quit);
  if (!window.verification()->isDone())
    loop.exec();
  opened.records = window.verification()->report().records;
  opened.checkedPerSecond = opened.records / (clock.nsecsElapsed() / 1e9);
  return opened;
}
}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_LOGGING_RULES", "*.debug=false");
  QApplication application(argc, argv);
  const qint64 records = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;
  const QString benchDir = QCoreApplication::applicationDirPath();
  QString key;
  const QString small = keptJournal(benchDir, 1000, &key);
  // The journal figures' big journal, if they ran: 1,000 short of RECORDS,
  // and the 1,000 their commits added.
  const QString big = keptJournal(benchDir, records - 1000, &key);

  open(small, key);  // warm-up: the toolkit's first window
  const Opened smallOpened = open(small, key);
  const Opened bigOpened = open(big, key);

  QElapsedTimer clock;
  clock.start();
  QProcess verify;
  verify.start(
      benchDir + QStringLiteral("/../weighstation-records"),
      {QStringLiteral("verify"), QStringLiteral("--journal"), big, QStringLiteral("--key"), key});
  verify.waitForFinished(-1);
  const double commandPerSecond = bigOpened.records / (clock.nsecsElapsed() / 1e9);

  std::printf("weighstation records viewer figures (%lld records)\n",
              static_cast<long long>(bigOpened.records));
  std::printf("the command's verify: %s", verify.readAllStandardOutput().constData());
  line("first painted rows, 1,000 records", smallOpened.firstPaintMs, "ms", 1000, "one second");
  line("first painted rows, big journal", bigOpened.firstPaintMs, "ms",
       2 * smallOpened.firstPaintMs, "2 x the same at 1,000 records");
  line("the viewer's check, records per second", bigOpened.checkedPerSecond, "/s",
       0.8 * commandPerSecond, "0.8 x weighstation-records verify");
  return 0;
}

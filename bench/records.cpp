// Figures of taking records on the real window, offscreen, each as a ratio to
// its limit or to a baseline measured in the same run:
// - the refresh tick in which a record is appended, with 100,000 items in the
//   data list against 1,000 (target within 1.5x);
// - resident memory while a request waits on a broken limit at Sensitivity
//   1, over the checks of ten minutes (target flat within 1 MB).
//
//   build/bench/records
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "figureline.h"
#include "journal/journalfiles.h"
#include "recordticks.h"
#include "scalelink/scalechannel.h"

namespace {
using Clock = std::chrono::steady_clock;

void steadyLoad() {
  for (ScaleChannel &channel : scaleChannels) {
    channel.connected = 1;
    channel.unit = 1;
    channel.point_code = 0;
    for (int k = 0; k < kScaleDigits; ++k)
      channel.digits[k] = k == 5 ? 1 : 0;
  }
}

// The median time of a refresh tick that appends a record, with the events
// it leaves (the list's layout, the repaint) handled, at `items` items.
double recordTickMs(int items) {
  MainWindow window;
  window.refreshTimerObject()->stop();
  window.show();
  MainWindowForm *form = window.formRecord();
  form->sense_spinBox->setValue(1);
  for (int i = form->listdata->count(); i < items; ++i)
    form->listdata->addItem(QStringLiteral("GROSS TOTAL, lbs, %1").arg(i));
  QCoreApplication::processEvents();
  return percentile(recordTickMs(window, 30), 0.5);
}

// Resident memory growth over `ticks` refresh ticks while a request waits on
// an upper limit that is not a number.
long memoryGrowthKb(int ticks) {
  MainWindow window;
  window.refreshTimerObject()->stop();
  window.show();
  MainWindowForm *form = window.formRecord();
  form->sense_spinBox->setValue(1);
  form->overlimit->setText(QStringLiteral("abc"));
  window.recordCycle().request();
  for (int i = 0; i < 1000; ++i) {
    window.processLCD();
    QCoreApplication::processEvents();
  }
  const long before = residentKb();
  for (int i = 0; i < ticks; ++i) {
    window.processLCD();
    QCoreApplication::processEvents();
  }
  return residentKb() - before;
}
}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_LOGGING_RULES", "*.debug=false");
  QApplication application(argc, argv);
  // The records go to a journal of their own, never the station's; on tmpfs
  // where there is one, so that the figure is the list's and not the disk's.
  const QString shm = QStringLiteral("/dev/shm");
  QTemporaryDir journalDir(QFileInfo(shm).isWritable() ? shm + QStringLiteral("/records-XXXXXX")
                                                       : QString());
  journalfiles::usePlaces(
      {journalDir.filePath("journal.sqlite"), journalDir.filePath("journal.key")});
  steadyLoad();

  const double small = recordTickMs(1000);
  const double large = recordTickMs(100000);
  // Ten minutes of 30 ms ticks.
  const int tenMinutes = 10 * 60 * 1000 / MainWindow::kRefreshPeriodMs;
  const long growthKb = memoryGrowthKb(tenMinutes);

  std::printf("weighstation record figures (offscreen)\n");
  line("tick appending a record, 1,000 items, median", small, "ms", MainWindow::kRefreshPeriodMs,
       "the 30 ms period");
  line("tick appending a record, 100,000 items, median", large, "ms", small * 1.5,
       "1.5 x the same at 1,000 items");
  line("memory growth, request waiting on a broken limit", growthKb / 1024.0, "MB", 1.0,
       "1 MB over ten minutes of checks at Sensitivity 1");
  return 0;
}

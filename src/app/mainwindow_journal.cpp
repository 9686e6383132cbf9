// The record journal: each record the monitor takes, sealed and committed
// before it is listed.
#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "app/warnings.h"
#include "journal/journalfiles.h"
#include "readout/readoutmath.h"
#include "scalelink/scalechannel.h"

namespace {
const QString kWarning = QStringLiteral("WARNING");
}  // namespace

JournalRecord MainWindow::journalRecordOf(const RecordLines &lines) const {
  OperatorInputs inputs;
  for (int n = 0; n < kScaleCount; ++n)
    inputs.portNames[n] = form->scales[n].portName->text();
  inputs.overLimit = form->overlimit->text();
  inputs.underLimit = form->underlimit->text();
  inputs.sensitivity = form->sense_spinBox->value();
  if (form->checkBox_datalog->isChecked() && !log_file_name.isEmpty())
    inputs.textLogFile = log_file_name;
  if (form->checkBox_excellog->isChecked() && !excel_file_name.isEmpty()) {
    inputs.workbookFile = excel_file_name;
    inputs.workbookSession = spreadsheetLog_.session();
    inputs.workbookRow = station_.recordCycle().record_count + 1;
  }
  return station_.journalRecord(lines, inputs);
}

// A record the journal cannot take is still taken; the operator is told
// after the tick.
void MainWindow::journalRecord(JournalRecord &record) {
  if (!journal_) {
    journal_ = std::make_unique<RecordJournal>(journalfiles::defaultJournalPath(),
                                               journalfiles::defaultKeyPath());
    // The journal's log is folded in a second after the last record, not
    // inside a record's tick.
    journalCheckpoint_ = new QTimer(this);
    journalCheckpoint_->setSingleShot(true);
    journalCheckpoint_->setInterval(1000);
    connect(journalCheckpoint_, &QTimer::timeout, this, [this] { journal_->checkpoint(); });
    // A past epoch's signing secret is erased within a minute of its end,
    // whether or not a record comes.
    auto *epochs = new QTimer(this);
    epochs->setInterval(60 * 1000);
    connect(epochs, &QTimer::timeout, this, [this] { journal_->evolve(); });
    epochs->start();
  }
  Failure failure;
  const qint64 seq = journal_->append(record, &failure);
  if (failure)
    warnOfTheJournal(failure, seq);
  if (seq == 0)
    return;
  if (!journalCheckpoint_->isActive())
    journalCheckpoint_->start();
  const qint64 free = journal_->bytesFree();
  if (!journalSpaceWarned_ && free >= 0 && free < journalSpaceWarningMb_ * 1024 * 1024) {
    journalSpaceWarned_ = true;
    warnings::showSoon(this, kWarning,
                       QStringLiteral("Record Journal Disk Almost Full (%1 MB free)!!!")
                           .arg(free / (1024 * 1024)));
  }
}

void MainWindow::noteTextLogInJournal(const JournalRecord &record, bool written,
                                      const QString &textLogFailure) {
  Failure failure;
  if (record.seq > 0 && !journal_->noteTextLog(record, written, textLogFailure, &failure))
    warnOfTheJournal(failure, record.seq);
}

// Every failure of the journal reaches the operator one way: a warning
// after the tick, saying whether the record is in the journal.
void MainWindow::warnOfTheJournal(const Failure &failure, qint64 seq) {
  if (seq == 0) {
    warnings::showSoon(this, kWarning,
                       QStringLiteral("Record Journal Write Failed (%1), Record %2 Is Not in the "
                                      "Journal!!!")
                           .arg(failure.text())
                           .arg(station_.recordCycle().record_count));
    return;
  }
  warnings::showSoon(this, kWarning,
                     QStringLiteral("Record Journal Check Failed (%1), Record %2 Is in the Journal "
                                    "as Seq %3!!!")
                         .arg(failure.text())
                         .arg(station_.recordCycle().record_count)
                         .arg(seq));
}

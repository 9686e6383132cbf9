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
#include "readout/readoutstate.h"
#include "scalelink/scalechannel.h"

namespace {
const QString kWarning = QStringLiteral("WARNING");
}  // namespace

JournalRecord MainWindow::journalRecordOf(const RecordLines &lines) const {
  static const QString station = journalfiles::stationName();
  JournalRecord record;
  record.takenAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
  record.timeText = time_text;
  record.dateText = date_text;
  record.station = station;
  record.total = total_weight;
  record.totalSign = form->sign_grandtotal->text();
  record.totalUnit = readout::totalUnitText(total_unit);
  record.netGross = form->netgross_grand->text();
  record.totalLine = lines.total;
  record.block = lines.textLogBlock();
  for (int n = 0; n < kScaleCount; ++n) {
    const ScaleChannel &channel = scaleChannels[n];
    JournalScale &scale = record.scales[n];
    scale.connected = lines.hasChannel[n];
    scale.port = form->scales[n].portName->text();
    scale.unit = tick_[n].unit;
    scale.weight = channel.weight;
    scale.tare = channel.tare_weight;
    scale.gross = channel.weight + channel.tare_weight;
    scale.pointCode = tick_[n].pointCode;
  }
  record.overLimit = form->overlimit->text();
  record.underLimit = form->underlimit->text();
  record.sensitivity = form->sense_spinBox->value();
  if (form->checkBox_datalog->isChecked() && !log_file_name.isEmpty())
    record.textLogFile = log_file_name;
  if (form->checkBox_excellog->isChecked() && !excel_file_name.isEmpty()) {
    record.workbookFile = excel_file_name;
    record.workbookSession = spreadsheetLog_.session();
    record.workbookRow = recordCycle_.record_count + 1;
  }
  record.program = QStringLiteral("weighstation");
  record.version = QStringLiteral(WEIGHSTATION_VERSION);
  return record;
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
                           .arg(recordCycle_.record_count));
    return;
  }
  warnings::showSoon(this, kWarning,
                     QStringLiteral("Record Journal Check Failed (%1), Record %2 Is in the Journal "
                                    "as Seq %3!!!")
                         .arg(failure.text())
                         .arg(recordCycle_.record_count)
                         .arg(seq));
}

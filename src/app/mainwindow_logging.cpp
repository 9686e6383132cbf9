// The record cycle, the text log and the spreadsheet log.
#include <QCheckBox>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "app/warnings.h"
#include "journal/journalfiles.h"
#include "journal/outputguard.h"
#include "logging/logfiles.h"
#include "logging/textlog.h"
#include "platform/appfolders.h"
#include "scalelink/scalechannel.h"

static_assert(RecordLines::kChannelLines == kScaleCount, "a record has a line per scale");

namespace {
const QString kWarning = QStringLiteral("WARNING");
const QString kGreenLamp = QStringLiteral("background-color: green;");
const QString kRedLamp = QStringLiteral("background-color: red;");

// Every style sheet given to a widget costs memory for good, even the same
// one again: a lamp is only given one when its colour changes.
void setLamp(QPushButton *lamp, const QString &colour) {
  if (lamp->styleSheet() != colour)
    lamp->setStyleSheet(colour);
}
}  // namespace

void MainWindow::processDataLog() {
  const RecordCycle::Tick tick = station_.cycle(form->sense_spinBox->value(),
                                                form->overlimit->text(), form->underlimit->text());
  if (tick.overLimitRed)
    setLamp(form->pushButton_overlimit, kRedLamp);
  if (tick.underLimitRed)
    setLamp(form->pushButton_underlimit, kRedLamp);
  if (tick.recordTaken)
    takeRecord();
}

void MainWindow::takeRecord() {
  setLamp(form->pushButton_overlimit, kGreenLamp);
  setLamp(form->pushButton_underlimit, kGreenLamp);

  // The journal and the writers below take exactly this tick's lines.
  recordLines_ = station_.recordLines();
  const RecordLines &lines = recordLines_;
  // The record is on disk in the journal before it is listed.
  JournalRecord journaled = journalRecordOf(lines);
  journalRecord(journaled);
  form->listdata->insertItem(form->listdata->count(), lines.total);
  form->total_count->setText(QString::number(station_.recordCycle().record_count));

  if (form->checkBox_datalog->isChecked() && !log_file_name.isEmpty()) {
    Failure notWritten;
    const bool written = textlog::writeRecord(log_file, lines, &notWritten);
    noteTextLogInJournal(journaled, written, notWritten.reason());
    if (!written)
      stopTextLogAfterFailure(notWritten.reason());
  }
  if (form->checkBox_excellog->isChecked() && !excel_file_name.isEmpty()) {
    spreadsheetLog_.writeSpreadsheetRow(station_.recordCycle().record_count + 1,
                                        station_.state().total_weight, station_.state().time_text);
  }
}

void MainWindow::stopTextLogAfterFailure(const QString &reason) {
  log_file.close();
  form->checkBox_datalog->setChecked(false);
  warnings::showSoon(
      this, kWarning,
      QStringLiteral("Text File Log Write Failed (%1), Text File Log Stopped!!!").arg(reason));
}

void MainWindow::recordNow() {
  if (form->checkBox_datalog->isChecked() && !log_file_name.isEmpty()) {
    station_.recordCycle().request();
    return;
  }
  warnings::show(kWarning,
                 QStringLiteral("Must Select a File to Save and Check Start Text File Log!!!"));
}

// The file choice of a log: refused while that log runs; a cancelled dialog
// clears the name.
void MainWindow::chooseLogFile(const LogFileChoice &choice) {
  if (choice.box->isChecked() && !choice.allowedWhileOn) {
    warnings::show(kWarning, QString::fromLatin1(choice.refusal));
    return;
  }
  *choice.fileName = QFileDialog::getSaveFileName(this, QString::fromLatin1(choice.caption),
                                                  QString(), QString::fromLatin1(choice.filter));
  choice.label->setText(*choice.fileName);
}

// A log's box was clicked without a file chosen: it goes off again.
bool MainWindow::refuseLogWithoutFile(QCheckBox *box, const QString &fileName) {
  if (!fileName.isEmpty())
    return false;
  box->setChecked(false);
  warnings::show(kWarning, QStringLiteral("Must select a file name first!!!"));
  return true;
}

// A log whose file is the other log's file would overwrite its records: it
// does not start, and its box goes off.
bool MainWindow::refuseLogOnTheOtherLogsFile(QCheckBox *box, const QString &fileName,
                                             const QString &otherFileName) {
  if (!logfiles::sameFile(fileName, otherFileName))
    return false;
  box->setChecked(false);
  warnings::show(kWarning, QStringLiteral("The Text File Log and the Excel File Log Must Use "
                                          "Different Files!!!"));
  return true;
}

// The record journal's files are never a log's: starting a text log
// empties its file, saving a workbook replaces it.
bool MainWindow::refuseLogOnTheJournal(QCheckBox *box, const QString &fileName) {
  Failure why;
  if (outputguard::allowed(fileName,
                           outputguard::journalFiles(journalfiles::defaultJournalPath(),
                                                     journalfiles::defaultKeyPath(), QString()),
                           &why))
    return false;
  box->setChecked(false);
  warnings::show(
      kWarning,
      QStringLiteral("A Log Must Not Use the Record Journal's Files (%1)!!!").arg(fileName));
  return true;
}

void MainWindow::getPath() {
  chooseLogFile({form->checkBox_datalog, form->logfilename, &log_file_name,
                 "Start Text File Log Check Box Must be De-selected First!!!",
                 "Choose a file to open", "Text files (*.txt)"});
}

void MainWindow::process_datalogcheckbox() {
  if (refuseLogWithoutFile(form->checkBox_datalog, log_file_name))
    return;
  if (form->checkBox_datalog->isChecked()) {
    if (refuseLogOnTheJournal(form->checkBox_datalog, log_file_name) ||
        refuseLogOnTheOtherLogsFile(form->checkBox_datalog, log_file_name, excel_file_name))
      return;
    Failure notOpened;
    if (!textlog::open(log_file, log_file_name, &notOpened)) {
      form->checkBox_datalog->setChecked(false);
      warnings::show(kWarning, QStringLiteral("Cannot Open Text Log File %1 (%2)!!!")
                                   .arg(log_file_name, notOpened.reason()));
    }
    return;
  }
  log_file.close();
}

void MainWindow::getPath_excel() {
  // After a failed stop the workbook stays open with the box on: another
  // file may be chosen for the next stop, or its rows would be trapped.
  chooseLogFile({form->checkBox_excellog, form->excelfilename, &excel_file_name,
                 "Start Excel File Log Check Box Must be De-selected First!!!",
                 "Choose an excel file to open", "Excel files (*.xls *xlsx)",
                 spreadsheetLog_.lastStopFailed()});
}

void MainWindow::process_excellogcheckbox() {
  if (refuseLogWithoutFile(form->checkBox_excellog, excel_file_name))
    return;
  if (form->checkBox_excellog->isChecked()) {
    if (refuseLogOnTheJournal(form->checkBox_excellog, excel_file_name) ||
        refuseLogOnTheOtherLogsFile(form->checkBox_excellog, excel_file_name, log_file_name))
      return;
    spreadsheetLog_.start();
  } else if (!stopSpreadsheetLog()) {
    form->checkBox_excellog->setChecked(true);
  }
}

// The end of the program with the spreadsheet log running: the workbook is
// saved under its name, or else in the data folder's "unsaved" folder; the
// operator is told once where the rows are.
void MainWindow::saveSpreadsheetLogAtEnd(bool tellOperator) {
  excel_file_name = spreadsheetSaveName(excel_file_name);
  const SpreadsheetLog::EndSave end = spreadsheetLog_.saveAtEnd(
      excel_file_name,
      unsavedWorkbookPath(appfolders::dataFolder(), excel_file_name, QDateTime::currentDateTime()));
  form->checkBox_excellog->setChecked(false);
  if (end.failure.isEmpty())
    return;
  const QString text =
      end.fallbackFailure.isEmpty()
          ? QStringLiteral("Excel File Could Not be Saved (%1), its Rows Were Saved to %2!!!")
                .arg(end.failure, end.fallbackPath)
          : QStringLiteral(
                "Excel File Could Not be Saved (%1), nor to %2 (%3), its Rows Are "
                "Lost!!!")
                .arg(end.failure, end.fallbackPath, end.fallbackFailure);
  if (tellOperator)
    warnings::show(kWarning, text);
  else
    qDebug("%s", qPrintable(text));
}

bool MainWindow::stopSpreadsheetLog() {
  // After a failed stop another file may have been chosen: never the file
  // the running text log writes.
  if (refuseLogOnTheJournal(form->checkBox_excellog, excel_file_name) ||
      (form->checkBox_datalog->isChecked() &&
       refuseLogOnTheOtherLogsFile(form->checkBox_excellog, excel_file_name, log_file_name)))
    return false;
  excel_file_name = spreadsheetSaveName(excel_file_name);
  const QString failure = spreadsheetLog_.stop(excel_file_name);
  if (failure.isEmpty())
    return true;
  warnings::show(kWarning,
                 QStringLiteral("Excel File Could Not be Saved (%1), the Workbook Stays Open!!!")
                     .arg(failure));
  return false;
}

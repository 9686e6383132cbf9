// The one window of the monitor: its form, the 30 ms refresh, the keys of
// the three scales and the two logs.
#pragma once

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>

#include "journal/journal.h"
#include "logging/recordcycle.h"
#include "logging/recordlines.h"
#include "logging/spreadsheetlog.h"
#include "publishing/livepayloads.h"
#include "scalelink/scalechannel.h"
#include "station/station.h"

class QCheckBox;
class QLabel;
class QTimer;
struct MainWindowForm;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kRefreshPeriodMs = 30;
  static constexpr unsigned long kStopPauseMs = 200;

  explicit MainWindow(QWidget *parent = nullptr);
  ~MainWindow() override;

  MainWindowForm *formRecord() const { return form; }
  QTimer *refreshTimerObject() const { return refreshTimer; }
  RecordCycle &recordCycle() { return station_.recordCycle(); }
  const Station &station() const { return station_; }
  const RecordLines &recordLines() const { return recordLines_; }
  SpreadsheetLog &spreadsheetLog() { return spreadsheetLog_; }
  // The record journal, once the first record has opened it.
  RecordJournal *recordJournal() const { return journal_.get(); }
  static constexpr qint64 kJournalSpaceWarningMb = 100;
  // Free space (MB) below which a record warns, once (journal_min_free_mb).
  void setJournalSpaceWarningMb(qint64 mb) { journalSpaceWarningMb_ = mb; }
  const QString &logFileName() const { return log_file_name; }
  const QString &excelFileName() const { return excel_file_name; }

  // Called once a tick with the readouts as shown (the live publisher's
  // hand-over, which never waits); none by default.
  void setReadingsSink(std::function<void(const LiveReadings &)> sink) {
    readingsSink_ = std::move(sink);
  }

  // Ends the window as its Exit action does, without a box to answer
  // (nobody may be there to answer it: a logout, a shutdown).
  void endFromSignal();
  // What the destructor does before the widgets go: the text log closed, a
  // running spreadsheet log saved (or its rows kept in a fallback file),
  // the readers stopped. Safe to run more than once.
  void shutDown();

 public Q_SLOTS:
  void processLCD();
  void processCOM_serial();
  void processCOM_serial_2();
  void processCOM_serial_3();
  void recordNow();
  void getPath();
  void getPath_excel();
  void process_datalogcheckbox();
  void process_excellogcheckbox();
  void process_zero1();
  void process_zero2();
  void process_zero3();
  void process_gross1();
  void process_gross2();
  void process_gross3();
  void process_tare1();
  void process_tare2();
  void process_tare3();

 protected:
  void changeEvent(QEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

 private:
  void findSerialDevice(int index);
  void connectScale(int channelIndex);
  void zeroScale(int channelIndex);
  void grossScale(int channelIndex);
  void tareScale(int channelIndex);
  bool switchNetGross(int channelIndex, class SharedInt &request, const QString &legend);
  void showScaleReadout(int channelIndex);
  void showGrandTotal();
  void processDataLog();
  void takeRecord();
  struct LogFileChoice {
    QCheckBox *box;
    QLabel *label;
    QString *fileName;
    const char *refusal;
    const char *caption;
    const char *filter;
    bool allowedWhileOn = false;
  };
  void chooseLogFile(const LogFileChoice &choice);
  bool refuseLogWithoutFile(QCheckBox *box, const QString &fileName);
  bool refuseLogOnTheJournal(QCheckBox *box, const QString &fileName);
  bool refuseLogOnTheOtherLogsFile(QCheckBox *box, const QString &fileName,
                                   const QString &otherFileName);
  void stopTextLogAfterFailure(const QString &reason);
  bool stopSpreadsheetLog();
  void saveSpreadsheetLogAtEnd(bool tellOperator);
  void stopReaders();
  JournalRecord journalRecordOf(const RecordLines &lines) const;
  void journalRecord(JournalRecord &record);
  void noteTextLogInJournal(const JournalRecord &record, bool written,
                            const QString &textLogFailure);
  void warnOfTheJournal(const Failure &failure, qint64 seq);

  MainWindowForm *form = nullptr;
  QTimer *refreshTimer = nullptr;
  // The channels as this tick read them and what it shows: what it shows,
  // logs, journals and publishes.
  Station station_;
  RecordLines recordLines_;
  SpreadsheetLog spreadsheetLog_;
  QString log_file_name;
  QString excel_file_name;
  bool endingFromSignal_ = false;
  LiveReadings liveReadings() const;
  std::function<void(const LiveReadings &)> readingsSink_;
  std::unique_ptr<RecordJournal> journal_;
  QTimer *journalCheckpoint_ = nullptr;
  bool journalSpaceWarned_ = false;
  qint64 journalSpaceWarningMb_ = kJournalSpaceWarningMb;
};

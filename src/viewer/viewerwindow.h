// The records viewer's window, "Weigh Station Records": the journal's
// records in a table (newest first), a filter, their count and summed
// total, the journal's check as a badge, a chart, exports and printouts. It
// opens the journal read-only and follows the records the monitor adds.
#pragma once

#include <QMainWindow>
#include <QPageSize>
#include <memory>

#include "journal/journalexport.h"
#include "journal/journalreader.h"
#include "journal/verifier.h"
#include "viewer/printouts.h"

class QCheckBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class Exporter;
class QTableView;
class QTimer;
class RecordsChart;
class RecordsModel;
class ShippingStatusLine;
class Verification;

class ViewerWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `site` heads its printouts.
  ViewerWindow(const QString &journalPath, const QString &keyPath, const QString &headPath,
               const printouts::Site &site, QWidget *parent = nullptr);
  ~ViewerWindow() override;

  bool isOpen() const { return model_ != nullptr; }
  RecordsModel *model() const { return model_; }
  Verification *verification() const { return verification_; }
  const JournalReader &reader() const { return *reader_; }

  // The filter the bar asks for.
  JournalFilter filterShown() const;
  // Exports what the filter keeps; false with the reason. Refused while the
  // journal is being checked or when it does not verify, unless `unverified`.
  // Starts exporting the records shown (refused with the reason while the
  // journal is being checked, or when it does not verify and `unverified`
  // is not given); exporter() tells when it ends.
  bool exportShown(ExportFormat format, const QString &path, bool unverified, Failure *failure);
  Exporter *exporter() const { return exporter_; }
  // The ticket of the record in `row` of the table (refused for a record
  // the journal's check does not vouch for, unless `unverified`), and the
  // report of what the filter keeps, as saved PDF files.
  bool saveTicket(int row, const QString &path, bool unverified, Failure *failure,
                  int pageSize = QPageSize::A4);
  bool saveReport(const QString &path, Failure *failure);

 public Q_SLOTS:
  void applyFilter();
  // Looks for records the monitor added.
  void follow();

 private:
  bool attach();
  void detach();
  void lookForTheJournal();
  bool stillTheJournalShown() const;
  void buildForm();
  QHBoxLayout *buildFilterBar(QWidget *parent);
  void buildMenus();
  void showTotalsAndChart();
  void showBadge();
  void showSelected();
  void exportAs(ExportFormat format);
  void printTicket(bool toPdf);
  bool mayPrint(const JournalRecord &record);
  printouts::Context printContext() const;
  printouts::Context ticketContext(const JournalRecord &record) const;
  printouts::ReportRequest reportRequest() const;
  void printReport(bool toPdf);
  JournalRecord recordAt(int row, Failure *failure) const;
  int selectedRow() const;
  qint64 newestSeq();
  void tell(const Failure &failure, const QString &what, bool asked = true);

  QString journalPath_;
  QString keyPath_;
  QString headPath_;
  printouts::Site site_;
  std::unique_ptr<JournalReader> reader_;
  std::unique_ptr<JournalReader> follow_;
  RecordsModel *model_ = nullptr;
  Verification *verification_ = nullptr;
  qint64 lastSeq_ = 0;

  QCheckBox *fromOn_ = nullptr;
  QDateEdit *from_ = nullptr;
  QCheckBox *toOn_ = nullptr;
  QDateEdit *to_ = nullptr;
  QLineEdit *text_ = nullptr;
  QLabel *totals_ = nullptr;
  QLabel *badge_ = nullptr;
  ShippingStatusLine *shipping_ = nullptr;
  QProgressBar *progress_ = nullptr;
  Exporter *exporter_ = nullptr;
  QTableView *table_ = nullptr;
  QPlainTextEdit *recordText_ = nullptr;
  RecordsChart *chart_ = nullptr;
  QTimer *filterPause_ = nullptr;
  QTimer *follower_ = nullptr;
  QTimer *waiting_ = nullptr;  // looks for a journal not there yet
  // The file shown, to tell when new-journal renamed it; and how many
  // journals were shown, to drop a count made for an earlier one.
  quint64 shownInode_ = 0;
  quint64 shownDevice_ = 0;
  int shown_ = 0;
};

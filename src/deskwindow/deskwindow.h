// The weighing desk's window, kept open beside the monitor: the operator
// prepares the next transaction (its kind, the vehicle with completion from
// the vehicles list, customer, product, ...), presses RECORD NOW on the
// monitor as always, and the desk binds the next record of its station to
// it as soon as it sees the record, seals it and prints its ticket. A record
// can also be bound afterwards from the list. It follows the journal live
// (journalwatch.h, and a look each second), never makes one, and picks the
// journal up when it appears. All its work goes through desk::WeighingDesk.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

#include "desk/weighingdesk.h"
#include "deskwindow/ticketprinter.h"
#include "viewer/printouts.h"

class QComboBox;
class QThread;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class JournalWatch;
class JournalReader;

class DeskWindow : public QMainWindow {
  Q_OBJECT
 public:
  struct Setup {
    QString journal;
    QString key;
    QString deskData;
    desk::Rules rules;
    printouts::Site site;
  };
  // The kinds the operator prepares, in the kind list's order.
  enum class Kind { Single, WithStoredTare, StoreTare, FirstIn, FirstOut, Second };

  explicit DeskWindow(const Setup &setup, QWidget *parent = nullptr);
  ~DeskWindow() override;

  TicketPrinter &printer() { return printer_; }
  // The journal's transactions as the desk knows them; null before the
  // journal is there.
  const transactions::TransactionCheck *state() const;
  // A transaction is prepared: the next record of the station is bound to it.
  bool armed() const { return armed_; }
  // The journal's check (run at the start) is under way.
  bool checking() const { return checking_; }

 public Q_SLOTS:
  void look();
  void arm();
  void cancel();
  void bindSelected();
  void printAgain();
  void voidSelected();
  void correctSelected();
  void printWaiting();

 Q_SIGNALS:
  // A transaction sealed by this desk, and whether its ticket printed.
  void sealed(qint64 seq, bool printed);

 private:
  QWidget *makeForm();
  QWidget *makeLists();
  void makeMenus();
  bool openJournal();
  void readNewRecords();
  void bind(qint64 record);
  qint64 sealOn(qint64 record, Failure *failure);
  bool vehicleKnownOrAccepted();
  desk::Prepared prepared() const;
  void printTicket(qint64 seq);
  void refreshLists();
  void startCheck();
  void say(const QString &text, bool alarm = false);
  qint64 selectedTransaction() const;

  Setup setup_;
  std::unique_ptr<RecordJournal> journal_;
  std::unique_ptr<masterdata::MasterData> data_;
  std::unique_ptr<desk::WeighingDesk> desk_;
  std::unique_ptr<JournalReader> reader_;  // the records shown, and tickets' entries
  JournalWatch *watch_ = nullptr;
  TicketPrinter printer_;
  printouts::CheckState check_;
  qint64 checkedUpTo_ = 0;
  bool checking_ = false;
  QThread *checkThread_ = nullptr;
  qint64 lastSeen_ = -1;  // the last record shown; -1 before the journal is read
  bool armed_ = false;
  qint64 armedAfter_ = 0;     // the record it waits for comes after this seq
  qint64 processedUpTo_ = 0;  // the last record looked at for a prepared transaction

  QComboBox *kind_ = nullptr;
  QLineEdit *vehicle_ = nullptr;
  QLineEdit *container_ = nullptr;
  QLineEdit *customer_ = nullptr;
  QLineEdit *product_ = nullptr;
  QLineEdit *haulier_ = nullptr;
  QLineEdit *reference_ = nullptr;
  QLineEdit *operator_ = nullptr;
  QLineEdit *note_ = nullptr;
  QLineEdit *recall_ = nullptr;
  QPushButton *arm_ = nullptr;
  QPushButton *cancel_ = nullptr;
  QLabel *waiting_ = nullptr;
  QLabel *status_ = nullptr;
  QTableWidget *records_ = nullptr;
  QTableWidget *transactions_ = nullptr;
  QListWidget *onSite_ = nullptr;
  QListWidget *queue_ = nullptr;
};

// The weighing desk's work without a widget: a transaction bound to the
// monitor's records, of each weighing kind, and its void or correction,
// each checked here first (one clear message) and then sealed by the
// journal's writer under the rules of transactions.h. The desk window and
// `weighstation-records transaction` both go through here.
#pragma once

#include <QString>
#include <QStringList>

#include "desk/masterdata.h"
#include "failure/failure.h"
#include "journal/journal.h"
#include "journal/transactions.h"

namespace desk {

// What the site's settings say of the desk.
struct Rules {
  QString station;
  QStringList supervisors;  // who may void and correct
  bool requireRegistration = false;
  int tareDays = 90;            // how long a stored tare is valid
  int firstWeighingHours = 12;  // a first weighing older than this warns
};

// What the operator prepares for a transaction.
struct Prepared {
  QString vehicle{};
  QString container{};
  QString customer{};
  QString product{};
  QString haulier{};
  QString reference{};
  QString direction{};  // a first weighing's: "in" or "out"
  QString operatorName{};
  QString note{};
};

// The code an interim ticket carries for its first weighing, which a
// handheld scanner types back at the second: "WSF<seq>".
QString interimCode(qint64 firstSeq);

class WeighingDesk {
 public:
  WeighingDesk(RecordJournal &journal, masterdata::MasterData &data, Rules rules);

  // Opens the journal and the master data and reads every transaction.
  bool open(Failure *failure);
  // Reads transactions sealed since (another desk's).
  bool refresh(Failure *failure);

  // Each returns the new transaction's seq, or 0 with the failure.
  qint64 single(qint64 record, const Prepared &prepared, Failure *failure);
  qint64 storeTare(qint64 record, const Prepared &prepared, Failure *failure);
  qint64 withStoredTare(qint64 record, const Prepared &prepared, Failure *failure);
  qint64 first(qint64 record, const Prepared &prepared, Failure *failure);
  // `recall`: the interim ticket's code, or the vehicle's registration.
  qint64 second(qint64 record, const QString &recall, const QString &operatorName,
                Failure *failure);
  qint64 voidTransaction(qint64 seq, const QString &reason, const QString &operatorName,
                         Failure *failure);
  qint64 correct(qint64 seq, const Prepared &prepared, const QString &reason, Failure *failure);

  // What the operator should know of the last transaction though it was
  // taken (a first weighing of long ago); empty when nothing.
  const QString &warning() const { return warning_; }
  const transactions::TransactionCheck &state() const { return state_; }
  const Rules &rules() const { return rules_; }
  masterdata::MasterData &data() { return data_; }
  RecordJournal &journal() { return journal_; }

 private:
  bool vehicleOf(const Prepared &prepared, bool required, Transaction *entry, Failure *failure);
  bool recordOf(qint64 record, transactions::RecordFacts *facts, Failure *failure);
  bool supervisor(const QString &operatorName, Failure *failure) const;
  qint64 seal(Transaction &entry, Failure *failure);
  bool begin(Transaction *entry, qint64 record, const Prepared &prepared, bool vehicleRequired,
             transactions::RecordFacts *facts, Failure *failure);
  qint64 weighAndSeal(Transaction &entry, const transactions::RecordFacts &first,
                      const transactions::RecordFacts *second, const Transaction *storedTare,
                      Failure *failure);
  Transaction started(const QString &kind, const Prepared &prepared) const;

  RecordJournal &journal_;
  masterdata::MasterData &data_;
  Rules rules_;
  transactions::TransactionCheck state_;
  QString warning_;
};

}  // namespace desk

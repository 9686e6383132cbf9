#include "desk/weighingdesk.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

namespace desk {
namespace {
Failure refused(const QString &why) {
  return Failure(Failure::Kind::Refused, why);
}
}  // namespace

QString interimCode(qint64 firstSeq) {
  return QStringLiteral("WSF%1").arg(firstSeq);
}

WeighingDesk::WeighingDesk(RecordJournal &journal, masterdata::MasterData &data, Rules rules)
    : journal_(journal),
      data_(data),
      rules_(std::move(rules)),
      state_([this](qint64 seq) { return journal_.recordFacts(seq); }) {}

bool WeighingDesk::open(Failure *failure) {
  // The monitor makes the journal with its first record; the desk never does.
  const QFileInfo file(journal_.path());
  if (!file.exists() || file.size() == 0) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate(
                           "Desk", "no journal at %1: the monitor makes it with its first record")
                           .arg(journal_.path()));
    return false;
  }
  return data_.open(failure) && journal_.open(failure) && refresh(failure);
}

bool WeighingDesk::refresh(Failure *failure) {
  return journal_.readTransactions(&state_, failure);
}

Transaction WeighingDesk::started(const QString &kind, const Prepared &prepared) const {
  Transaction entry;
  entry.kind = kind;
  entry.station = rules_.station;
  entry.vehicle = masterdata::plate(prepared.vehicle);
  entry.container = prepared.container.trimmed();
  entry.customer = prepared.customer.trimmed();
  entry.product = prepared.product.trimmed();
  entry.haulier = prepared.haulier.trimmed();
  entry.reference = prepared.reference.trimmed();
  entry.operatorName = prepared.operatorName.trimmed();
  entry.note = prepared.note.trimmed();
  return entry;
}

// A registered vehicle recalls its haulier, customer, product and
// container where the operator left them empty; an unknown one is weighed
// as typed unless the site requires registration, and never added here.
bool WeighingDesk::vehicleOf(const Prepared &prepared, bool required, Transaction *entry,
                             Failure *failure) {
  if (entry->vehicle.isEmpty()) {
    if (!required)
      return true;
    *failure = refused(
        QCoreApplication::translate("Desk", "this weighing needs the vehicle's registration"));
    return false;
  }
  const std::optional<QStringList> known = data_.find(QStringLiteral("vehicles"), entry->vehicle);
  if (!known) {
    if (!rules_.requireRegistration)
      return true;
    *failure = refused(QCoreApplication::translate(
                           "Desk",
                           "vehicle %1 is not registered: check the registration, or add the "
                           "vehicle first")
                           .arg(prepared.vehicle.trimmed()));
    return false;
  }
  QString *fields[] = {&entry->haulier, &entry->customer, &entry->product, &entry->container};
  for (int i = 0; i < 4; ++i) {
    if (fields[i]->isEmpty())
      *fields[i] = known->value(i + 1);
  }
  return true;
}

bool WeighingDesk::recordOf(qint64 record, transactions::RecordFacts *facts, Failure *failure) {
  const std::optional<transactions::RecordFacts> found = journal_.recordFacts(record);
  if (!found) {
    *failure =
        refused(QCoreApplication::translate("Desk", "the journal holds no record %1").arg(record));
    return false;
  }
  if (found->station != rules_.station) {
    *failure = refused(QCoreApplication::translate(
                           "Desk", "record %1 was taken at station %2, not at this station (%3)")
                           .arg(record)
                           .arg(found->station, rules_.station));
    return false;
  }
  if (const qint64 holder = state_.boundTo(record); holder != 0) {
    *failure =
        refused(QCoreApplication::translate("Desk", "record %1 is bound to transaction %2 already")
                    .arg(record)
                    .arg(holder));
    return false;
  }
  *facts = *found;
  return true;
}

bool WeighingDesk::supervisor(const QString &operatorName, Failure *failure) const {
  if (rules_.supervisors.contains(operatorName.trimmed()))
    return true;
  *failure = refused(
      rules_.supervisors.isEmpty()
          ? QCoreApplication::translate(
                "Desk",
                "only a supervisor may void or correct, and the site names none (the setting "
                "desk_supervisors)")
          : QCoreApplication::translate("Desk",
                                        "only a supervisor may void or correct (%1), not %2")
                .arg(rules_.supervisors.join(QStringLiteral(", ")), operatorName));
  return false;
}

qint64 WeighingDesk::seal(Transaction &entry, Failure *failure) {
  warning_.clear();
  if (!journal_.appendTransaction(entry, &state_, failure))
    return 0;
  return entry.seq;
}

// The transaction on `record`, its vehicle recalled, after every desk's
// transactions are read.
bool WeighingDesk::begin(Transaction *entry, qint64 record, const Prepared &prepared,
                         bool vehicleRequired, transactions::RecordFacts *facts, Failure *failure) {
  entry->firstRecord = record;
  return refresh(failure) && vehicleOf(prepared, vehicleRequired, entry, failure) &&
         recordOf(record, facts, failure);
}

qint64 WeighingDesk::weighAndSeal(Transaction &entry, const transactions::RecordFacts &first,
                                  const transactions::RecordFacts *second,
                                  const Transaction *storedTare, Failure *failure) {
  if (QString why; !transactions::weigh(&entry, first, second, storedTare, &why)) {
    *failure = refused(why);
    return 0;
  }
  return seal(entry, failure);
}

qint64 WeighingDesk::single(qint64 record, const Prepared &prepared, Failure *failure) {
  Transaction entry = started(transactions::kSingle, prepared);
  transactions::RecordFacts facts;
  if (!begin(&entry, record, prepared, false, &facts, failure))
    return 0;
  return weighAndSeal(entry, facts, nullptr, nullptr, failure);
}

qint64 WeighingDesk::storeTare(qint64 record, const Prepared &prepared, Failure *failure) {
  Transaction entry = started(transactions::kTare, prepared);
  transactions::RecordFacts facts;
  if (!begin(&entry, record, prepared, true, &facts, failure))
    return 0;
  // A tare is the vehicle's, not a delivery's.
  entry.customer = entry.product = entry.reference = QString();
  entry.validUntil = QDateTime::fromString(facts.takenAt, Qt::ISODateWithMs)
                         .toUTC()
                         .date()
                         .addDays(rules_.tareDays)
                         .toString(Qt::ISODate);
  return weighAndSeal(entry, facts, nullptr, nullptr, failure);
}

qint64 WeighingDesk::withStoredTare(qint64 record, const Prepared &prepared, Failure *failure) {
  Transaction entry = started(transactions::kStoredTare, prepared);
  transactions::RecordFacts facts;
  if (!begin(&entry, record, prepared, true, &facts, failure))
    return 0;
  const Transaction *tare = state_.storedTare(entry.vehicle, entry.container);
  if (!tare) {
    *failure = refused(
        entry.container.isEmpty()
            ? QCoreApplication::translate("Desk", "vehicle %1 has no stored tare")
                  .arg(entry.vehicle)
            : QCoreApplication::translate("Desk", "vehicle %1 has no stored tare with container %2")
                  .arg(entry.vehicle, entry.container));
    return 0;
  }
  if (facts.takenAt.left(10) > tare->validUntil) {
    *failure = refused(QCoreApplication::translate(
                           "Desk",
                           "the stored tare of vehicle %1 (transaction %2) expired on %3: weigh "
                           "it empty and store its tare again")
                           .arg(entry.vehicle)
                           .arg(tare->seq)
                           .arg(tare->validUntil));
    return 0;
  }
  entry.tareEntry = tare->seq;
  return weighAndSeal(entry, facts, nullptr, tare, failure);
}

qint64 WeighingDesk::first(qint64 record, const Prepared &prepared, Failure *failure) {
  Transaction entry = started(transactions::kFirst, prepared);
  transactions::RecordFacts facts;
  entry.direction = prepared.direction.trimmed().toLower();
  if (entry.direction != QLatin1String("in") && entry.direction != QLatin1String("out")) {
    *failure = refused(QCoreApplication::translate(
                           "Desk", "a first weighing is inbound (in) or outbound (out), not \"%1\"")
                           .arg(prepared.direction));
    return 0;
  }
  if (!begin(&entry, record, prepared, true, &facts, failure))
    return 0;
  for (const Transaction *open : state_.onSite()) {
    if (open->vehicle == entry.vehicle) {
      *failure =
          refused(QCoreApplication::translate(
                      "Desk", "vehicle %1 is on site already (transaction %2): weigh it out first")
                      .arg(entry.vehicle)
                      .arg(open->seq));
      return 0;
    }
  }
  return weighAndSeal(entry, facts, nullptr, nullptr, failure);
}

qint64 WeighingDesk::second(qint64 record, const QString &recall, const QString &operatorName,
                            Failure *failure) {
  if (!refresh(failure))
    return 0;
  static const QRegularExpression code(QStringLiteral("^WSF(\\d+)$"));
  const QRegularExpressionMatch scanned = code.match(recall.trimmed().toUpper());
  const Transaction *open = nullptr;
  for (const Transaction *onSite : state_.onSite()) {
    if (scanned.hasMatch() ? onSite->seq == scanned.captured(1).toLongLong()
                           : onSite->vehicle == masterdata::plate(recall))
      open = onSite;
  }
  if (!open) {
    *failure = refused(
        scanned.hasMatch()
            ? QCoreApplication::translate("Desk", "no vehicle on site has the interim ticket %1")
                  .arg(recall.trimmed())
            : QCoreApplication::translate(
                  "Desk", "vehicle %1 is not on site: no first weighing is open for it")
                  .arg(masterdata::plate(recall)));
    return 0;
  }
  Transaction entry = *open;
  entry.seq = 0;
  entry.kind = transactions::kSecond;
  entry.refers = open->seq;
  entry.secondRecord = record;
  entry.operatorName = operatorName.trimmed();
  transactions::RecordFacts facts;
  const std::optional<transactions::RecordFacts> firstFacts =
      journal_.recordFacts(open->firstRecord);
  if (!recordOf(record, &facts, failure))
    return 0;
  if (!firstFacts) {
    *failure = refused(QCoreApplication::translate("Desk", "the journal holds no record %1")
                           .arg(open->firstRecord));
    return 0;
  }
  const qint64 hoursOnSite = QDateTime::fromString(firstFacts->takenAt, Qt::ISODateWithMs)
                                 .secsTo(QDateTime::fromString(facts.takenAt, Qt::ISODateWithMs)) /
                             3600;
  const qint64 sealed = weighAndSeal(entry, *firstFacts, &facts, nullptr, failure);
  if (sealed != 0 && hoursOnSite >= rules_.firstWeighingHours)
    warning_ = QCoreApplication::translate(
                   "Desk",
                   "vehicle %1 was weighed in %2 hours before this weighing: check that the "
                   "interim ticket was its own")
                   .arg(entry.vehicle)
                   .arg(hoursOnSite);
  return sealed;
}

qint64 WeighingDesk::voidTransaction(qint64 seq, const QString &reason, const QString &operatorName,
                                     Failure *failure) {
  if (!refresh(failure) || !supervisor(operatorName, failure))
    return 0;
  if (state_.entry(seq) && state_.entry(seq)->kind == transactions::kVoid) {
    *failure = refused(
        QCoreApplication::translate("Desk", "transaction %1 is a void: it stands").arg(seq));
    return 0;
  }
  if (!state_.entry(seq) || state_.voidedBy(seq) != 0) {
    *failure = refused(
        state_.entry(seq)
            ? QCoreApplication::translate(
                  "Desk",
                  "transaction %1 was closed, voided or corrected by transaction %2 already")
                  .arg(seq)
                  .arg(state_.voidedBy(seq))
            : QCoreApplication::translate("Desk", "the journal holds no transaction %1").arg(seq));
    return 0;
  }
  Transaction entry;
  entry.kind = transactions::kVoid;
  entry.station = rules_.station;
  entry.refers = seq;
  entry.reason = reason.trimmed();
  entry.operatorName = operatorName.trimmed();
  if (entry.reason.isEmpty()) {
    *failure = refused(QCoreApplication::translate("Desk", "a void needs its reason"));
    return 0;
  }
  return seal(entry, failure);
}

qint64 WeighingDesk::correct(qint64 seq, const Prepared &prepared, const QString &reason,
                             Failure *failure) {
  if (!refresh(failure) || !supervisor(prepared.operatorName, failure))
    return 0;
  const Transaction *original = state_.entry(seq);
  if (!original || !transactions::isWeighing(original->kind) || state_.voidedBy(seq) != 0) {
    *failure =
        refused(QCoreApplication::translate("Desk", "transaction %1 is no live weighing to correct")
                    .arg(seq));
    return 0;
  }
  Transaction entry = started(transactions::kCorrection, prepared);
  if (!vehicleOf(prepared, !original->vehicle.isEmpty(), &entry, failure))
    return 0;
  // Weights and records are never typed: the original's stay.
  entry.refers = seq;
  entry.reason = reason.trimmed();
  entry.direction = original->direction;
  entry.firstRecord = original->firstRecord;
  entry.secondRecord = original->secondRecord;
  entry.tareEntry = original->tareEntry;
  entry.unit = original->unit;
  entry.gross = original->gross;
  entry.tare = original->tare;
  entry.net = original->net;
  if (entry.reason.isEmpty()) {
    *failure = refused(QCoreApplication::translate("Desk", "a correction needs its reason"));
    return 0;
  }
  return seal(entry, failure);
}

}  // namespace desk

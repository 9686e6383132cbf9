#include "journal/transactions.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "journal/recordseal.h"
#include "journal/seals.h"

namespace transactions {

bool isKind(const QString &kind) {
  return kind == kSingle || kind == kStoredTare || kind == kTare || kind == kFirst ||
         kind == kSecond || kind == kVoid || kind == kCorrection;
}

bool isWeighing(const QString &kind) {
  return kind == kSingle || kind == kStoredTare || kind == kSecond || kind == kCorrection;
}

namespace {
// A column of text: an empty one is stored as null.
Column text(const char *name, QString Transaction::*field) {
  return {QString::fromLatin1(name), false,
          [field](const Transaction &entry) {
            return (entry.*field).isEmpty() ? QVariant() : QVariant(entry.*field);
          },
          [field](Transaction &entry, const QVariant &value) { entry.*field = value.toString(); }};
}
// A column of a seq: 0 is stored as null.
Column number(const char *name, qint64 Transaction::*field) {
  return {
      QString::fromLatin1(name), true,
      [field](const Transaction &entry) {
        return entry.*field == 0 ? QVariant() : QVariant(entry.*field);
      },
      [field](Transaction &entry, const QVariant &value) { entry.*field = value.toLongLong(); }};
}

qint64 powerOfTen(int decimals) {
  qint64 power = 1;
  for (int i = 0; i < decimals; ++i)
    power *= 10;
  return power;
}

ShownValue inDecimals(const ShownValue &value, int decimals) {
  return {value.units * powerOfTen(decimals - value.decimals), decimals};
}

}  // namespace

bool shownOf(const QString &text, ShownValue *value) {
  const qsizetype point = text.indexOf(u'.');
  const QString digits = point < 0 ? text : text.left(point) + text.mid(point + 1);
  bool ok = false;
  value->units = digits.toLongLong(&ok);
  value->decimals = point < 0 ? 0 : int(text.size() - point - 1);
  return ok && !text.isEmpty() && value->decimals <= 3 && value->text() == text;
}

const std::vector<Column> &columns() {
  static const std::vector<Column> table = {
      number("seq", &Transaction::seq),
      text("kind", &Transaction::kind),
      number("refers", &Transaction::refers),
      number("tare_entry", &Transaction::tareEntry),
      text("station", &Transaction::station),
      number("first_record", &Transaction::firstRecord),
      text("first_seal", &Transaction::firstSeal),
      number("second_record", &Transaction::secondRecord),
      text("second_seal", &Transaction::secondSeal),
      text("vehicle", &Transaction::vehicle),
      text("container", &Transaction::container),
      text("customer", &Transaction::customer),
      text("product", &Transaction::product),
      text("haulier", &Transaction::haulier),
      text("reference", &Transaction::reference),
      text("direction", &Transaction::direction),
      text("unit", &Transaction::unit),
      text("gross", &Transaction::gross),
      text("tare", &Transaction::tare),
      text("net", &Transaction::net),
      text("valid_until", &Transaction::validUntil),
      text("operator", &Transaction::operatorName),
      text("note", &Transaction::note),
      text("reason", &Transaction::reason),
      text("taken_at", &Transaction::takenAt),
  };
  return table;
}

QString table() {
  QStringList fields;
  for (const Column &column : columns()) {
    QString field =
        column.name + (column.integer ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
    if (column.name == QLatin1String("seq"))
      field += QStringLiteral(" PRIMARY KEY");
    else if (column.name == QLatin1String("kind") || column.name == QLatin1String("station") ||
             column.name == QLatin1String("taken_at"))
      field += QStringLiteral(" NOT NULL");
    fields << field;
  }
  fields << QStringLiteral("mac TEXT NOT NULL");
  return QStringLiteral("CREATE TABLE IF NOT EXISTS transactions (%1)").arg(fields.join(", "));
}

QString columnList() {
  QStringList names;
  for (const Column &column : columns())
    names << column.name;
  names << QStringLiteral("mac");
  return names.join(", ");
}

Transaction read(const QSqlQuery &query) {
  Transaction entry;
  const std::vector<Column> &table = columns();
  for (size_t i = 0; i < table.size(); ++i)
    table[i].set(entry, query.value(int(i)));
  entry.mac = query.value(int(table.size())).toString();
  return entry;
}

QByteArray canonicalBytes(const Transaction &entry) {
  QByteArray out = "transaction\n";
  for (const Column &column : columns()) {
    out.append(column.name.toLatin1()).append('=');
    const QVariant value = column.get(entry);
    if (value.isNull()) {
      out.append("-\n");
      continue;
    }
    const QByteArray bytes =
        column.integer ? QByteArray::number(value.toLongLong()) : value.toString().toUtf8();
    out.append(QByteArray::number(bytes.size())).append(':').append(bytes).append('\n');
  }
  return out;
}

QByteArray contentHash(const Transaction &entry) {
  return seals::sha256(canonicalBytes(entry));
}

QByteArray chainHash(const QByteArray &content, const QString &previousMac) {
  return seals::sha256("previous transaction " + previousMac.toLatin1() + '\n' + content);
}

QByteArray message(const QByteArray &content, const QByteArray &chain) {
  return "weighstation transaction 1\n" + content.toHex() + '\n' + chain.toHex() + '\n';
}

RecordFacts factsOf(const JournalRecord &record) {
  return {record.station, record.mac, record.takenAt, shown::total(record), record.totalUnit};
}

bool weigh(Transaction *entry, const RecordFacts &first, const RecordFacts *second,
           const Transaction *storedTare, QString *why) {
  entry->unit = entry->gross = entry->tare = entry->net = QString();
  if (entry->kind == kVoid || entry->kind == kCorrection)
    return true;
  if (first.unit != QLatin1String("kg") && first.unit != QLatin1String("lbs")) {
    *why =
        QCoreApplication::translate("Journal", "record %1 shows no unit").arg(entry->firstRecord);
    return false;
  }
  entry->unit = first.unit;
  if (entry->kind == kFirst)
    return true;
  if (entry->kind == kTare) {
    if (first.total.units <= 0) {
      *why = QCoreApplication::translate("Journal", "a tare of %1 %2 is not above zero")
                 .arg(first.total.text(), first.unit);
      return false;
    }
    entry->tare = first.total.text();
    return true;
  }
  ShownValue gross = first.total, tare{0, first.total.decimals};
  if (entry->kind == kSecond) {
    if (!second || second->unit != first.unit) {
      *why = QCoreApplication::translate("Journal", "the second weighing is in %1, the first in %2")
                 .arg(second ? second->unit : QString(), first.unit);
      return false;
    }
    const int decimals = qMax(first.total.decimals, second->total.decimals);
    gross = inDecimals(first.total, decimals);
    tare = inDecimals(second->total, decimals);
    if (tare.units > gross.units)
      std::swap(gross, tare);
  } else if (entry->kind == kStoredTare) {
    ShownValue stored;
    if (!storedTare || storedTare->unit != first.unit || !shownOf(storedTare->tare, &stored)) {
      *why = QCoreApplication::translate("Journal", "the stored tare is in %1, the weighing in %2")
                 .arg(storedTare ? storedTare->unit : QString(), first.unit);
      return false;
    }
    const int decimals = qMax(first.total.decimals, stored.decimals);
    gross = inDecimals(first.total, decimals);
    tare = inDecimals(stored, decimals);
    if (tare.units > gross.units) {
      *why = QCoreApplication::translate("Journal",
                                         "the stored tare %1 %3 is heavier than the gross %2 %3")
                 .arg(stored.text(), first.total.text(), first.unit);
      return false;
    }
  } else if (entry->kind != kSingle) {
    *why = QCoreApplication::translate("Journal", "not a kind of transaction: %1").arg(entry->kind);
    return false;
  }
  const ShownValue net{gross.units - tare.units, gross.decimals};
  if (net.units <= 0) {
    *why = QCoreApplication::translate("Journal", "a net of %1 %2 is not above zero")
               .arg(net.text(), first.unit);
    return false;
  }
  entry->gross = gross.text();
  entry->tare = tare.text();
  entry->net = net.text();
  return true;
}

const Transaction *TransactionCheck::entry(qint64 seq) const {
  return seq >= 1 && seq <= qint64(entries_.size()) ? &entries_[size_t(seq - 1)] : nullptr;
}

bool TransactionCheck::live(qint64 seq) const {
  return entry(seq) && !ended_.contains(seq);
}

QList<const Transaction *> TransactionCheck::onSite() const {
  QList<const Transaction *> open;
  for (const Transaction &taken : entries_) {
    if (taken.kind == kFirst && live(taken.seq))
      open << &taken;
  }
  return open;
}

const Transaction *TransactionCheck::storedTare(const QString &vehicle,
                                                const QString &container) const {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    if (it->kind == kTare && live(it->seq) && it->vehicle == vehicle && it->container == container)
      return &*it;
  }
  return nullptr;
}

QStringList TransactionCheck::referenceProblems(const Transaction &entry) const {
  const Transaction *referred = entry.refers > 0 ? this->entry(entry.refers) : nullptr;
  QStringList problems;
  auto problem = [&](const char *text) {
    problems << QCoreApplication::translate("Journal", text).arg(entry.refers);
  };
  if (entry.kind == kSecond &&
      (!referred || referred->kind != kFirst || !live(entry.refers) ||
       referred->vehicle != entry.vehicle || referred->firstRecord != entry.firstRecord))
    problem(QT_TRANSLATE_NOOP(
        "Journal",
        "it closes transaction %1, which is no open first weighing of its vehicle and record"));
  if ((entry.kind == kVoid || entry.kind == kCorrection) &&
      (!live(entry.refers) || referred->kind == kVoid))
    problem(QT_TRANSLATE_NOOP("Journal", "it refers to transaction %1, which is not live"));
  if (entry.kind == kCorrection && referred &&
      (!isWeighing(referred->kind) || referred->firstRecord != entry.firstRecord ||
       referred->secondRecord != entry.secondRecord || referred->tareEntry != entry.tareEntry ||
       referred->unit != entry.unit || referred->gross != entry.gross ||
       referred->tare != entry.tare || referred->net != entry.net))
    problem(
        QT_TRANSLATE_NOOP("Journal", "it does not keep the records and weights of transaction %1"));
  if ((entry.kind == kVoid || entry.kind == kCorrection) && entry.reason.trimmed().isEmpty())
    problems << QCoreApplication::translate("Journal", "it gives no reason");
  if (entry.kind != kSecond && entry.kind != kVoid && entry.kind != kCorrection &&
      entry.refers != 0)
    problem(QT_TRANSLATE_NOOP("Journal", "it refers to transaction %1, which its kind never does"));
  return problems;
}

QStringList TransactionCheck::weighingProblems(const Transaction &entry) const {
  QStringList problems;
  if (entry.kind == kVoid) {
    if (entry.firstRecord != 0 || entry.secondRecord != 0 || !entry.unit.isEmpty())
      problems << QCoreApplication::translate("Journal", "a void binds no record");
    return problems;
  }
  std::optional<RecordFacts> records[2];
  const qint64 seqs[2] = {entry.firstRecord, entry.secondRecord};
  const QString seals[2] = {entry.firstSeal, entry.secondSeal};
  const Transaction *replaced =
      entry.kind == kCorrection || entry.kind == kSecond ? this->entry(entry.refers) : nullptr;
  for (int i = 0; i < 2; ++i) {
    if (seqs[i] == 0)
      continue;
    records[i] = records_(seqs[i]);
    if (!records[i] || records[i]->station != entry.station || records[i]->mac != seals[i])
      problems << QCoreApplication::translate(
                      "Journal", "record %1 is not in the journal as the transaction copied it")
                      .arg(seqs[i]);
    const qint64 holder = bound_.value(seqs[i]);
    if (holder != 0 && !(replaced && holder == replaced->seq))
      problems << QCoreApplication::translate("Journal",
                                              "record %1 is bound to transaction %2 already")
                      .arg(seqs[i])
                      .arg(holder);
  }
  if (entry.firstRecord == 0 || (entry.kind == kSecond) != (entry.secondRecord != 0) ||
      entry.firstRecord == entry.secondRecord)
    problems << QCoreApplication::translate("Journal", "it binds other records than its kind does");
  if (!problems.isEmpty() || !records[0])
    return problems;
  const Transaction *tare = entry.kind == kStoredTare ? this->entry(entry.tareEntry) : nullptr;
  if (entry.kind == kStoredTare &&
      (!tare || tare->kind != kTare || !live(tare->seq) || tare->vehicle != entry.vehicle ||
       tare->container != entry.container || records[0]->takenAt.left(10) > tare->validUntil))
    return {QCoreApplication::translate(
                "Journal", "its stored tare %1 is not a valid tare of its vehicle at the weighing")
                .arg(entry.tareEntry)};
  if (entry.kind == kCorrection)
    return problems;
  Transaction expected = entry;
  QString why;
  if (!weigh(&expected, *records[0], records[1] ? &*records[1] : nullptr, tare, &why))
    return {why};
  if (expected.unit != entry.unit || expected.gross != entry.gross || expected.tare != entry.tare ||
      expected.net != entry.net)
    problems << QCoreApplication::translate(
                    "Journal",
                    "its weights %1/%2/%3 %4 do not follow from its records (%5/%6/%7 %8)")
                    .arg(entry.gross, entry.tare, entry.net, entry.unit, expected.gross,
                         expected.tare, expected.net, expected.unit);
  return problems;
}

QStringList TransactionCheck::problemsOf(const Transaction &entry) const {
  QStringList problems;
  if (entry.seq != lastSeq_ + 1)
    problems << QCoreApplication::translate("Journal", "out of its place, after transaction %1")
                    .arg(lastSeq_);
  if (!isKind(entry.kind))
    problems
        << QCoreApplication::translate("Journal", "not a kind of transaction: %1").arg(entry.kind);
  qint64 seconds = 0;
  if (entry.station.isEmpty() || !recordseal::secondsOf(entry.takenAt, &seconds))
    problems << QCoreApplication::translate("Journal", "it names no station or time");
  if (seal_) {
    if (const QString why = seal_(entry, lastMac_); !why.isEmpty())
      problems << why;
  }
  problems << referenceProblems(entry) << weighingProblems(entry);
  return problems;
}

QStringList TransactionCheck::add(const Transaction &entry) {
  QStringList problems = problemsOf(entry);
  take(entry);
  return problems;
}

void TransactionCheck::take(const Transaction &entry) {
  if (entry.seq != lastSeq_ + 1)
    return;  // not taken: the state stays in seq order
  lastSeq_ = entry.seq;
  lastMac_ = entry.mac;
  Transaction kept = entry;
  kept.firstSeal.clear();
  kept.secondSeal.clear();
  kept.mac.clear();
  entries_.push_back(kept);
  if ((entry.kind == kSecond || entry.kind == kVoid || entry.kind == kCorrection) &&
      live(entry.refers)) {
    ended_.insert(entry.refers, entry.seq);
    const Transaction *ended = this->entry(entry.refers);
    for (const qint64 record : {ended->firstRecord, ended->secondRecord}) {
      if (record != 0 && bound_.value(record) == ended->seq)
        bound_.remove(record);
    }
  }
  for (const qint64 record : {entry.firstRecord, entry.secondRecord}) {
    if (record != 0 && !bound_.contains(record))
      bound_.insert(record, entry.seq);
  }
}

QString sealProblem(const chaincheck::Keys &keys, const Transaction &entry,
                    const QString &previousMac) {
  recordseal::Seal seal;
  qint64 seconds = 0;
  const QByteArray content = contentHash(entry);
  const signingkeys::EpochCertificate *epoch =
      recordseal::parse(entry.mac, &seal) ? keys.epochKey(seal.epoch) : nullptr;
  if (!epoch || seal.hash != chainHash(content, previousMac))
    return QCoreApplication::translate(
        "Journal", "its seal does not match its contents and the transaction before");
  if (!chaincheck::signedBy(*epoch, message(content, seal.hash), seal.signature))
    return QCoreApplication::translate("Journal", "its seal is not signed by its epoch's key");
  if (!recordseal::secondsOf(entry.takenAt, &seconds) || !chaincheck::datedWithin(*epoch, seconds))
    return QCoreApplication::translate("Journal", "it is dated %1, outside its sealing epoch %2")
        .arg(entry.takenAt)
        .arg(seal.epoch);
  return QString();
}

}  // namespace transactions

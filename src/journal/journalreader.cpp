#include "journal/journalreader.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTimeZone>

#include "journal/journal.h"
#include "journal/journaldb.h"

QString JournalFilter::where(QVariantList *binds, const QString &table, bool postgres) const {
  QStringList terms;
  if (!station.isEmpty()) {
    terms << QStringLiteral("station = ?");
    *binds << station;
  }
  if (!takenFrom.isEmpty()) {
    terms << QStringLiteral("taken_at >= ?");
    *binds << takenFrom;
  }
  if (!takenTo.isEmpty()) {
    terms << QStringLiteral("taken_at < ?");
    *binds << takenTo;
  }
  if (seqFrom > 0) {
    terms << QStringLiteral("seq >= ?");
    *binds << seqFrom;
  }
  if (seqTo > 0) {
    terms << QStringLiteral("seq <= ?");
    *binds << seqTo;
  }
  if (!journalIds.isEmpty()) {
    QStringList marks;
    for (const QString &id : journalIds) {
      marks << QStringLiteral("?");
      *binds << id;
    }
    terms << QStringLiteral("journal_id IN (%1)").arg(marks.join(", "));
  }
  if (!text.isEmpty()) {
    terms << (postgres ? QStringLiteral("(strpos(total_line, ?) > 0 OR strpos(encode(block, "
                                        "'escape'), ?) > 0)")
                       : QStringLiteral("(instr(total_line, ?) > 0 OR instr(CAST(block AS TEXT), "
                                        "?) > 0)"));
    *binds << text << text;
  }
  QString clause = terms.isEmpty() ? QString() : QStringLiteral(" WHERE ") + terms.join(" AND ");
  if (last > 0) {
    // The newest N of what the other terms keep.
    clause = QStringLiteral(" WHERE seq IN (SELECT seq FROM %1%2 ORDER BY seq DESC LIMIT %3)")
                 .arg(table, clause)
                 .arg(last);
  }
  return clause;
}

JournalReader::JournalReader(const QString &path, const QString &connectionName)
    : path_(path), connectionName_(connectionName) {}

JournalReader::JournalReader(const QSqlDatabase &open, const QString &table,
                             const QString &journalId)
    : db_(open), table_(table), journalId_(journalId), ownsConnection_(false) {}

QString JournalReader::where(const JournalFilter &filter, QVariantList *binds) const {
  JournalFilter scoped = filter;
  if (!journalId_.isEmpty())
    scoped.journalIds = QStringList{journalId_};
  return scoped.where(binds, table_, db_.driverName() == QLatin1String("QPSQL"));
}

JournalReader::~JournalReader() {
  if (ownsConnection_)
    journaldb::close(&db_);
}

bool JournalReader::open(QString *error) {
  if (!journaldb::openForReading(&db_, path_, connectionName_, error))
    return false;
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT value FROM journal_meta WHERE name = 'format'"))) {
    *error = QStringLiteral("cannot read the journal %1: %2")
                 .arg(path_, journaldb::reason(query.lastError()));
    return false;
  }
  if (!query.next() || query.value(0).toInt() != RecordJournal::kFormat) {
    *error = QStringLiteral("%1 is not a record journal of format %2")
                 .arg(path_)
                 .arg(RecordJournal::kFormat);
    return false;
  }
  return true;
}

QString JournalReader::journalId() const {
  QSqlQuery query(db_);
  if (query.exec(QStringLiteral("SELECT value FROM journal_meta WHERE name = 'id'")) &&
      query.next())
    return query.value(0).toString();
  return QString();
}

bool JournalReader::forEach(const JournalFilter &filter,
                            const std::function<bool(const JournalRecord &)> &visit,
                            QString *error) const {
  QVariantList binds;
  QSqlQuery query(db_);
  query.setForwardOnly(true);
  query.prepare(QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4")
                    .arg(journalschema::columnList() +
                             (isLocal() ? QString() : QStringLiteral(", journal_id")),
                         table_, where(filter, &binds),
                         isLocal() ? QStringLiteral("seq") : QStringLiteral("journal_id, seq")));
  for (const QVariant &value : binds)
    query.addBindValue(value);
  if (!query.exec()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return false;
  }
  const int journalColumn = int(journalcolumns::columns().size()) + 1;
  while (query.next()) {
    JournalRecord record = journalschema::readRecord(query);
    if (!isLocal())
      record.journalId = query.value(journalColumn).toString();
    if (!visit(record))
      break;
  }
  if (query.lastError().isValid()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return false;
  }
  return true;
}

qint64 JournalReader::count(const JournalFilter &filter, QString *error) const {
  QVariantList binds;
  QSqlQuery query(db_);
  query.prepare(QStringLiteral("SELECT count(*) FROM %1%2").arg(table_, where(filter, &binds)));
  for (const QVariant &value : binds)
    query.addBindValue(value);
  if (!query.exec() || !query.next()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return -1;
  }
  return query.value(0).toLongLong();
}

qint64 JournalReader::newest(QString *error) const {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT coalesce(max(seq), 0) FROM %1").arg(table_)) ||
      !query.next()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return -1;
  }
  return query.value(0).toLongLong();
}

QString JournalReader::macOf(qint64 seq, QString *error) const {
  QSqlQuery query(db_);
  query.prepare(QStringLiteral("SELECT mac FROM %1 WHERE seq = ?").arg(table_));
  query.addBindValue(seq);
  if (!query.exec() || !query.next()) {
    *error = query.lastError().isValid()
                 ? QStringLiteral("cannot read the journal: %1").arg(query.lastError().text())
                 : QStringLiteral("no record %1").arg(seq);
    return QString();
  }
  return query.value(0).toString();
}

QSqlQuery JournalReader::newestFirst(const JournalFilter &filter) const {
  QVariantList binds;
  QSqlQuery query(db_);
  query.prepare(QStringLiteral("SELECT seq, taken_at, station, total_line, block, mac FROM %1%2 "
                               "ORDER BY seq DESC")
                    .arg(table_, where(filter, &binds)));
  for (const QVariant &value : binds)
    query.addBindValue(value);
  query.exec();
  return query;
}

QString JournalReader::lastWorkbookSession(const QStringList &names, QString *error) const {
  QStringList marks;
  for (int i = 0; i < names.size(); ++i)
    marks << QStringLiteral("?");
  QSqlQuery query(db_);
  query.prepare(QStringLiteral("SELECT workbook_session FROM %1 WHERE workbook_file IN (%2) ORDER "
                               "BY seq DESC LIMIT 1")
                    .arg(table_, marks.join(", ")));
  for (const QString &name : names)
    query.addBindValue(name);
  if (!query.exec()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return QString();
  }
  if (!query.next()) {
    *error = QStringLiteral("no record of the journal went to the workbook %1").arg(names.value(0));
    return QString();
  }
  return query.value(0).toString();
}

bool JournalReader::forEachOfSession(const QString &session,
                                     const std::function<bool(const JournalRecord &)> &visit,
                                     QString *error) const {
  QSqlQuery query(db_);
  query.setForwardOnly(true);
  query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE workbook_session = ? ORDER BY seq")
                    .arg(journalschema::columnList(), table_));
  query.addBindValue(session);
  if (!query.exec()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return false;
  }
  while (query.next()) {
    if (!visit(journalschema::readRecord(query)))
      break;
  }
  if (query.lastError().isValid()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return false;
  }
  return true;
}

JournalTotals JournalReader::totals(const JournalFilter &filter, QString *error) const {
  JournalTotals totals;
  QVariantList binds;
  QSqlQuery query(db_);
  query.prepare(QStringLiteral("SELECT total_unit, count(*), coalesce(sum(CASE WHEN total_sign = "
                               "'-' THEN -total ELSE total END), 0) FROM %1%2 GROUP BY total_unit "
                               "ORDER BY total_unit")
                    .arg(table_, where(filter, &binds)));
  for (const QVariant &value : binds)
    query.addBindValue(value);
  if (!query.exec()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return totals;
  }
  while (query.next()) {
    totals.count += query.value(1).toLongLong();
    totals.sumByUnit << qMakePair(query.value(0).toString(), query.value(2).toDouble());
  }
  if (query.exec(QStringLiteral("SELECT max(seq) FROM %1").arg(table_)) && query.next())
    totals.lastSeq = query.value(0).toLongLong();
  return totals;
}

QString JournalTotals::text() const {
  QStringList sums;
  for (const auto &sum : sumByUnit)
    sums << QStringLiteral("%1 %2").arg(QString::number(sum.second, 'f', 3), sum.first);
  return QStringLiteral("%1 records").arg(count) +
         (sums.isEmpty() ? QString()
                         : QStringLiteral(", summed ") + sums.join(QStringLiteral(", ")));
}

namespace journaldates {

QString takenAtBound(const QString &text, bool end, QString *error) {
  struct Form {
    const char *format;
    qint64 spanSeconds;  // what an end bound adds
  };
  static const Form kForms[] = {{"yyyy-MM-dd", 86400},
                                {"yyyy-MM-ddTHH:mm", 60},
                                {"yyyy-MM-ddTHH:mm:ss", 1},
                                {"yyyy-MM-dd HH:mm", 60},
                                {"yyyy-MM-dd HH:mm:ss", 1}};
  for (const Form &form : kForms) {
    QDateTime local = QDateTime::fromString(text, QString::fromLatin1(form.format));
    if (!local.isValid())
      continue;
    local.setTimeZone(QTimeZone::systemTimeZone());
    if (end)
      local = form.spanSeconds == 86400 ? local.addDays(1) : local.addSecs(form.spanSeconds);
    return local.toUTC().toString(Qt::ISODateWithMs);
  }
  *error = QStringLiteral("'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])").arg(text);
  return QString();
}

QDateTime localTime(const QString &takenAt) {
  return QDateTime::fromString(takenAt, Qt::ISODateWithMs).toLocalTime();
}

}  // namespace journaldates

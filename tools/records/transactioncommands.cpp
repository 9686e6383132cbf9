// The weighing desk's commands: a transaction of each kind on the
// journal's records, its void or correction, the list, and the desk's
// master data; what the desk window does, for scripts and the site's
// other systems.
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <cstdio>

#include "command.h"
#include "commands.h"
#include "desk/weighingdesk.h"
#include "desksettings.h"

namespace records {
namespace {
const char *const kFields[][2] = {
    {"vehicle", QT_TRANSLATE_NOOP("Records", "The vehicle's registration.")},
    {"container", QT_TRANSLATE_NOOP("Records", "The vehicle's container (its stored tare's).")},
    {"customer", QT_TRANSLATE_NOOP("Records", "The customer.")},
    {"product", QT_TRANSLATE_NOOP("Records", "The product.")},
    {"haulier", QT_TRANSLATE_NOOP("Records", "The haulier.")},
    {"reference", QT_TRANSLATE_NOOP("Records", "The order or reference number.")},
    {"direction", QT_TRANSLATE_NOOP("Records", "A first weighing's direction: in or out.")},
    {"operator", QT_TRANSLATE_NOOP("Records", "The operator (a supervisor to void or correct).")},
    {"note", QT_TRANSLATE_NOOP("Records", "A note on the transaction.")},
    {"recall", QT_TRANSLATE_NOOP(
                   "Records", "The second weighing's interim ticket code, or its registration.")},
    {"reason", QT_TRANSLATE_NOOP("Records", "Why a transaction is voided or corrected.")},
};

QString deskDataPath(const Command &command) {
  return desksettings::dataPath(settingsRead(), command.journal());
}

desk::Rules deskRules() {
  return desksettings::rules(settingsRead(), journalfiles::stationName());
}

// "12 single AB12CD 2026-12-10 09:14 net 12340 kg", and its state.
QString lineOf(const transactions::TransactionCheck &state, const Transaction &entry) {
  QStringList parts{QString::number(entry.seq), entry.kind,
                    QDateTime::fromString(entry.takenAt, Qt::ISODateWithMs)
                        .toLocalTime()
                        .toString(QStringLiteral("yyyy-MM-dd HH:mm"))};
  for (const QString &field : {entry.vehicle, entry.customer, entry.product, entry.reference})
    parts << (field.isEmpty() ? QStringLiteral("-") : field);
  if (!entry.net.isEmpty())
    parts << QCoreApplication::translate("Records", "gross %1 tare %2 net %3 %4")
                 .arg(entry.gross, entry.tare, entry.net, entry.unit);
  else if (entry.kind == transactions::kTare)
    parts << QCoreApplication::translate("Records", "tare %1 %2 until %3")
                 .arg(entry.tare, entry.unit, entry.validUntil);
  if (entry.refers > 0)
    parts << QCoreApplication::translate("Records", "on transaction %1").arg(entry.refers);
  if (const qint64 by = state.voidedBy(entry.seq); by > 0) {
    const Transaction *ender = state.entry(by);
    parts << (ender->kind == transactions::kVoid
                  ? QCoreApplication::translate("Records", "VOID (transaction %1)").arg(by)
              : ender->kind == transactions::kCorrection
                  ? QCoreApplication::translate("Records", "replaced by transaction %1").arg(by)
                  : QCoreApplication::translate("Records", "closed by transaction %1").arg(by));
  } else if (entry.kind == transactions::kFirst) {
    parts << QCoreApplication::translate("Records", "on site, interim ticket %1")
                 .arg(desk::interimCode(entry.seq));
  }
  return parts.join(QStringLiteral("  "));
}

int listTransactions(desk::WeighingDesk &weighingDesk, bool onSite) {
  const transactions::TransactionCheck &state = weighingDesk.state();
  for (const Transaction &entry : state.entries()) {
    const bool open = entry.kind == transactions::kFirst && state.voidedBy(entry.seq) == 0;
    if (!onSite || open)
      say(lineOf(state, entry));
  }
  return kDone;
}
}  // namespace

namespace {
void addTransactionOptions(QCommandLineParser &parser) {
  parser.addPositionalArgument(QStringLiteral("action"),
                               QCoreApplication::translate("Records", "What to do."));
  parser.addOption({QStringLiteral("record"),
                    QCoreApplication::translate("Records", "The record (its seq) weighed."),
                    QStringLiteral("SEQ")});
  parser.addOption({QStringLiteral("transaction"),
                    QCoreApplication::translate("Records", "The transaction to void or correct."),
                    QStringLiteral("SEQ")});
  for (const auto &field : kFields)
    parser.addOption({QString::fromLatin1(field[0]),
                      QCoreApplication::translate("Records", field[1]), QStringLiteral("TEXT")});
  parser.addOption({QStringLiteral("on-site"),
                    QCoreApplication::translate("Records", "List only the vehicles on site.")});
}

desk::Prepared preparedOf(const QCommandLineParser &parser) {
  desk::Prepared prepared;
  QString *fields[] = {&prepared.vehicle,   &prepared.container,    &prepared.customer,
                       &prepared.product,   &prepared.haulier,      &prepared.reference,
                       &prepared.direction, &prepared.operatorName, &prepared.note};
  for (int i = 0; i < 9; ++i)
    *fields[i] = parser.value(QString::fromLatin1(kFields[i][0]));
  return prepared;
}

// The action sealed: its transaction's seq, or 0 with the failure.
qint64 seal(desk::WeighingDesk &weighingDesk, const QString &action,
            const QCommandLineParser &parser, qint64 number, Failure *failure) {
  const desk::Prepared prepared = preparedOf(parser);
  const QString reason = parser.value(QStringLiteral("reason"));
  if (action == QLatin1String("single"))
    return weighingDesk.single(number, prepared, failure);
  if (action == QLatin1String("tare"))
    return weighingDesk.storeTare(number, prepared, failure);
  if (action == QLatin1String("stored-tare"))
    return weighingDesk.withStoredTare(number, prepared, failure);
  if (action == QLatin1String("open"))
    return weighingDesk.first(number, prepared, failure);
  if (action == QLatin1String("close"))
    return weighingDesk.second(number, parser.value(QStringLiteral("recall")),
                               prepared.operatorName, failure);
  if (action == QLatin1String("void"))
    return weighingDesk.voidTransaction(number, reason, prepared.operatorName, failure);
  if (action == QLatin1String("correct"))
    return weighingDesk.correct(number, prepared, reason, failure);
  return 0;
}
}  // namespace

int transaction(const QStringList &arguments) {
  Command command(
      QStringLiteral("transaction"),
      QCoreApplication::translate(
          "Records",
          "Seals a weighing desk's transaction on the journal's records, or lists them. ACTION: "
          "single, tare (store a vehicle's tare), stored-tare, open (a first weighing), close (its "
          "second), void, correct, list. Weights are never typed: they follow from the records."),
      kJournalFile | kKeyFile);
  QCommandLineParser &parser = command.parser();
  addTransactionOptions(parser);
  if (const int code = command.parse(arguments, 1); code >= 0)
    return code;
  const QString action = parser.positionalArguments().first();
  static const QStringList kActions{"single", "tare", "stored-tare", "open",
                                    "close",  "void", "correct",     "list"};
  if (!kActions.contains(action))
    return cannot(QCoreApplication::translate("Records", "no action %1 (try --help)").arg(action));
  const bool onTransaction = action == QLatin1String("void") || action == QLatin1String("correct");
  bool given = false;
  const qint64 number =
      parser.value(onTransaction ? QStringLiteral("transaction") : QStringLiteral("record"))
          .toLongLong(&given);
  if (!given && action != QLatin1String("list"))
    return cannot(
        onTransaction
            ? QCoreApplication::translate("Records", "%1 needs --transaction SEQ").arg(action)
            : QCoreApplication::translate("Records", "%1 needs --record SEQ").arg(action));
  RecordJournal journal(command.journal(), command.key(),
                        QStringLiteral("weighstation-records-transaction"));
  masterdata::MasterData data(deskDataPath(command));
  desk::WeighingDesk weighingDesk(journal, data, deskRules());
  if (Failure failure; !weighingDesk.open(&failure))
    return cannot(failure);
  if (action == QLatin1String("list"))
    return listTransactions(weighingDesk, parser.isSet(QStringLiteral("on-site")));
  Failure failure;
  const qint64 sealed = seal(weighingDesk, action, parser, number, &failure);
  if (sealed <= 0)
    return cannot(failure);
  say(lineOf(weighingDesk.state(), *weighingDesk.state().entry(sealed)));
  if (!weighingDesk.warning().isEmpty())
    std::fputs(qPrintable(messageLine(weighingDesk.warning()) + u'\n'), stderr);
  if (failure.failed())
    return cannot(failure);  // sealed, but its head was not advanced
  return kDone;
}

int deskData(const QStringList &arguments) {
  Command command(QStringLiteral("desk-data"),
                  QCoreApplication::translate(
                      "Records",
                      "The weighing desk's vehicles, customers and products. TABLE: vehicles, "
                      "customers, products. ACTION: list, add VALUES..., remove KEY, import FILE, "
                      "export FILE (CSV, a header line of the columns first)."),
                  kJournalFile);
  command.parser().addPositionalArgument(QStringLiteral("table"),
                                         QCoreApplication::translate("Records", "The table."));
  command.parser().addPositionalArgument(QStringLiteral("action"),
                                         QCoreApplication::translate("Records", "What to do."));
  const QStringList given =
      command.parser().parse(arguments) ? command.parser().positionalArguments() : QStringList();
  const QString action = given.value(1);
  const int values = action == QLatin1String("list")  ? 2
                     : action == QLatin1String("add") ? qMax(3, int(given.size()))
                                                      : 3;
  if (const int code = command.parse(arguments, values); code >= 0)
    return code;
  const QString table = given.value(0);
  if (!masterdata::tableNamed(table))
    return cannot(
        QCoreApplication::translate("Records", "no table %1: vehicles, customers or products")
            .arg(table));
  masterdata::MasterData data(deskDataPath(command));
  Failure failure;
  if (!data.open(&failure))
    return cannot(failure);
  const QString argument = given.value(2);
  qint64 imported = 0;
  if (action == QLatin1String("list")) {
    const QList<QStringList> rows = data.rows(table, &failure);
    for (const QStringList &row : rows)
      say(masterdata::csvLine(row));
  } else if (action == QLatin1String("add")) {
    data.put(table, given.mid(2), &failure);
  } else if (action == QLatin1String("remove")) {
    data.remove(table, argument, &failure);
  } else if (action == QLatin1String("import")) {
    if (data.importCsv(table, argument, &imported, &failure))
      say(QCoreApplication::translate("Records", "%1 rows of %2 imported")
              .arg(imported)
              .arg(table));
  } else if (action == QLatin1String("export")) {
    if (Failure refusal; !writable(command, argument, &refusal))
      return cannot(refusal);
    data.exportCsv(table, argument, &failure);
  } else {
    return cannot(QCoreApplication::translate("Records", "no action %1 (try --help)").arg(action));
  }
  return failure.failed() ? cannot(failure) : kDone;
}

}  // namespace records

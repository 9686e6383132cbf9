#include "viewer/transactionticket.h"

#include <QCoreApplication>
#include <QLocale>

#include "viewer/qrcode.h"
#include "viewer/recordtext.h"
#include "viewer/sheet.h"

namespace printouts {
namespace {
// "12345.5" in the locale's form ("12.345,5" in German): its digits and
// decimals as shown.
QString localNumber(const QString &shown) {
  const QLocale locale;
  const qsizetype point = shown.indexOf(u'.');
  const QString whole = point < 0 ? shown : shown.left(point);
  QString text = locale.toString(whole.toLongLong());
  if (point >= 0)
    text += locale.decimalPoint() + shown.mid(point + 1);
  return text;
}

QString weight(const QString &shown, const QString &unit) {
  return shown.isEmpty() ? QString() : localNumber(shown) + u' ' + unit;
}

QString title(const Transaction &entry) {
  if (entry.kind == transactions::kFirst)
    return QCoreApplication::translate("Printouts", "Interim weighing ticket");
  if (entry.kind == transactions::kTare)
    return QCoreApplication::translate("Printouts", "Tare ticket");
  if (entry.kind == transactions::kVoid)
    return QCoreApplication::translate("Printouts", "Void notice");
  return QCoreApplication::translate("Printouts", "Weighing ticket");
}

// The transaction's data, a line each that has a value.
QStringList dataLines(const Transaction &entry) {
  const std::pair<const char *, QString> fields[] = {
      {QT_TRANSLATE_NOOP("Printouts", "Vehicle: %1"), entry.vehicle},
      {QT_TRANSLATE_NOOP("Printouts", "Container: %1"), entry.container},
      {QT_TRANSLATE_NOOP("Printouts", "Customer: %1"), entry.customer},
      {QT_TRANSLATE_NOOP("Printouts", "Product: %1"), entry.product},
      {QT_TRANSLATE_NOOP("Printouts", "Haulier: %1"), entry.haulier},
      {QT_TRANSLATE_NOOP("Printouts", "Reference: %1"), entry.reference},
      {QT_TRANSLATE_NOOP("Printouts", "Direction: %1"),
       entry.direction == QLatin1String("in") ? QCoreApplication::translate("Printouts", "inbound")
       : entry.direction == QLatin1String("out")
           ? QCoreApplication::translate("Printouts", "outbound")
           : QString()},
      {QT_TRANSLATE_NOOP("Printouts", "Operator: %1"), entry.operatorName},
      {QT_TRANSLATE_NOOP("Printouts", "Note: %1"), entry.note},
      {QT_TRANSLATE_NOOP("Printouts", "Reason: %1"), entry.reason},
  };
  QStringList lines{QCoreApplication::translate("Printouts", "Transaction: %1").arg(entry.seq),
                    QCoreApplication::translate("Printouts", "Station: %1").arg(entry.station)};
  for (const auto &[label, value] : fields) {
    if (!value.isEmpty())
      lines << QCoreApplication::translate("Printouts", label).arg(value);
  }
  return lines;
}

QStringList weighingLines(const TransactionTicket &ticket) {
  const Transaction &entry = ticket.entry;
  const qint64 seqs[] = {entry.firstRecord, entry.secondRecord};
  QStringList lines;
  for (int i = 0; i < ticket.weighings.size(); ++i) {
    const transactions::RecordFacts &facts = ticket.weighings[i];
    const QString label =
        ticket.weighings.size() == 1
            ? QCoreApplication::translate("Printouts", "Weighing: seq %1, %2, %3")
        : i == 0 ? QCoreApplication::translate("Printouts", "First weighing: seq %1, %2, %3")
                 : QCoreApplication::translate("Printouts", "Second weighing: seq %1, %2, %3");
    lines << label.arg(seqs[i]).arg(recordtext::takenText(facts.takenAt),
                                    weight(facts.total.text(), facts.unit));
  }
  if (ticket.storedTare)
    lines << QCoreApplication::translate("Printouts",
                                         "Tare stored on transaction %1, valid until %2")
                 .arg(ticket.storedTare->seq)
                 .arg(recordtext::localDate(
                     QDate::fromString(ticket.storedTare->validUntil, Qt::ISODate)));
  if (entry.kind == transactions::kCorrection || entry.kind == transactions::kVoid)
    lines << (entry.kind == transactions::kVoid
                  ? QCoreApplication::translate("Printouts", "Voids transaction %1")
                  : QCoreApplication::translate("Printouts",
                                                "Replaces the ticket of transaction %1"))
                 .arg(entry.refers);
  return lines;
}

// Gross, tare and net, the net large; a tare ticket's tare.
qreal paintWeights(Sheet &sheet, const Transaction &entry, qreal y) {
  const qreal inner = kWidth - 2 * kMargin;
  if (entry.kind == transactions::kTare) {
    y += sheet.text(
        kMargin, y, inner,
        QCoreApplication::translate("Printouts", "Tare: %1").arg(weight(entry.tare, entry.unit)),
        48, true);
    return y +
           sheet.text(
               kMargin, y, inner,
               QCoreApplication::translate("Printouts", "Valid until %1")
                   .arg(recordtext::localDate(QDate::fromString(entry.validUntil, Qt::ISODate))),
               26) +
           20;
  }
  if (entry.net.isEmpty())
    return y;
  for (const auto &[label, value] :
       {std::pair{QCoreApplication::translate("Printouts", "Gross"), entry.gross},
        std::pair{QCoreApplication::translate("Printouts", "Tare"), entry.tare}}) {
    sheet.text(kMargin, y, 300, label, 30);
    y += sheet.text(kMargin + 300, y, inner - 300, weight(value, entry.unit), 30, false,
                    Qt::AlignLeft, Qt::black, true);
  }
  sheet.rule(y + 4, 0.8);
  y += 12;
  sheet.text(kMargin, y + 20, 300, QCoreApplication::translate("Printouts", "Net"), 34, true);
  return y + sheet.text(kMargin + 300, y, inner - 300, weight(entry.net, entry.unit), 76, true) +
         20;
}
}  // namespace

TransactionTicket transactionTicket(const Transaction &entry,
                                    const transactions::TransactionCheck &state,
                                    const transactions::TransactionCheck::RecordLookup &records,
                                    const QString &code) {
  TransactionTicket ticket;
  ticket.entry = entry;
  ticket.code = code;
  for (const qint64 seq : {entry.firstRecord, entry.secondRecord}) {
    if (seq == 0)
      continue;
    if (const std::optional<transactions::RecordFacts> facts = records(seq))
      ticket.weighings << *facts;
  }
  ticket.storedTare = entry.tareEntry > 0 ? state.entry(entry.tareEntry) : nullptr;
  ticket.endedBy = state.voidedBy(entry.seq);
  const Transaction *ender = ticket.endedBy > 0 ? state.entry(ticket.endedBy) : nullptr;
  ticket.endedByVoid = ender && ender->kind == transactions::kVoid;
  if (ender && ender->kind == transactions::kSecond)
    ticket.endedBy = 0;  // a first weighing closed: its interim ticket stands
  return ticket;
}

bool paintTransactionTicket(QPagedPaintDevice *device, const TransactionTicket &ticket,
                            const Context &context, Failure *failure) {
  Sheet sheet(device);
  if (!sheet.begin()) {
    *failure = Failure(Failure::Kind::Io, QStringLiteral("cannot paint the ticket"));
    return false;
  }
  const Transaction &entry = ticket.entry;
  const qreal inner = kWidth - 2 * kMargin;
  qreal y = paintSite(sheet, context.site, kMargin, 1.0);
  y += sheet.text(kMargin, y, inner, title(entry), 48, true);
  sheet.rule(y + 6);
  y += 20;
  if (ticket.endedBy > 0)
    y += sheet.text(kMargin, y, inner,
                    (ticket.endedByVoid
                         ? QCoreApplication::translate("Printouts", "VOID (transaction %1)")
                         : QCoreApplication::translate("Printouts", "REPLACED by transaction %1"))
                        .arg(ticket.endedBy),
                    60, true, Qt::AlignHCenter, kAlarm) +
         10;
  if (!context.check.verified())
    y = paintCheck(sheet, context.check, y, 1.0);
  const QImage code = qrcode::of(ticket.code);
  const qreal square =
      qMin(inner * 0.4, qMax<qreal>(200, sheet.unitsOfMm(0.4 * qMax(1, code.width()))));
  const qreal top = y;
  for (const QString &line : dataLines(entry))
    y += sheet.text(kMargin, y, inner - square - 20, line, 26) + 2;
  if (!code.isNull() && !sheet.measuring())
    paintCode(sheet, code, QPointF(kWidth - kMargin - square, top), square);
  y = qMax(y, top + square) + 16;
  if (entry.kind == transactions::kFirst)
    y += sheet.text(kMargin, y, inner,
                    QCoreApplication::translate("Printouts", "Interim ticket: %1").arg(ticket.code),
                    40, true) +
         10;
  for (const QString &line : weighingLines(ticket))
    y += sheet.text(kMargin, y, inner, line, 24) + 4;
  y = paintWeights(sheet, entry, y + 12);
  y += sheet.text(kMargin, y, inner,
                  QCoreApplication::translate("Printouts", "Sealed %1")
                      .arg(recordtext::takenText(entry.takenAt)),
                  22);
  paintTicketFoot(sheet, context, y);
  sheet.end();
  return true;
}

QString transactionTicketFileName(const Transaction &entry) {
  return QStringLiteral("transaction-%1.pdf").arg(entry.seq);
}

}  // namespace printouts

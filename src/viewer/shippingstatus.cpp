#include "viewer/shippingstatus.h"

#include <QCoreApplication>
#include <algorithm>

#include "journal/journalreader.h"
#include "journal/shippingledger.h"
#include "viewer/recordtext.h"

ShippingStatusLine::ShippingStatusLine(QWidget *parent) : QLabel(parent) {
  hide();
}

namespace {
// One kind's word: empty when nothing was ever shipped that way.
QString cursorText(const QSqlDatabase &journal, ShippingLedger::Kind kind, const QString &what,
                   qint64 newestSeq) {
  ShippingLedger::Standing standing;
  Failure failure;
  if (!ShippingLedger::standing(journal, kind, &standing, &failure))
    return QStringLiteral("%1: %2").arg(what, failure.text());
  // Out of reach from the first try on: what waits, and why.
  const qint64 acknowledged =
      standing.cursors.isEmpty()
          ? 0
          : std::max_element(standing.cursors.cbegin(), standing.cursors.cend(),
                             [](const ShippingLedger::Cursor &a, const ShippingLedger::Cursor &b) {
                               return a.updatedAt < b.updatedAt;
                             })
                ->acknowledgedSeq;
  if (!standing.lastTry.isEmpty() && newestSeq > acknowledged)
    return QCoreApplication::translate("Viewer",
                                       "%1 (%2): not yet shipped: %3 records, last try: %4")
        .arg(what, standing.lastTryTarget)
        .arg(newestSeq - acknowledged)
        .arg(standing.lastTry);
  if (standing.cursors.isEmpty())
    return QString();
  // The cursor moved last.
  const ShippingLedger::Cursor cursor =
      *std::max_element(standing.cursors.cbegin(), standing.cursors.cend(),
                        [](const ShippingLedger::Cursor &a, const ShippingLedger::Cursor &b) {
                          return a.updatedAt < b.updatedAt;
                        });
  const qint64 waiting = qMax<qint64>(0, newestSeq - cursor.acknowledgedSeq);
  QString text =
      QCoreApplication::translate("Viewer", "%1 (%2): %3, last shipped %4%5")
          .arg(what, cursor.target,
               waiting == 0
                   ? QCoreApplication::translate("Viewer", "all shipped")
                   : QCoreApplication::translate("Viewer", "%1 records waiting").arg(waiting),
               recordtext::takenText(cursor.updatedAt),
               standing.problems == 0 ? QString()
                                      : QCoreApplication::translate(
                                            "Viewer", ", %1 problems (see the monitor's output)")
                                            .arg(standing.problems));
  if (!standing.setAside.isEmpty()) {
    QStringList seqs;
    for (const qint64 seq : std::as_const(standing.setAside))
      seqs << QString::number(seq);
    text += QCoreApplication::translate("Viewer", ", refused: seq %1 (tried again at each start)")
                .arg(seqs.join(QStringLiteral(", ")));
  }
  return text;
}
}  // namespace

// The shipping to the site's central database and the publishing to its
// MQTT broker, when the monitor does them: how many records wait, and the
// problems met.
void ShippingStatusLine::refresh(const QSqlDatabase &journal, qint64 newestSeq) {
  QStringList parts;
  for (const auto &[kind, what] :
       {std::pair{ShippingLedger::Kind::Central,
                  QCoreApplication::translate("Viewer", "Central records")},
        std::pair{ShippingLedger::Kind::Mqtt, QStringLiteral("MQTT")}}) {
    const QString part = cursorText(journal, kind, what, newestSeq);
    if (!part.isEmpty())
      parts << part;
  }
  setText(parts.join(QStringLiteral("; ")));
  setVisible(!parts.isEmpty());
}

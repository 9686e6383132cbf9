#include "viewer/shippingstatus.h"

#include <algorithm>

#include "journal/journalreader.h"
#include "journal/shippingledger.h"
#include "viewer/recordtext.h"

ShippingStatus::ShippingStatus(QWidget *parent) : QLabel(parent) {
  hide();
}

// The shipping to the site's central database, when the monitor ships: how
// many records wait, and the problems it met.
void ShippingStatus::refresh(const QSqlDatabase &journal, qint64 newestSeq) {
  QList<ShippingLedger::Cursor> cursors;
  qint64 problems = 0;
  Failure failure;
  if (!ShippingLedger::cursors(journal, &cursors, &problems, &failure)) {
    setText(QStringLiteral("Shipping: %1").arg(failure.text()));
    show();
    return;
  }
  if (cursors.isEmpty()) {
    hide();
    return;
  }
  // The cursor moved last.
  const ShippingLedger::Cursor cursor =
      *std::max_element(cursors.cbegin(), cursors.cend(),
                        [](const ShippingLedger::Cursor &a, const ShippingLedger::Cursor &b) {
                          return a.updatedAt < b.updatedAt;
                        });
  const qint64 waiting = qMax<qint64>(0, newestSeq - cursor.acknowledgedSeq);
  const QString since = recordtext::takenText(cursor.updatedAt);
  setText(QStringLiteral("Central records (%1): %2, last shipped %3%4")
              .arg(cursor.target,
                   waiting == 0 ? QStringLiteral("all shipped")
                                : QStringLiteral("%1 records waiting").arg(waiting),
                   since,
                   problems == 0
                       ? QString()
                       : QStringLiteral(", %1 problems (see the monitor's output)").arg(problems)));
  show();
}

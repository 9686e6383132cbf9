// The status bar's word on the shipping of the journal's records to the
// site's central database, read from the journal's shipping ledger: how
// many records wait, when the last went, the problems met. Hidden while
// nothing was ever shipped from the journal.
#pragma once

#include <QLabel>
#include <QSqlDatabase>

class ShippingStatusLine : public QLabel {
  Q_OBJECT
 public:
  explicit ShippingStatusLine(QWidget *parent = nullptr);
  // Reads the ledger through `journal`, whose newest record is `newestSeq`.
  void refresh(const QSqlDatabase &journal, qint64 newestSeq);
};

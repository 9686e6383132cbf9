// Ships every journal record to the central database, on a thread of its
// own with its own connections, store and forward: records are taken and
// journaled as always while the server is out of reach, and arrive once it
// is back. Exactly once: the last acknowledged seq is kept in the journal
// (table `central_shipping`), a batch goes in one transaction, and a row
// already there is compared with the local one, never overwritten.
#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include "central/shippingstate.h"

class QThread;
class QTimer;

struct ShippingStatus {
  qint64 shippedSeq = 0;  // records up to this one are central (or given up on)
  qint64 waiting = 0;
  QString lastFailure;
};
Q_DECLARE_METATYPE(ShippingStatus)

class CentralShipper : public QObject {
  Q_OBJECT
 public:
  static constexpr int kBatch = 2000;
  static constexpr int kIdlePollMs = 250;

  CentralShipper(const QString &uri, const QString &journalPath);
  ~CentralShipper() override;

  // Starts shipping on a thread of its own.
  void start();
  // Stops at the next turn and waits for the thread.
  void stop();

  // The journal's shipping tables, for whoever reads the journal.
  static QString target(const QString &uri);

 Q_SIGNALS:
  // Once per outage, when records have waited five minutes.
  void outage(const QString &reason, qint64 waiting);
  // A record the server holds differently, or refused for good.
  void problem(const QString &text);
  void status(const ShippingStatus &status);

 private:
  void begin();
  void turn();
  bool openJournal(QString *error);
  bool openCentral(QString *error);
  qint64 shipBatch(qint64 after, int size, QString *error, bool *refused);
  void later(qint64 ms);
  void report(qint64 waiting, const QString &failure);
  void noteProblem(qint64 seq, const QString &text);
  void acknowledge(qint64 seq);
  bool isolateRefusal(qint64 acked, qint64 newest, QString *error);
  void waitForTheServer(qint64 acked, qint64 waiting, const QString &error);

  QString uri_;
  QString target_;
  QString journalPath_;
  QThread *thread_ = nullptr;
  QTimer *timer_ = nullptr;
  QSqlDatabase journal_;
  QSqlDatabase central_;
  bool schemaChecked_ = false;
  ShippingState state_;
  int batch_ = kBatch;
};

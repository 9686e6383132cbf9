// An export of the journal's records on a thread of its own, with its
// progress and a way to cancel it: the window shows it and never waits on
// it. A cancelled or failed export leaves nothing under the output's name.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "journal/journalexport.h"

class Exporter : public QObject {
  Q_OBJECT
 public:
  explicit Exporter(QObject *parent = nullptr);

  bool isRunning() const { return running_; }
  // Starts exporting the journal at journalPath (read through a connection
  // of the export's own); false when an export runs already.
  bool start(const QString &journalPath, ExportOptions options);
  // Asks the running export to stop at its next record.
  void cancel();

 Q_SIGNALS:
  void progress(qint64 done, qint64 total);
  // `rows` written, or -1 with the failure (of kind Cancelled when it was).
  void finished(qint64 rows, const Failure &failure);

 private:
  bool running_ = false;
  std::shared_ptr<std::atomic<bool>> cancelled_;
};

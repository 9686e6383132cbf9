#include "viewer/exporter.h"

#include <QPointer>
#include <utility>

#include "viewer/background.h"

Exporter::Exporter(QObject *parent) : QObject(parent) {}

bool Exporter::start(const QString &journalPath, ExportOptions options) {
  if (running_)
    return false;
  running_ = true;
  cancelled_ = std::make_shared<std::atomic<bool>>(false);
  QPointer<Exporter> self(this);
  options.progress = [self](qint64 done, qint64 total) {
    QMetaObject::invokeMethod(
        self, [self, done, total] { Q_EMIT self->progress(done, total); }, Qt::QueuedConnection);
  };
  options.cancelled = [cancelled = cancelled_] { return cancelled->load(); };
  background::run<std::pair<qint64, Failure>>(
      this,
      [journalPath, options = std::move(options)] {
        Failure failure;
        JournalReader reader(journalPath, background::connectionName("export"));
        const qint64 rows =
            reader.open(&failure) ? journalexport::write(reader, options, &failure) : -1;
        return std::make_pair(rows, failure);
      },
      [this](std::pair<qint64, Failure> result) {
        running_ = false;
        Q_EMIT finished(result.first, result.second);
      });
  return true;
}

void Exporter::cancel() {
  if (cancelled_)
    cancelled_->store(true);
}

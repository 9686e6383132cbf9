#include "following/journalwatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

JournalWatch::JournalWatch(const QString &journalPath, QObject *parent)
    : QObject(parent),
      log_(journalPath + QStringLiteral("-wal")),
      watcher_(new QFileSystemWatcher(this)) {
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
    Q_EMIT changed();
    for (const int ms : {5, 20, 60})
      QTimer::singleShot(ms, this, &JournalWatch::changed);
  });
}

void JournalWatch::watchLog() {
  if (watcher_->files().isEmpty() && QFileInfo::exists(log_))
    watcher_->addPath(log_);
}

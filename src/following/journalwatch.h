// A journal's commits seen as they happen: a commit of any process changes
// the journal's write-ahead log, watched by name (inotify; nothing here
// holds the journal's files open). `changed` comes at once and again 5, 20
// and 60 ms later, as a commit is written before a reader sees it. The log
// is watched once it exists (`watchLog`, called after each look); whoever
// uses this also looks now and then (a journal not made yet, a missed
// change).
#pragma once

#include <QObject>
#include <QString>

class QFileSystemWatcher;

class JournalWatch : public QObject {
  Q_OBJECT
 public:
  JournalWatch(const QString &journalPath, QObject *parent);
  // Watches the log when it is there and not watched yet.
  void watchLog();

 Q_SIGNALS:
  void changed();

 private:
  QString log_;
  QFileSystemWatcher *watcher_;
};

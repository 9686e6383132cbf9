// Work on the journal off the window's thread: each task runs on a thread
// of its own with its own read-only connection (Qt SQL's rule), and hands
// its result back to the window's thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>

namespace background {
// A connection name of this thread's own.
QString connectionName(const char *task);

// Runs `work` on a new thread; `done` runs on the thread of `context` with
// what `work` returned, unless `context` is gone by then.
template <typename Result>
void run(QObject *context, std::function<Result()> work, std::function<void(Result)> done) {
  QPointer<QObject> guard(context);
  QThread *thread = QThread::create([guard, work = std::move(work), done = std::move(done)] {
    Result result = work();
    if (guard) {
      QMetaObject::invokeMethod(
          guard, [guard, done, result] { done(result); }, Qt::QueuedConnection);
    }
  });
  QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  thread->start();
}
}  // namespace background

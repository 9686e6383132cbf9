// Work on the journal off the window's thread: each task runs on a thread
// of its own with its own read-only connection (Qt SQL's rule), and hands
// its result back to the window's thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>
#include <mutex>

namespace background {
// A connection name of this thread's own.
QString connectionName(const char *task);

// Runs `work` on a new thread; `done` runs on the thread of `context` with
// what `work` returned, unless `context` is gone by then. The result is
// handed over under a mutex and `done` is called through the thread's
// finished signal, connected from this thread: nothing that the worker
// made is freed on the other thread without an order ThreadSanitizer sees.
template <typename Result>
void run(QObject *context, std::function<Result()> work, std::function<void(Result)> done) {
  struct Handover {
    std::mutex lock;  // protects result
    Result result{};
  };
  auto handover = std::make_shared<Handover>();
  QThread *thread = QThread::create([handover, work = std::move(work)] {
    Result result = work();
    const std::lock_guard<std::mutex> held(handover->lock);
    handover->result = std::move(result);
  });
  QObject::connect(thread, &QThread::finished, context, [handover, done = std::move(done)] {
    Result result;
    {
      const std::lock_guard<std::mutex> held(handover->lock);
      result = handover->result;
    }
    done(result);
  });
  QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  thread->start();
}
}  // namespace background

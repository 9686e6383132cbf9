// The journal's check, run in the background for the viewer: the whole
// journal first, then only the records that arrive after, chained on the
// last one checked.
#pragma once

#include <QObject>
#include <atomic>
#include <memory>

#include "journal/verifier.h"

class Verification : public QObject {
  Q_OBJECT
 public:
  explicit Verification(const VerifyOptions &options, QObject *parent = nullptr);
  ~Verification() override;

  // Checks what has not been checked yet; does nothing while a check runs.
  void check();
  bool isRunning() const { return running_; }
  bool isDone() const { return done_; }
  // What the checks found, all together.
  const VerifyReport &report() const { return report_; }
  // The text and colour the badge shows.
  QString badgeText() const;
  bool intact() const;

 Q_SIGNALS:
  void progress(qint64 done, qint64 total);
  void checked();

 private:
  void merge(const VerifyReport &part);

  VerifyOptions options_;
  VerifyReport report_;
  QString lastMac_;
  bool running_ = false;
  bool done_ = false;
  std::shared_ptr<std::atomic<bool>> cancelled_;
};

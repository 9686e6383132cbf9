// Files the records command and the viewer write for a person (exports, a
// rebuilt workbook) under a name the person chose.
#pragma once

#include "failure/failure.h"

#include <QFile>
#include <QString>
#include <QStringList>

// Written to a hidden temporary file in the output's folder, synced, then
// renamed over the output: the name holds the old file or the whole new
// one, never a part. The temporary file is removed when the writing fails,
// when the OutputFile goes away uncommitted, and on SIGINT, SIGTERM or
// SIGHUP once removeOnSignals() was called; one left by a process that was
// killed outright is removed by the next OutputFile opened in that folder.
class OutputFile {
 public:
  explicit OutputFile(const QString &path);
  ~OutputFile();
  OutputFile(const OutputFile &) = delete;
  OutputFile &operator=(const OutputFile &) = delete;

  bool open(Failure *failure);
  // Where to write; open until commit() (or closed by the caller for a
  // writer that reopens it by name).
  QFile &file() { return file_; }
  QString temporaryPath() const { return temporary_; }
  bool commit(Failure *failure);

  // Removes the temporary files of this process when one of those signals
  // ends it.
  static void removeOnSignals();
  // Removes temporary files that processes no longer running left in
  // `folder`; returns how many.
  static int removeStale(const QString &folder);

 private:
  void discard();

  QString path_;
  QString temporary_;
  QFile file_;
  int slot_ = -1;
  bool committed_ = false;
};

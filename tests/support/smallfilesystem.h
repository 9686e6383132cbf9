// A filesystem of a few hundred kilobytes (tmpfs), mounted for a test that
// needs a disk to fill up. Needs root; start() says why it could not.
#pragma once

#include <QString>
#include <QTemporaryDir>

class SmallFilesystem {
 public:
  bool start(int kilobytes, QString *why);
  ~SmallFilesystem();
  QString filePath(const QString &name) const { return dir_.filePath(name); }
  // Takes every free byte; free() gives them back.
  void fill();
  void free();
  // Remounts it read-only, as a medium that cannot be written.
  bool setReadOnly();

 private:
  QTemporaryDir dir_;
  bool mounted_ = false;
};

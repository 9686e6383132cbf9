#include "logging/logfiles.h"

#include <QDir>
#include <QFileInfo>

namespace logfiles {
namespace {
QString resolved(const QString &name) {
  const QFileInfo info(name);
  const QString canonical = info.canonicalFilePath();
  if (!canonical.isEmpty())
    return canonical;
  const QString folder = info.absoluteDir().canonicalPath();
  return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                          : folder + QLatin1Char('/') + info.fileName();
}
}  // namespace

bool sameFile(const QString &a, const QString &b) {
  if (a.isEmpty() || b.isEmpty())
    return false;
  return resolved(a) == resolved(b);
}
}  // namespace logfiles

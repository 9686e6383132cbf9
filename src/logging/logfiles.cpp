#include "logging/logfiles.h"

#include <QDir>
#include <QFileInfo>

namespace logfiles {
namespace {
// The file a name comes to, links followed: also a link to a file not there
// yet (a workbook written only when its log stops), which a log written
// through it would make.
QString resolved(const QString &name) {
  QString current = QFileInfo(name).absoluteFilePath();
  for (int hops = 0; hops < 40 && QFileInfo(current).isSymLink(); ++hops)
    current = QFileInfo(current).symLinkTarget();
  const QFileInfo info(current);
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

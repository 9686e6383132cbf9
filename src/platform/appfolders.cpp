#include "platform/appfolders.h"

#include <QDir>
#include <QStandardPaths>

namespace appfolders {
namespace {
const QString kFolder = QStringLiteral("/weighstation");
}

QString dataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + kFolder;
}

QString configFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + kFolder;
}

// Qt 6.4 has no state location yet: the XDG rule itself.
QString stateFolder() {
  const QString set = qEnvironmentVariable("XDG_STATE_HOME");
  return (set.startsWith(u'/') ? set : QDir::homePath() + QStringLiteral("/.local/state")) +
         kFolder;
}
}  // namespace appfolders

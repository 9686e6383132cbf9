#include "platform/appfolders.h"

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
}  // namespace appfolders

#include "viewer/background.h"

#include <atomic>

namespace background {
QString connectionName(const char *task) {
  static std::atomic<int> next{0};
  return QStringLiteral("weighstation-viewer-%1-%2").arg(QLatin1String(task)).arg(++next);
}
}  // namespace background

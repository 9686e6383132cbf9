#include "readout/clock.h"

#include <QLocale>

namespace readout {
QString timeText(const QTime &time) {
  return QLocale::c().toString(time, QStringLiteral("h:mm:ss ap"));
}
QString dateText(const QDate &date) {
  return QLocale::c().toString(date, QStringLiteral("MM/dd/yyyy"));
}
}  // namespace readout

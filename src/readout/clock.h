// The clock texts of the readout.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace readout {
// "h:mm:ss ap" with a lower-case am or pm, whatever the machine's locale.
QString timeText(const QTime &time);
// "MM/dd/yyyy".
QString dateText(const QDate &date);
}  // namespace readout

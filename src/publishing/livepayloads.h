// What is published, as JSON (UTF-8): the readouts as they show, the
// grand total, each journal record, the monitor's status.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>

#include "journal/journalrecord.h"
#include "journal/transactions.h"

// A readout as it shows: its sign, its digits, the value they make with
// the decimal point lit, its unit and NET/GROSS.
struct LiveReading {
  bool connected = false;
  QString sign;      // "+" or "-", as shown
  QString digits;    // every digit the displays show, most significant first
  qint64 units = 0;  // the value, signed, in its last shown place
  int decimals = 0;
  QString unit;  // "kg", "lbs" ("??" on the total before any unit came)
  QString mode;  // "NET" or "GROSS"

  bool operator==(const LiveReading &other) const {
    return connected == other.connected && sign == other.sign && digits == other.digits &&
           decimals == other.decimals && unit == other.unit && mode == other.mode;
  }
  bool operator!=(const LiveReading &other) const { return !(*this == other); }
};

struct LiveReadings {
  std::array<LiveReading, 3> scales;
  LiveReading total;
};

namespace livepayloads {

// A scale's readout: seven digits, the point lit by `pointCode` (0 none, 1
// three places, 2 two, 3 one; with a point the leading digit is not
// weighed, as the readout's arithmetic has it).
LiveReading scaleReading(bool connected, const QString &sign, const std::array<int, 7> &digits,
                         int pointCode, const QString &unit, const QString &mode);
// The grand total's readout: eight digits and its decimal places.
LiveReading totalReading(const QString &sign, const std::array<int, 8> &digits, int decimals,
                         const QString &unit, const QString &mode);

// {"connected":true,"sign":"+","digits":"0001234","value":1234,"decimals":0,
//  "unit":"lbs","mode":"GROSS","at":"2026-12-08T10:00:00.000Z"}
QByteArray reading(const LiveReading &reading, const QDateTime &at);
// One journal record: station, seq, taken_at, the total and each connected
// scale as shown, the limits in force, the journal's id and the record's mac.
QByteArray record(const JournalRecord &record, const QString &journalId);
// A weighing desk's transaction (topic `transaction`): every column of its
// entry by name, gross, tare and net as shown values, its journal's id and
// its seal.
QByteArray transaction(const Transaction &entry, const QString &journalId);
// {"state":"online","program":...,"version":...,"since":...}; offline
// carries the state alone.
QByteArray status(bool online, const QDateTime &since = QDateTime());

}  // namespace livepayloads

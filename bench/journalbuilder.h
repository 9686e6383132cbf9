// Large journals for the figure programs, built by the test loader and
// kept under build/bench-journals/ for the next run.
#pragma once

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <cstdio>

#include "journal/journal.h"
#include "journal/journalreader.h"
#include "journalloader.h"

inline JournalRecord benchRecord(qint64 n) {
  JournalRecord record;
  record.takenAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
  record.timeText = QStringLiteral("3:07:09 pm");
  record.dateText = QStringLiteral("12/07/2026");
  record.station = QStringLiteral("bench");
  record.total = 1250.0003 + double(n % 1000);
  record.totalSign = QStringLiteral("+");
  record.totalUnit = QStringLiteral("lbs");
  record.netGross = QStringLiteral("GROSS");
  record.totalLine = QStringLiteral("GROSS TOTAL, lbs, %1").arg(1250 + n % 1000);
  record.block = "\r\n3:07:09 pm, 12/07/2026\r\nScale#, Unit, Gross, Net, Tare\r\n" +
                 record.totalLine.toLatin1() +
                 "\r\n01, lbs, 1250, 1250, 0\r\n02, lbs, 0, 0, 0\r\n03, lbs, 0, 0, 0\r\n";
  for (int s = 0; s < 3; ++s)
    record.scales[s] = {true, QStringLiteral("ttyUSB%1").arg(s), 1, 1250.0001, 0, 1250.0001, 0};
  record.overLimit = QStringLiteral("10000");
  record.underLimit = QStringLiteral("0");
  record.sensitivity = 20;
  record.program = QStringLiteral("weighstation");
  record.version = QStringLiteral(WEIGHSTATION_VERSION);
  return record;
}

// The journal at `path` (key `key`) filled until it holds `records`, by the
// test loader (fast, unsynced, the head advanced at the end).
inline void fillJournal(const QString &path, const QString &key, qint64 records,
                        const QString &station = QStringLiteral("bench")) {
  QString error;
  if (!loadJournal(
          path, key, records,
          [&station](qint64 n) {
            JournalRecord record = benchRecord(n);
            record.station = station;
            return record;
          },
          &error, station))
    std::fprintf(stderr, "cannot build %s: %s\n", qPrintable(path), qPrintable(error));
}

// build/bench-journals/<records>.sqlite with its key (a key seals one
// journal: <records>.key); made once.
inline QString keptJournal(const QString &benchDir, qint64 records, QString *key) {
  const QString folder = benchDir + QStringLiteral("/../bench-journals");
  QDir().mkpath(folder);
  const QString path = QStringLiteral("%1/%2.sqlite").arg(folder).arg(records);
  *key = QStringLiteral("%1/%2.key").arg(folder).arg(records);
  fillJournal(path, *key, records);
  return QFileInfo(path).canonicalFilePath();
}

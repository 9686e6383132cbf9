// A journal's backup: a copy made with SQLite's online backup while the
// monitor records, checked before it is named done, and put back only where
// no journal is. A backup of journal J in folder DIR is the folder DIR/J:
//   journal.sqlite            the copy (its records, notes and epoch keys)
//   journal.head              the station's head of J, copied before the
//                             journal (so it never names a record the copy
//                             lacks), under the lock its writer advances it
//                             under
//   journal.verification-key  the station's public verification key
//   backup.txt                what was checked: journal, station, records,
//                             when (written last: a backup without it is
//                             not done)
// The signing keys and the key are never copied: a backup holds nothing
// that seals. A new backup replaces the last one of J only once checked,
// and never with fewer records.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "failure/failure.h"

namespace journalbackup {

constexpr const char *kJournalName = "journal.sqlite";
constexpr const char *kHeadName = "journal.head";
constexpr const char *kVerificationKeyName = "journal.verification-key";
constexpr const char *kManifestName = "backup.txt";

struct Manifest {
  QString journalId;
  QString station;
  qint64 records = 0;
  QString takenAt;  // UTC, ISO 8601
  QString fingerprint;
};
QByteArray manifestText(const Manifest &manifest);
// False with the failure when the file is missing (CannotOpen), cannot be
// read, or is not a backup's manifest.
bool readManifest(const QString &path, Manifest *manifest, Failure *failure);

// Pages copied of how many.
using Progress = std::function<void(qint64 done, qint64 total)>;

// Copies the journal at `from` into the new file `to` with SQLite's online
// backup, a hundred pages a step: one consistent state of the journal, a
// commit of another connection during the copy starting it again. Synced.
bool copyJournal(const QString &from, const QString &to, const Progress &progress,
                 Failure *failure);

struct Request {
  QString journalPath;
  QString keyPath;  // the station's key: where its head and verification key are
  QString folder;   // DIR
};
struct Outcome {
  QString folder;  // DIR/J
  Manifest manifest;
  qint64 previousRecords = -1;  // of the backup replaced; -1: none
};
// Backs the journal up into DIR/J; false with the failure (nothing of the
// last backup changed, nothing half made left).
bool backUp(const Request &request, const Progress &progress, Outcome *outcome, Failure *failure);

// The newest backup of journal `journalId` in `folder`; false when none is
// done there.
bool lastBackup(const QString &folder, const QString &journalId, Manifest *manifest);

// Why the journal at `journalPath` is overdue for a backup in `folder`: its
// last good backup there (or, without one, its first record) is more than
// `warnDays` days before `now`, or the folder is missing. Empty when it is
// not (and when there is no journal yet).
QString overdue(const QString &folder, const QString &journalPath, int warnDays,
                const QDateTime &now);

struct Restored {
  Manifest manifest;
  // Records the station's head of the journal witnesses beyond the backup
  // (sealed after it was made): lost, unless another copy holds them.
  qint64 recordsMissing = 0;
};
// Puts the backup in `backupFolder` (DIR/J) back at `journalPath`, once it
// checks intact with its own head and verification key; refused when any
// journal (or its write-ahead log) is at `journalPath`: a journal is never
// replaced. `keyPath`: the station's key, whose head of J tells what the
// backup lacks.
bool restore(const QString &backupFolder, const QString &journalPath, const QString &keyPath,
             const Progress &progress, Restored *restored, Failure *failure);

}  // namespace journalbackup

// Retiring a journal on purpose: the one way a person starts a new journal.
// Nothing is deleted: the journal, its key and its heads are renamed with
// the old journal's id, where they stay as evidence and still verify
// together; the monitor then makes a new journal with a new key at its
// next record.
#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include "failure/failure.h"

namespace journalretire {

struct Plan {
  QString journalId;                     // the journal retired
  QList<QPair<QString, QString>> moves;  // from, to
  // Its signing keys: every secret in them is erased before anything is
  // renamed (their certificates stay, for the retired journal's check).
  QString signingFile;
};

// What retiring the journal at journalPath with the key at keyPath would
// rename; false with the reason when it cannot be done (nothing to retire,
// a program holds the journal open, a name is taken).
bool plan(const QString &journalPath, const QString &keyPath, Plan *plan, Failure *failure);
// Erases the retired signing secrets, then renames as planned; false with
// the reason and what was renamed before.
bool carryOut(const Plan &plan, Failure *failure);

// The ids of processes other than this one with `path` open.
QList<qint64> processesHolding(const QString &path);

}  // namespace journalretire

// The one check of every file a program writes for a person: never one of
// the station's journal files, nor a name they bear beside them.
#pragma once

#include <QString>
#include <QStringList>

#include "failure/failure.h"

namespace outputguard {
// The journal's files an output must never be: the journal, its -wal,
// -shm and -journal, its key, signing keys, verification key and heads
// (`head` too when one is given).
QStringList journalFiles(const QString &journal, const QString &key, const QString &head);
// False with the reason when `output`, links followed, is one of `files`.
bool allowed(const QString &output, const QStringList &files, Failure *failure);
// The one check of every output a program writes for a person: false with
// the reason when `output`, links followed, is one of the station's files
// (journalFiles), or lies beside them under a name they bear (a retired
// journal or key, a signing file, a head). Nothing is written then.
bool allowedFor(const QString &output, const QString &journal, const QString &key,
                const QString &head, Failure *failure);
// `path` with every link followed, also a link to a file not there yet.
QString resolved(const QString &path);
}  // namespace outputguard

// The records command's subcommands. Each returns the program's exit code:
// 0 done, 1 the journal does not verify (or an export of it was refused),
// 2 it could not be done (bad arguments, no journal or key, an output that
// cannot be written); messages go to the standard error, one line each.
#pragma once

#include <QStringList>

namespace records {
int view(const QStringList &arguments);
int verify(const QStringList &arguments);
int centralRegister(const QStringList &arguments);
int verificationKey(const QStringList &arguments);
int list(const QStringList &arguments);
int settingsInForce(const QStringList &arguments);
int exportRecords(const QStringList &arguments);
int recoverWorkbook(const QStringList &arguments);
int centralSql(const QStringList &arguments);
int newJournal(const QStringList &arguments);
int confirmClock(const QStringList &arguments);
int backup(const QStringList &arguments);
int restore(const QStringList &arguments);
int ticket(const QStringList &arguments);
int checkTicket(const QStringList &arguments);
int report(const QStringList &arguments);
int transaction(const QStringList &arguments);
int transactionTicket(const QStringList &arguments);
int transactionReport(const QStringList &arguments);
int deskData(const QStringList &arguments);
// The usage of the whole command.
QString usage();
}  // namespace records

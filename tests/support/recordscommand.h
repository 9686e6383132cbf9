// Runs build/weighstation-records for a test.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct RecordsRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// A ticket's PDF as a 203 dpi ticket printer prints it (the picture beside
// it, <name>.png), its QR code checked by check-ticket with the key.
RecordsRun checkPrintedTicket(const QString &pdf, const QString &verificationKey);

RecordsRun runRecords(const QStringList &arguments, const QProcessEnvironment &environment =
                                                        QProcessEnvironment::systemEnvironment());

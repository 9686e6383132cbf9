// Runs build/weighstation-records for a test.
#pragma once

#include <QString>
#include <QStringList>

struct RecordsRun {
  int exitCode = -1;
  QString out;
  QString err;
};

RecordsRun runRecords(const QStringList &arguments);

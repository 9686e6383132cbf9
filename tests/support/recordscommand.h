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

RecordsRun runRecords(const QStringList &arguments, const QProcessEnvironment &environment =
                                                        QProcessEnvironment::systemEnvironment());

#include "xlsxreader.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>

QJsonArray readWorkbook(const QString &path) {
  QProcess reader;
  const QString script = qEnvironmentVariable("TEST_SOURCE_DIR", ".") + "/tests/read_xlsx.py";
  // Debian's own interpreter, which has python3-openpyxl.
  const QString python = QFile::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
  reader.start(python, {script, path});
  if (!reader.waitForFinished(30000) || reader.exitCode() != 0) {
    qWarning("read_xlsx.py: %s", reader.readAllStandardError().constData());
    return {};
  }
  return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
}

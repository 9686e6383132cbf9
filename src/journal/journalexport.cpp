#include "journal/journalexport.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {
const QString kUnverified = QStringLiteral("UNVERIFIED");
}  // namespace

QString ExportOptions::markOf(const JournalRecord &record) const {
  if (markEachStation && verifiedStations.contains(record.station))
    return QStringLiteral("yes");
  return kUnverified;
}

namespace journalexport {
namespace {

QString unitText(int unit) {
  return unit == 0   ? QStringLiteral("kg")
         : unit == 1 ? QStringLiteral("lbs")
                     : QStringLiteral("??");
}

QString csvField(const QVariant &value) {
  QString text = value.typeId() == QMetaType::Double ? journalcolumns::realText(value.toDouble())
                                                     : value.toString();
  if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
    text = u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
  return text;
}

QByteArray csvLine(const QVariantList &fields) {
  QStringList texts;
  for (const QVariant &field : fields)
    texts << csvField(field);
  return texts.join(u',').toUtf8() + "\r\n";
}

// Calls `progress` at most about once a second, and at the end.
class Pacer {
 public:
  Pacer(const ExportOptions &options, qint64 total) : options_(options), total_(total) {
    clock_.start();
  }
  void step(qint64 done) {
    if (options_.progress && clock_.elapsed() >= next_) {
      options_.progress(done, total_);
      next_ += 1000;
    }
  }
  void end(qint64 done) {
    if (options_.progress && clock_.elapsed() >= 1000)
      options_.progress(done, total_);
  }

 private:
  const ExportOptions &options_;
  qint64 total_;
  QElapsedTimer clock_;
  qint64 next_ = 1000;
};

qint64 writeCsv(const JournalReader &reader, const ExportOptions &options, qint64 total,
                QString *error) {
  QSaveFile out(options.path);
  if (!out.open(QIODevice::WriteOnly)) {
    *error = QStringLiteral("cannot write %1: %2").arg(options.path, out.errorString());
    return -1;
  }
  const QStringList names = header(options.marked());
  out.write(csvLine(QVariantList(names.cbegin(), names.cend())));
  qint64 rows = 0;
  Pacer pacer(options, total);
  if (!reader.forEach(
          options.filter,
          [&](const JournalRecord &record) {
            out.write(csvLine(row(record, options.marked(), options.markOf(record))));
            pacer.step(++rows);
            return true;
          },
          error)) {
    out.cancelWriting();
    return -1;
  }
  if (!out.commit()) {
    *error = QStringLiteral("cannot write %1: %2").arg(options.path, out.errorString());
    return -1;
  }
  pacer.end(rows);
  return rows;
}

void writeXlsxRow(lxw_worksheet *sheet, lxw_row_t r, const QVariantList &values) {
  for (int c = 0; c < values.size(); ++c) {
    const QVariant &value = values[c];
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::LongLong ||
        value.typeId() == QMetaType::Int) {
      worksheet_write_number(sheet, r, lxw_col_t(c), value.toDouble(), nullptr);
    } else if (!value.toString().isEmpty()) {
      worksheet_write_string(sheet, r, lxw_col_t(c), value.toString().toUtf8().constData(),
                             nullptr);
    }
  }
}

qint64 writeXlsx(const JournalReader &reader, const ExportOptions &options, qint64 total,
                 QString *error) {
  const QFileInfo target(options.path);
  if (!target.absoluteDir().exists()) {
    *error =
        QStringLiteral("cannot write %1: no folder %2").arg(options.path, target.absolutePath());
    return -1;
  }
  // libxlsxwriter writes the whole file at its close: to a temporary name
  // beside the output, with its working files there too.
  QTemporaryFile temporary(target.absoluteDir().filePath(QStringLiteral(".export-XXXXXX.xlsx")));
  if (!temporary.open()) {
    *error = QStringLiteral("cannot write %1: %2").arg(options.path, temporary.errorString());
    return -1;
  }
  const QByteArray temporaryName = QFile::encodeName(temporary.fileName());
  const QByteArray folder = QFile::encodeName(target.absolutePath());
  lxw_workbook_options settings = {};
  settings.constant_memory = LXW_TRUE;
  settings.tmpdir = const_cast<char *>(folder.constData());
  lxw_workbook *book = workbook_new_opt(temporaryName.constData(), &settings);
  lxw_worksheet *sheet =
      book ? workbook_add_worksheet(book, options.unverified ? "Records UNVERIFIED" : "Records")
           : nullptr;
  if (!sheet) {
    if (book)
      workbook_close(book);
    *error = QStringLiteral("cannot write %1").arg(options.path);
    return -1;
  }
  const QStringList names = header(options.marked());
  writeXlsxRow(sheet, 0, QVariantList(names.cbegin(), names.cend()));
  qint64 rows = 0;
  Pacer pacer(options, total);
  const bool read = reader.forEach(
      options.filter,
      [&](const JournalRecord &record) {
        writeXlsxRow(sheet, lxw_row_t(++rows),
                     row(record, options.marked(), options.markOf(record)));
        pacer.step(rows);
        return true;
      },
      error);
  const lxw_error closed = workbook_close(book);
  if (!read || closed != LXW_NO_ERROR) {
    if (read)
      *error = QStringLiteral("cannot write %1: %2").arg(options.path, lxw_strerror(closed));
    return -1;
  }
  QFile::remove(options.path);
  if (!temporary.rename(options.path)) {
    *error = QStringLiteral("cannot write %1: %2").arg(options.path, temporary.errorString());
    return -1;
  }
  temporary.setAutoRemove(false);
  pacer.end(rows);
  return rows;
}
}  // namespace

QStringList header(bool marked) {
  QStringList names{"seq", "taken_at", "station", "total", "unit", "net_gross"};
  for (int n = 1; n <= JournalRecord::kScales; ++n) {
    for (const char *field : {"unit", "gross", "net", "tare"})
      names << QStringLiteral("s%1_%2").arg(n).arg(QLatin1String(field));
  }
  if (marked)
    names << QStringLiteral("verified");
  return names;
}

QVariantList row(const JournalRecord &record, bool marked, const QString &mark) {
  QVariantList values{record.seq,           record.takenAt,   record.station,
                      record.signedTotal(), record.totalUnit, record.netGross};
  for (const JournalScale &scale : record.scales) {
    if (scale.connected)
      values << unitText(scale.unit) << scale.gross << scale.weight << scale.tare;
    else
      values << QString() << QString() << QString() << QString();
  }
  if (marked)
    values << mark;
  return values;
}

qint64 write(const JournalReader &reader, const ExportOptions &options, QString *error) {
  const qint64 total = reader.count(options.filter, error);
  if (total < 0)
    return -1;
  return options.format == ExportFormat::Csv ? writeCsv(reader, options, total, error)
                                             : writeXlsx(reader, options, total, error);
}
}  // namespace journalexport

#include "journal/journalexport.h"

#include "journal/outputfile.h"
#include "journal/shown.h"

#include <xlsxwriter.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <array>

namespace {
const QString kUnverified = QStringLiteral("UNVERIFIED");
}  // namespace

QString ExportOptions::markOf(const JournalRecord &record) const {
  if (markEachJournal && verifiedJournals.contains(record.journalId))
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

// A cell's text: a shown value with every decimal place, a stored double
// in its shortest exact form, a local time to the millisecond.
QString cellText(const QVariant &value) {
  if (value.typeId() == qMetaTypeId<ShownValue>())
    return value.value<ShownValue>().text();
  if (value.typeId() == QMetaType::Double)
    return journalcolumns::realText(value.toDouble());
  if (value.typeId() == QMetaType::QDateTime)
    return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
  return value.toString();
}

QString csvField(const QVariant &value) {
  QString text = cellText(value);
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

bool isCancelled(const ExportOptions &options) {
  return options.cancelled && options.cancelled();
}

qint64 writeCsv(const JournalReader &reader, const ExportOptions &options, qint64 total,
                Failure *failure) {
  OutputFile out(options.path);
  if (!out.open(failure))
    return -1;
  const QStringList names = header(options.marked());
  bool written = out.file().write(csvLine(QVariantList(names.cbegin(), names.cend()))) >= 0;
  qint64 rows = 0;
  Pacer pacer(options, total);
  if (!reader.forEach(
          options.filter,
          [&](const JournalRecord &record) {
            if (isCancelled(options))
              return false;
            written = out.file().write(
                          csvLine(row(record, options.marked(), options.markOf(record)))) >= 0;
            pacer.step(++rows);
            return written;
          },
          failure)) {
    return -1;
  }
  if (isCancelled(options)) {
    *failure = Failure(Failure::Kind::Cancelled, QStringLiteral("cancelled"));
    return -1;
  }
  if (!written) {
    *failure =
        Failure(Failure::Kind::Io, QCoreApplication::translate("Journal", "cannot write %1: %2")
                                       .arg(options.path, out.file().errorString()));
    return -1;
  }
  if (!out.commit(failure))
    return -1;
  pacer.end(rows);
  return rows;
}

// The workbook's cell formats: a shown value's decimals, a local time.
class CellFormats {
 public:
  explicit CellFormats(lxw_workbook *book) {
    static const char *const kNumbers[] = {"0", "0.0", "0.00", "0.000"};
    for (int d = 0; d < 4; ++d) {
      numbers_[d] = workbook_add_format(book);
      format_set_num_format(numbers_[d], kNumbers[d]);
    }
    time_ = workbook_add_format(book);
    format_set_num_format(time_, "yyyy-mm-dd hh:mm:ss");
  }
  lxw_format *number(int decimals) const { return numbers_[qBound(0, decimals, 3)]; }
  lxw_format *time() const { return time_; }

 private:
  std::array<lxw_format *, 4> numbers_{};
  lxw_format *time_ = nullptr;
};

void writeXlsxRow(lxw_worksheet *sheet, lxw_row_t r, const QVariantList &values,
                  const CellFormats *formats) {
  for (int c = 0; c < values.size(); ++c) {
    const QVariant &value = values[c];
    const lxw_col_t column = lxw_col_t(c);
    if (value.typeId() == qMetaTypeId<ShownValue>()) {
      const ShownValue shown = value.value<ShownValue>();
      worksheet_write_number(sheet, r, column, shown.value(), formats->number(shown.decimals));
    } else if (value.typeId() == QMetaType::QDateTime) {
      const QDateTime time = value.toDateTime();
      lxw_datetime cell = {
          time.date().year(),   time.date().month(),
          time.date().day(),    time.time().hour(),
          time.time().minute(), time.time().second() + time.time().msec() / 1000.0};
      worksheet_write_datetime(sheet, r, column, &cell, formats->time());
    } else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::LongLong ||
               value.typeId() == QMetaType::Int) {
      worksheet_write_number(sheet, r, column, value.toDouble(), nullptr);
    } else if (!value.toString().isEmpty()) {
      worksheet_write_string(sheet, r, column, value.toString().toUtf8().constData(), nullptr);
    }
  }
}

// Wide enough for the column's name and every value it can hold.
double columnWidth(const QString &name) {
  if (name == QLatin1String("taken_at"))
    return 20;
  if (name == QLatin1String("taken_at_utc"))
    return 26;
  if (name == QLatin1String("station"))
    return 18;
  if (name.endsWith(QLatin1String("_stored")))
    return qMax<double>(name.size() + 2, 22);
  return qMax<double>(name.size() + 2, 12);
}

// The sheets of an export: one when its records fit a sheet, else as many
// as they fill, each with the header, named so that they sort in order.
class Sheets {
 public:
  Sheets(lxw_workbook *book, const ExportOptions &options, qint64 total)
      : book_(book), options_(options), formats_(book) {
    const qint64 perSheet = options.recordsPerSheet;
    const qint64 needed = total <= perSheet ? 1 : (total + perSheet - 1) / perSheet;
    width_ = needed > 1 ? int(QString::number(needed).size()) : 0;
  }
  // The sheet and row of the record `index` (from 0); null when a sheet
  // cannot be added.
  lxw_worksheet *sheetFor(qint64 index, lxw_row_t *row) {
    const qint64 number = index / options_.recordsPerSheet;
    if (number >= count_ && !add())
      return nullptr;
    *row = lxw_row_t(index % options_.recordsPerSheet + 1);
    return current_;
  }
  lxw_worksheet *first() { return count_ == 0 && !add() ? nullptr : current_; }
  int count() const { return int(count_); }
  const CellFormats *formats() const { return &formats_; }

 private:
  bool add() {
    QString name =
        options_.unverified ? QStringLiteral("Records UNVERIFIED") : QStringLiteral("Records");
    if (width_ > 0 || count_ > 0)
      name += u' ' + QString::number(count_ + 1).rightJustified(qMax(width_, 1), u'0');
    current_ = workbook_add_worksheet(book_, name.toUtf8().constData());
    if (!current_)
      return false;
    ++count_;
    const QStringList names = header(options_.marked());
    for (int c = 0; c < names.size(); ++c)
      worksheet_set_column(current_, lxw_col_t(c), lxw_col_t(c), columnWidth(names[c]), nullptr);
    writeXlsxRow(current_, 0, QVariantList(names.cbegin(), names.cend()), &formats_);
    return true;
  }

  lxw_workbook *book_;
  const ExportOptions &options_;
  CellFormats formats_;
  int width_ = 0;
  qint64 count_ = 0;
  lxw_worksheet *current_ = nullptr;
};

qint64 writeXlsx(const JournalReader &reader, const ExportOptions &options, qint64 total,
                 Failure *failure, int *sheetCount) {
  OutputFile out(options.path);
  if (!out.open(failure))
    return -1;
  // libxlsxwriter writes the whole file by its name at its close, its
  // working files (removed as soon as made) in the output's folder.
  out.file().close();
  const QByteArray temporaryName = QFile::encodeName(out.temporaryPath());
  const QByteArray folder = QFile::encodeName(QFileInfo(options.path).absolutePath());
  lxw_workbook_options settings = {};
  settings.constant_memory = LXW_TRUE;
  settings.tmpdir = const_cast<char *>(folder.constData());
  lxw_workbook *book = workbook_new_opt(temporaryName.constData(), &settings);
  if (!book) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot write %1").arg(options.path));
    return -1;
  }
  Sheets sheets(book, options, total);
  bool added = sheets.first() != nullptr;
  qint64 rows = 0;
  Pacer pacer(options, total);
  const bool read =
      added && reader.forEach(
                   options.filter,
                   [&](const JournalRecord &record) {
                     if (isCancelled(options))
                       return false;
                     lxw_row_t r = 0;
                     lxw_worksheet *sheet = sheets.sheetFor(rows, &r);
                     added = sheet != nullptr;
                     if (!added)
                       return false;
                     writeXlsxRow(sheet, r, row(record, options.marked(), options.markOf(record)),
                                  sheets.formats());
                     pacer.step(++rows);
                     return true;
                   },
                   failure);
  const lxw_error closed = workbook_close(book);
  if (!added) {
    *failure = Failure(Failure::Kind::Io,
                       QCoreApplication::translate("Journal", "cannot write %1: cannot add a sheet")
                           .arg(options.path));
    return -1;
  }
  if (!read)
    return -1;
  if (isCancelled(options)) {
    *failure = Failure(Failure::Kind::Cancelled, QStringLiteral("cancelled"));
    return -1;
  }
  if (closed != LXW_NO_ERROR) {
    *failure =
        Failure(Failure::Kind::Io, QCoreApplication::translate("Journal", "cannot write %1: %2")
                                       .arg(options.path, lxw_strerror(closed)));
    return -1;
  }
  if (!out.commit(failure))
    return -1;
  pacer.end(rows);
  *sheetCount = sheets.count();
  return rows;
}
}  // namespace

QStringList header(bool marked) {
  QStringList names{"seq", "taken_at", "taken_at_utc", "station", "total", "unit", "net_gross"};
  for (int n = 1; n <= JournalRecord::kScales; ++n) {
    for (const char *field : {"unit", "gross", "net", "tare"})
      names << QStringLiteral("s%1_%2").arg(n).arg(QLatin1String(field));
  }
  names << QStringLiteral("total_stored");
  for (int n = 1; n <= JournalRecord::kScales; ++n) {
    for (const char *field : {"gross", "net", "tare"})
      names << QStringLiteral("s%1_%2_stored").arg(n).arg(QLatin1String(field));
  }
  // The record's seal, as the journal holds it: a row can be checked
  // against the journal or a ticket.
  names << QStringLiteral("seal");
  if (marked)
    names << QStringLiteral("verified");
  return names;
}

QVariantList row(const JournalRecord &record, bool marked, const QString &mark) {
  QVariantList values{record.seq,     journaldates::localTime(record.takenAt),   record.takenAt,
                      record.station, QVariant::fromValue(shown::total(record)), record.totalUnit,
                      record.netGross};
  for (int n = 0; n < JournalRecord::kScales; ++n) {
    const JournalScale &scale = record.scales[size_t(n)];
    if (scale.connected)
      values << unitText(scale.unit) << QVariant::fromValue(shown::gross(record, n))
             << QVariant::fromValue(shown::net(record, n))
             << QVariant::fromValue(shown::tare(record, n));
    else
      values << QString() << QString() << QString() << QString();
  }
  values << record.signedTotal();
  for (const JournalScale &scale : record.scales) {
    if (scale.connected)
      values << scale.gross << scale.weight << scale.tare;
    else
      values << QString() << QString() << QString();
  }
  values << record.mac;
  if (marked)
    values << mark;
  return values;
}

QByteArray csvRow(const QVariantList &fields) {
  return csvLine(fields);
}

bool writeTable(ExportFormat format, const QString &path, const QList<QVariantList> &rows,
                Failure *failure) {
  OutputFile out(path);
  if (!out.open(failure))
    return false;
  if (format == ExportFormat::Csv) {
    bool written = true;
    for (const QVariantList &row : rows)
      written = written && out.file().write(csvLine(row)) >= 0;
    if (!written) {
      *failure =
          Failure(Failure::Kind::Io, QCoreApplication::translate("Journal", "cannot write %1: %2")
                                         .arg(path, out.file().errorString()));
      return false;
    }
    return out.commit(failure);
  }
  out.file().close();
  lxw_workbook *book = workbook_new(QFile::encodeName(out.temporaryPath()).constData());
  lxw_worksheet *sheet = book ? workbook_add_worksheet(book, nullptr) : nullptr;
  if (!sheet) {
    if (book)
      workbook_close(book);
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot write %1").arg(path));
    return false;
  }
  const CellFormats formats(book);
  for (int r = 0; r < rows.size(); ++r)
    writeXlsxRow(sheet, lxw_row_t(r), rows[r], &formats);
  if (const lxw_error closed = workbook_close(book); closed != LXW_NO_ERROR) {
    *failure =
        Failure(Failure::Kind::Io, QCoreApplication::translate("Journal", "cannot write %1: %2")
                                       .arg(path, lxw_strerror(closed)));
    return false;
  }
  return out.commit(failure);
}

qint64 write(const JournalReader &reader, const ExportOptions &options, Failure *failure,
             int *sheets) {
  const qint64 total = reader.count(options.filter, failure);
  if (total < 0)
    return -1;
  int sheetCount = 0;
  const qint64 rows = options.format == ExportFormat::Csv
                          ? writeCsv(reader, options, total, failure)
                          : writeXlsx(reader, options, total, failure, &sheetCount);
  if (sheets)
    *sheets = sheetCount;
  return rows;
}
}  // namespace journalexport

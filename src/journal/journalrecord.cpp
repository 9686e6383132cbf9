#include "journal/journalrecord.h"

#include <QLocale>
#include <charconv>
#include <type_traits>

namespace journalcolumns {
namespace {

// An empty text, never a null one: the database would take a null text for
// a missing value.
QString nonNull(const QString &text) {
  return text.isNull() ? QStringLiteral("") : text;
}

QVariant nullUnless(bool present, const QVariant &value) {
  return present ? value : QVariant();
}

// A column of scale n bound to a member of JournalScale.
template <typename T>
Column scaleColumn(int n, const char *field, Type type, T JournalScale::*member) {
  return {QStringLiteral("s%1_%2").arg(n + 1).arg(QLatin1String(field)), type, false,
          [=](const JournalRecord &r) {
            const T &value = r.scales[n].*member;
            if constexpr (std::is_same_v<T, QString>)
              return QVariant(nonNull(value));
            else if constexpr (std::is_same_v<T, bool>)
              return QVariant(int(value));
            else
              return QVariant::fromValue(value);
          },
          [=](JournalRecord &r, const QVariant &v) {
            if constexpr (std::is_same_v<T, bool>)
              r.scales[n].*member = v.toInt() != 0;
            else
              r.scales[n].*member = v.value<T>();
          }};
}

void addScaleColumns(std::vector<Column> &table, int n) {
  table.push_back(scaleColumn(n, "connected", Type::Integer, &JournalScale::connected));
  table.back().flag = true;
  table.push_back(scaleColumn(n, "port", Type::Text, &JournalScale::port));
  table.push_back(scaleColumn(n, "unit", Type::Integer, &JournalScale::unit));
  table.push_back(scaleColumn(n, "weight", Type::Real, &JournalScale::weight));
  table.push_back(scaleColumn(n, "tare", Type::Real, &JournalScale::tare));
  table.push_back(scaleColumn(n, "gross", Type::Real, &JournalScale::gross));
  table.push_back(scaleColumn(n, "point_code", Type::Integer, &JournalScale::pointCode));
}

// A text column bound to a member.
Column text(const char *name, QString JournalRecord::*member, bool nullable = false) {
  return {QString::fromLatin1(name), Type::Text, nullable,
          [=](const JournalRecord &r) {
            return nullable ? nullUnless(!(r.*member).isNull(), r.*member)
                            : QVariant(nonNull(r.*member));
          },
          [=](JournalRecord &r, const QVariant &v) {
            r.*member = v.isNull() ? QString() : v.toString();
          }};
}

std::vector<Column> makeColumns() {
  std::vector<Column> table;
  table.push_back({"seq", Type::Integer, false,
                   [](const JournalRecord &r) { return QVariant(r.seq); },
                   [](JournalRecord &r, const QVariant &v) { r.seq = v.toLongLong(); }});
  table.push_back(text("taken_at", &JournalRecord::takenAt));
  table.push_back(text("time_text", &JournalRecord::timeText));
  table.push_back(text("date_text", &JournalRecord::dateText));
  table.push_back(text("station", &JournalRecord::station));
  table.push_back({"total", Type::Real, false,
                   [](const JournalRecord &r) { return QVariant(r.total); },
                   [](JournalRecord &r, const QVariant &v) { r.total = v.toDouble(); }});
  table.push_back(text("total_sign", &JournalRecord::totalSign));
  table.push_back(text("total_unit", &JournalRecord::totalUnit));
  table.push_back(text("net_gross", &JournalRecord::netGross));
  table.push_back(text("total_line", &JournalRecord::totalLine));
  table.push_back({"block", Type::Blob, false,
                   [](const JournalRecord &r) { return QVariant(r.block); },
                   [](JournalRecord &r, const QVariant &v) { r.block = v.toByteArray(); }});
  for (int n = 0; n < JournalRecord::kScales; ++n)
    addScaleColumns(table, n);
  table.push_back(text("over_limit", &JournalRecord::overLimit));
  table.push_back(text("under_limit", &JournalRecord::underLimit));
  table.push_back({"sensitivity", Type::Integer, false,
                   [](const JournalRecord &r) { return QVariant(r.sensitivity); },
                   [](JournalRecord &r, const QVariant &v) { r.sensitivity = v.toInt(); }});
  table.push_back(text("text_log_file", &JournalRecord::textLogFile, true));
  table.push_back(text("workbook_file", &JournalRecord::workbookFile, true));
  table.push_back(text("workbook_session", &JournalRecord::workbookSession, true));
  table.push_back({"workbook_row", Type::Integer, true,
                   [](const JournalRecord &r) {
                     return nullUnless(r.workbookRow > 0, QVariant(r.workbookRow));
                   },
                   [](JournalRecord &r, const QVariant &v) {
                     r.workbookRow = v.isNull() ? 0 : v.toLongLong();
                   }});
  table.push_back(text("program", &JournalRecord::program));
  table.push_back(text("version", &JournalRecord::version));
  return table;
}

QByteArray valueBytes(Type type, const QVariant &value) {
  switch (type) {
    case Type::Integer:
      return QByteArray::number(value.toLongLong());
    case Type::Real:
      return realBytes(value.toDouble());
    case Type::Text:
      return value.toString().toUtf8();
    case Type::Blob:
      return value.toByteArray();
  }
  return QByteArray();
}

// `key` is the column's name followed by "=".
void appendField(QByteArray &out, const QByteArray &key, const QVariant &value, Type type) {
  out.append(key);
  if (value.isNull()) {
    out.append("-\n", 2);
    return;
  }
  const QByteArray bytes = valueBytes(type, value);
  out.append(QByteArray::number(bytes.size())).append(':').append(bytes).append('\n');
}

}  // namespace

const std::vector<Column> &columns() {
  static const std::vector<Column> table = makeColumns();
  return table;
}

QByteArray realBytes(double value) {
  return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

QString realText(double value) {
  return QString::fromLatin1(realBytes(value));
}

QByteArray noteBytes(qint64 seq, bool written, const QString &failure, const QString &recordMac) {
  return "note\n" + QByteArray::number(seq) + '\n' + (written ? "1" : "0") + '\n' +
         failure.toUtf8() + '\n' + recordMac.toLatin1();
}

namespace {
const std::vector<QByteArray> &columnKeys() {
  static const std::vector<QByteArray> keys = [] {
    std::vector<QByteArray> names;
    for (const Column &column : columns())
      names.push_back(column.name.toLatin1() + '=');
    return names;
  }();
  return keys;
}
}  // namespace

QByteArray canonicalPrevious(const QString &previousMac) {
  QByteArray out;
  appendField(out, QByteArrayLiteral("prev="), previousMac, Type::Text);
  return out;
}

QByteArray canonicalColumns(const JournalRecord &record) {
  const std::vector<QByteArray> &keys = columnKeys();
  QByteArray out;
  out.reserve(2048);
  const std::vector<Column> &table = columns();
  for (size_t i = 0; i < table.size(); ++i)
    appendField(out, keys[i], table[i].get(record), table[i].type);
  return out;
}

QByteArray canonicalBytes(const JournalRecord &record, const QString &previousMac) {
  return canonicalPrevious(previousMac) + canonicalColumns(record);
}

void appendCanonicalField(QByteArray &out, size_t column, const char *bytes, qsizetype size) {
  char length[24];
  const auto written = std::to_chars(length, length + sizeof length, size);
  out.append(columnKeys()[column])
      .append(length, written.ptr - length)
      .append(':')
      .append(bytes, size)
      .append('\n');
}

void appendCanonicalNull(QByteArray &out, size_t column) {
  out.append(columnKeys()[column]).append("-\n", 2);
}

}  // namespace journalcolumns

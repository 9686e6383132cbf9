#include "platform/spreadsheetmodel.h"

#include <xlsxwriter.h>

#include <QRegularExpression>

namespace spreadsheet {

QPair<int, int> parseCellReference(const QString &reference) {
  static const QRegularExpression cell(QStringLiteral("^\\$?([A-Za-z]{1,3})\\$?([0-9]{1,7})$"));
  const QRegularExpressionMatch match = cell.match(reference.trimmed());
  if (!match.hasMatch())
    return {0, 0};
  int column = 0;
  for (QChar letter : match.captured(1).toUpper())
    column = column * 26 + (letter.unicode() - 'A' + 1);
  const int row = match.captured(2).toInt();
  if (row < 1 || row > 1048576 || column > 16384)
    return {0, 0};
  return {row, column};
}

QString saveWorkbook(const Workbook &workbook, const QString &path) {
  const QByteArray file = path.toLocal8Bit();
  lxw_workbook *out = workbook_new(file.constData());
  if (!out)
    return QStringLiteral("cannot create the workbook");
  for (const auto &sheet : workbook.sheets) {
    const QByteArray name = sheet->name.toUtf8();
    lxw_worksheet *ws = workbook_add_worksheet(out, name.constData());
    if (!ws) {
      workbook_close(out);
      return QStringLiteral("invalid worksheet name '%1'").arg(sheet->name);
    }
    for (auto cell = sheet->cells.cbegin(); cell != sheet->cells.cend(); ++cell) {
      const lxw_row_t row = static_cast<lxw_row_t>(cell.key().first - 1);
      const lxw_col_t col = static_cast<lxw_col_t>(cell.key().second - 1);
      const QVariant &value = cell.value();
      switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
          worksheet_write_number(ws, row, col, value.toDouble(), nullptr);
          break;
        case QMetaType::Bool:
          worksheet_write_boolean(ws, row, col, value.toBool(), nullptr);
          break;
        default: {
          const QByteArray text = value.toString().toUtf8();
          worksheet_write_string(ws, row, col, text.constData(), nullptr);
        }
      }
    }
  }
  const lxw_error result = workbook_close(out);
  if (result != LXW_NO_ERROR)
    return QString::fromUtf8(lxw_strerror(result));
  return QString();
}

}  // namespace spreadsheet

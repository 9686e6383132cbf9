#include "viewer/transactionreport.h"

#include <QCoreApplication>

#include "viewer/recordtext.h"
#include "viewer/sheet.h"

namespace printouts {
namespace {
constexpr qreal kRowSize = 12.5;
constexpr qreal kRowHeight = 17;
// Columns: transaction, sealed, vehicle, customer, product, reference, net.
const qreal kColumns[] = {0, 70, 250, 370, 530, 690, 800};

struct Row {
  QStringList cells;  // one a column; a single cell spans the row
  bool bold = false;
};

QList<Row> rowsOf(const deskreport::Report &report) {
  QList<Row> rows;
  auto lineOf = [](const deskreport::Line &line, const QString &state) {
    const Transaction &entry = *line.entry;
    return Row{{QString::number(entry.seq), recordtext::takenText(entry.takenAt), entry.vehicle,
                entry.customer, entry.product, entry.reference,
                entry.net + u' ' + entry.unit + (state.isEmpty() ? QString() : u' ' + state)},
               false};
  };
  for (const deskreport::Group &group : report.groups) {
    rows << Row{{group.key.isEmpty() ? QStringLiteral("-") : group.key}, true};
    for (const deskreport::Line &line : group.lines)
      rows << lineOf(line, QString());
    rows << Row{{deskreport::sumsText(group.lines.size(), group.nets)}, true};
  }
  rows << Row{{QCoreApplication::translate("Printouts", "Total: %1")
                   .arg(deskreport::sumsText(report.count, report.nets))},
              true};
  if (!report.ended.isEmpty())
    rows << Row{{QCoreApplication::translate("Printouts", "Voided and replaced, not summed")},
                true};
  for (const deskreport::Line &line : report.ended)
    rows << lineOf(line, (line.voided ? QStringLiteral("VOID") : QStringLiteral("REPLACED")));
  return rows;
}

qreal paintHead(Sheet &sheet, const QString &heading, const QString &period, const Context &context,
                int page, int pages) {
  const qreal inner = kWidth - 2 * kMargin;
  qreal y = paintSite(sheet, context.site, kMargin, 0.7);
  y += sheet.text(kMargin, y, inner, heading, 34, true);
  y += sheet.text(kMargin, y, inner,
                  QCoreApplication::translate("Printouts", "Period: %1").arg(period), 16);
  y += sheet.text(kMargin, y, inner, printedLine(context), 16);
  y = paintCheck(sheet, context.check, y, 0.7);
  sheet.text(kMargin, sheet.height() - kMargin, inner,
             QCoreApplication::translate("Printouts", "page %1 of %2").arg(page).arg(pages), 14,
             false, Qt::AlignRight);
  return y + 10;
}
}  // namespace

bool paintTransactionReport(QPagedPaintDevice *device, const deskreport::Report &report,
                            const QString &heading, const QString &period, const Context &context,
                            Failure *failure) {
  Sheet sheet(device);
  if (!sheet.begin()) {
    *failure = Failure(Failure::Kind::Io, QStringLiteral("cannot paint the report"));
    return false;
  }
  const QList<Row> rows = rowsOf(report);
  sheet.setMeasuring(true);
  const qreal top = paintHead(sheet, heading, period, context, 1, 1);
  sheet.setMeasuring(false);
  const int perPage = qMax(1, int((sheet.height() - top - 2 * kMargin) / kRowHeight));
  const int pages = qMax(1, int((rows.size() + perPage - 1) / perPage));
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !sheet.newPage()) {
      *failure = Failure(Failure::Kind::Io, QStringLiteral("cannot add a page"));
      sheet.end();
      return false;
    }
    qreal y = paintHead(sheet, heading, period, context, page + 1, pages);
    for (int i = page * perPage; i < qMin(int(rows.size()), (page + 1) * perPage); ++i) {
      const Row &row = rows[i];
      for (int c = 0; c < row.cells.size(); ++c) {
        const qreal width = row.cells.size() == 1 ? kWidth - 2 * kMargin
                            : c + 1 < 7           ? kColumns[c + 1] - kColumns[c] - 6
                                                  : kWidth - 2 * kMargin - kColumns[c];
        sheet.text(kMargin + kColumns[c], y, width, row.cells[c], kRowSize, row.bold, Qt::AlignLeft,
                   Qt::black, false, false);
      }
      y += kRowHeight;
    }
  }
  sheet.end();
  return true;
}

}  // namespace printouts

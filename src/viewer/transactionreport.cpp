#include "viewer/transactionreport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QPainter>

#include "viewer/recordtext.h"
#include "viewer/sheet.h"

namespace printouts {
namespace {
constexpr qreal kRowSize = 12.5;
constexpr qreal kRowHeight = 17;
// Columns, in characters of the monospaced type: transaction, sealed,
// vehicle, customer, product, reference, net. A row is one line of text
// (a report of 100,000 transactions paints in seconds).
const int kColumns[] = {8, 22, 11, 18, 16, 12, 20};

QString lineText(const QStringList &cells) {
  if (cells.size() == 1)
    return cells.first();
  QString line;
  for (int c = 0; c < cells.size() && c < 7; ++c) {
    const QString cell = cells[c].left(kColumns[c] - 1);
    line += c == 0 ? cell.rightJustified(kColumns[c] - 2) + QStringLiteral("  ")
                   : cell.leftJustified(kColumns[c]);
  }
  return line;
}

struct Row {
  QStringList cells;  // one a column; a single cell spans the row
  bool bold = false;
};

// A transaction's local date and minute, made once a minute: a report of
// many transactions formats few.
class Minutes {
 public:
  const QString &of(const QString &takenAt) {
    const QString minute = takenAt.left(16);
    auto found = made_.constFind(minute);
    if (found == made_.constEnd()) {
      const QDateTime local =
          QDateTime::fromString(minute + QStringLiteral(":00Z"), Qt::ISODate).toLocalTime();
      found = made_.insert(minute, recordtext::localDate(local.date()) + u' ' +
                                       local.time().toString(QStringLiteral("HH:mm")));
    }
    return *found;
  }

 private:
  QHash<QString, QString> made_;
};

QList<Row> rowsOf(const deskreport::Report &report) {
  QList<Row> rows;
  Minutes minutes;
  auto lineOf = [&minutes](const deskreport::Line &line, const QString &state) {
    const Transaction &entry = *line.entry;
    return Row{{QString::number(entry.seq), minutes.of(entry.takenAt), entry.vehicle,
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
    QFont fonts[2] = {QFont(QStringLiteral("DejaVu Sans Mono")),
                      QFont(QStringLiteral("DejaVu Sans Mono"))};
    for (int bold = 0; bold < 2; ++bold) {
      fonts[bold].setPixelSize(int(kRowSize));
      fonts[bold].setBold(bold == 1);
      fonts[bold].setStyleStrategy(QFont::PreferNoShaping);
    }
    QPainter &painter = sheet.painter();
    painter.setPen(Qt::black);
    for (int i = page * perPage; i < qMin(int(rows.size()), (page + 1) * perPage); ++i) {
      const Row &row = rows[i];
      painter.setFont(fonts[row.bold ? 1 : 0]);
      // At a point, not in a box: no layout of its own, a tenth of the cost.
      painter.drawText(QPointF(kMargin, y + kRowSize), lineText(row.cells));
      y += kRowHeight;
    }
  }
  sheet.end();
  return true;
}

}  // namespace printouts

#include "viewer/printouts.h"

#include <QCoreApplication>

#include "viewer/qrcode.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRegularExpression>

#include "journal/outputfile.h"
#include "journal/shown.h"
#include "journal/verifier.h"
#include "viewer/recordtext.h"
#include "viewer/sheet.h"

namespace printouts {

const char *const kDisclaimer = QT_TRANSLATE_NOOP(
    "Printouts",
    "These are the weigh station monitor's own records, not an instrument's verified printout.");

CheckState CheckState::of(const VerifyReport &report) {
  CheckState check;
  check.firstSeq = report.firstSeq;
  check.lastSeq = report.lastSeq;
  if (report.outcome == VerifyReport::Outcome::Intact) {
    check.state = State::Intact;
  } else if (report.outcome == VerifyReport::Outcome::EndNotWitnessed) {
    check.state = State::EndNotWitnessed;
  } else if (report.outcome == VerifyReport::Outcome::Broken) {
    check.state = State::Broken;
    // A problem of the journal as a whole (its end, its notes) leaves no
    // record to trust past the last one checked.
    check.badSeq = report.firstBadSeq() > 0 ? report.firstBadSeq() : 1;
  }
  return check;
}

bool CheckState::trusts(qint64 seq) const {
  return verified() || (state == State::Broken && seq < badSeq);
}

QString CheckState::line() const {
  switch (state) {
    case State::Intact:
      return lastSeq > 0
                 ? QCoreApplication::translate("Printouts", "Journal checked: intact, seq %1..%2")
                       .arg(firstSeq)
                       .arg(lastSeq)
                 : QCoreApplication::translate("Printouts", "Journal checked: intact, no records");
    case State::EndNotWitnessed:
      return QCoreApplication::translate(
                 "Printouts", "Journal checked: records intact, seq %1..%2; its end not witnessed")
          .arg(firstSeq)
          .arg(lastSeq);
    case State::Broken:
      return QCoreApplication::translate("Printouts",
                                         "UNVERIFIED: the journal fails its check at seq %1")
          .arg(badSeq);
    case State::Unfinished:
      break;
  }
  return QCoreApplication::translate("Printouts", "UNVERIFIED: check not finished");
}

const QStringList &ReportRows::headings() {
  static const QStringList kHeadings{QCoreApplication::translate("Printouts", "Seq"),
                                     QCoreApplication::translate("Printouts", "Date"),
                                     QCoreApplication::translate("Printouts", "Time"),
                                     QCoreApplication::translate("Printouts", "Station"),
                                     QCoreApplication::translate("Printouts", "Total"),
                                     QCoreApplication::translate("Printouts", "Unit"),
                                     QCoreApplication::translate("Printouts", "Net/Gross"),
                                     QCoreApplication::translate("Printouts", "Scale 1"),
                                     QCoreApplication::translate("Printouts", "Scale 2"),
                                     QCoreApplication::translate("Printouts", "Scale 3"),
                                     QCoreApplication::translate("Printouts", "Verification")};
  return kHeadings;
}

void ReportRows::add(const JournalRecord &record, QList<ReportRow> *rows) {
  const QDateTime taken = journaldates::localTime(record.takenAt);
  if (dayCount_ > 0 && taken.date() != day_)
    closeDay(rows);
  day_ = taken.date();
  const ShownValue total = shown::total(record);
  daySums_[record.totalUnit].add(total);
  sums_[record.totalUnit].add(total);
  ++dayCount_;
  ++count_;
  QStringList cells{QString::number(record.seq),
                    recordtext::localDate(taken.date()),
                    QLocale().toString(taken.time(), recordtext::timeFormat()),
                    record.station,
                    total.text(),
                    record.totalUnit,
                    record.netGross};
  for (int n = 0; n < JournalRecord::kScales; ++n)
    cells << (record.scales[size_t(n)].connected ? shown::net(record, n).text() : QString());
  cells << recordtext::verificationCode(record.mac);
  rows->append({ReportRow::Kind::Record, cells});
}

namespace {
QStringList totalCells(const QString &what, const QString &sum, const QString &unit) {
  QStringList cells;
  for (int i = 0; i < ReportRows::headings().size(); ++i)
    cells << QString();
  cells[3] = what;
  cells[4] = sum;
  cells[5] = unit;
  return cells;
}
}  // namespace

void ReportRows::closeDay(QList<ReportRow> *rows) {
  for (auto sum = daySums_.cbegin(); sum != daySums_.cend(); ++sum) {
    QStringList cells = totalCells(QCoreApplication::translate("Printouts", "day: %1")
                                       .arg(shown::records(sum.value().count())),
                                   sum.value().result().text(), sum.key());
    cells[1] = recordtext::localDate(day_);
    rows->append({ReportRow::Kind::DayTotal, cells});
  }
  daySums_.clear();
  dayCount_ = 0;
}

void ReportRows::finish(QList<ReportRow> *rows) {
  if (dayCount_ > 0)
    closeDay(rows);
  for (auto sum = sums_.cbegin(); sum != sums_.cend(); ++sum) {
    rows->append({ReportRow::Kind::GrandTotal,
                  totalCells(QCoreApplication::translate("Printouts", "total: %1")
                                 .arg(shown::records(sum.value().count())),
                             sum.value().result().text(), sum.key())});
  }
}

namespace {

// Each scale at the record: gross, tare and net as shown; returns where the
// table ends.
qreal paintScales(Sheet &sheet, const JournalRecord &record, qreal y) {
  static const qreal kColumns[] = {0, 220, 420, 620, 820};
  const QStringList headings{QCoreApplication::translate("Printouts", "Scale"),
                             QCoreApplication::translate("Printouts", "Gross"),
                             QCoreApplication::translate("Printouts", "Tare"),
                             QCoreApplication::translate("Printouts", "Net"),
                             QCoreApplication::translate("Printouts", "Unit")};
  for (int c = 0; c < headings.size(); ++c)
    sheet.text(kMargin + kColumns[c], y, 170, headings[c], 24, true);
  y += 34;
  sheet.rule(y, 0.8);
  y += 8;
  for (int n = 0; n < JournalRecord::kScales; ++n) {
    const JournalScale &scale = record.scales[size_t(n)];
    sheet.text(kMargin + kColumns[0], y, 200,
               QCoreApplication::translate("Printouts", "Scale %1").arg(n + 1), 26);
    if (scale.connected) {
      const QStringList values{shown::gross(record, n).text(), shown::tare(record, n).text(),
                               shown::net(record, n).text(),
                               scale.unit == 0 ? QStringLiteral("kg") : QStringLiteral("lbs")};
      for (int c = 0; c < values.size(); ++c)
        sheet.text(kMargin + kColumns[c + 1], y, 170, values[c], 26, false, Qt::AlignLeft,
                   Qt::black, true);
    } else {
      sheet.text(kMargin + kColumns[1], y, 600,
                 QCoreApplication::translate("Printouts", "not connected"), 26, false,
                 Qt::AlignLeft, Qt::darkGray);
    }
    y += 38;
  }
  return y;
}

// The grand total as shown, and the limits; returns where they end.
qreal paintTotal(Sheet &sheet, const JournalRecord &record, qreal y) {
  const qreal inner = kWidth - 2 * kMargin;
  y += sheet.text(kMargin, y, inner, QCoreApplication::translate("Printouts", "Total"), 26, true);
  const ShownValue total = shown::total(record);
  const QString sign = total.units < 0 ? QStringLiteral("-") : QStringLiteral("+");
  const QString magnitude = ShownValue{qAbs(total.units), total.decimals}.text();
  y += sheet.text(
      kMargin, y, inner,
      QStringLiteral("%1 %2 %3 %4").arg(sign, magnitude, record.totalUnit, record.netGross), 76,
      true);
  y += 14;
  return y +
         sheet.text(kMargin, y, inner,
                    QCoreApplication::translate("Printouts", "Limits: over %1 %3, under %2 %3")
                        .arg(record.overLimit, record.underLimit, record.totalUnit),
                    24) +
         20;
}

// The verification code and the signatures on the left; the square on the
// right is kept for the record's code to scan: at least 0.4 mm a module (3
// dots of a 203 dpi ticket printer), whatever the page. Returns where both
// end.
qreal paintVerification(Sheet &sheet, const JournalRecord &record, const Context &context,
                        qreal y) {
  const qreal inner = kWidth - 2 * kMargin;
  const QImage code = qrcode::of(context.ticketCode);
  const qreal square =
      qMin(inner * 0.5, qMax<qreal>(230, sheet.unitsOfMm(0.4 * qMax(1, code.width()))));
  const qreal top = y;
  y += sheet.text(kMargin, y, inner - square - 20,
                  QCoreApplication::translate("Printouts", "Verification code: %1")
                      .arg(recordtext::verificationCode(record.mac)),
                  28, true) +
       40;
  for (const QString &label : {QCoreApplication::translate("Printouts", "Operator"),
                               QCoreApplication::translate("Printouts", "Signature")}) {
    sheet.text(kMargin, y, 200, label + u':', 26);
    sheet.painter().setPen(QPen(Qt::black, 1));
    sheet.painter().drawLine(QPointF(kMargin + 180, y + 30),
                             QPointF(kWidth - kMargin - square - 30, y + 30));
    y += 60;
  }
  if (!context.ticketCode.isEmpty() && !code.isNull() && !sheet.measuring())
    paintCode(sheet, code, QPointF(kWidth - kMargin - square, top), square);
  return qMax(y, top + square) + 20;
}
}  // namespace

bool paintTicket(QPagedPaintDevice *device, const JournalRecord &record, const Context &context,
                 Failure *failure) {
  Sheet sheet(device);
  if (!sheet.begin()) {
    *failure = Failure(Failure::Kind::Io, QStringLiteral("cannot paint the ticket"));
    return false;
  }
  qreal y = kMargin;
  const qreal inner = kWidth - 2 * kMargin;
  y = paintSite(sheet, context.site, y, 1.0);
  y += sheet.text(kMargin, y, inner, QCoreApplication::translate("Printouts", "Weighing ticket"),
                  48, true);
  sheet.rule(y + 6);
  y += 20;
  if (!context.check.verified())
    y = paintCheck(sheet, context.check, y, 1.0);
  const QString taken = recordtext::takenText(record.takenAt);
  for (const QString &line :
       {QCoreApplication::translate("Printouts", "Station: %1").arg(record.station),
        QCoreApplication::translate("Printouts", "Seq: %1").arg(record.seq),
        QCoreApplication::translate("Printouts", "Date and time: %1").arg(taken)})
    y += sheet.text(kMargin, y, inner, line, 28) + 4;
  y = paintScales(sheet, record, y + 16) + 20;
  y = paintTotal(sheet, record, y);
  y = paintVerification(sheet, record, context, y);
  paintTicketFoot(sheet, context, y);
  sheet.end();
  return true;
}

namespace {

// Column widths of a report line, in characters of its monospaced type.
const int kReportColumns[] = {7, 12, 9, 13, 11, 5, 10, 10, 10, 10, 15};
constexpr qreal kRowSize = 12.5;
constexpr qreal kRowHeight = 17;

qreal paintReportHead(Sheet &sheet, const ReportRequest &request, const Context &context, int page,
                      int pages) {
  qreal y = paintSite(sheet, context.site, kMargin, 0.7);
  const qreal inner = kWidth - 2 * kMargin;
  y += sheet.text(kMargin, y, inner, QCoreApplication::translate("Printouts", "Weighing report"),
                  34, true);
  QString scope = QCoreApplication::translate("Printouts", "Period: %1").arg(request.period);
  if (!request.filterText.isEmpty())
    scope += QStringLiteral("; ") + request.filterText;
  y += sheet.text(kMargin, y, inner, scope, 16);
  y += sheet.text(kMargin, y, inner, printedLine(context), 16);
  y = paintCheck(sheet, context.check, y, 0.7);
  sheet.text(kMargin, sheet.height() - kMargin, inner,
             QCoreApplication::translate("Printouts", "page %1 of %2").arg(page).arg(pages), 14,
             false, Qt::AlignRight);
  sheet.text(kMargin, sheet.height() - kMargin, inner,
             QCoreApplication::translate("Printouts", kDisclaimer), 12, false, Qt::AlignLeft,
             Qt::darkGray);
  return y + 6;
}

// A total's label ("day: 12 records") spans the time and station columns.
qreal paintRow(Sheet &sheet, qreal y, const QStringList &cells, bool total) {
  qreal x = kMargin;
  const qreal perCharacter = kRowSize * 0.61;
  for (int c = 0; c < cells.size(); ++c) {
    qreal width = kReportColumns[c] * perCharacter;
    if (total && c == 2)
      continue;
    if (total && c == 3)
      width += kReportColumns[2] * perCharacter;
    const bool bold = total;
    const bool number = c == 0 || c == 4 || (c >= 7 && c <= 9);
    // A number ends a space before the next column; a text starts one after.
    const qreal pad = kRowSize * 0.6;
    sheet.text(number ? x : x + pad, y, width - pad, cells[c], kRowSize, bold,
               number ? int(Qt::AlignRight) : int(Qt::AlignLeft), Qt::black, true, false);
    x += width;
  }
  return y + kRowHeight;
}

}  // namespace

bool paintReport(QPagedPaintDevice *device, const JournalReader &reader,
                 const ReportRequest &request, const Context &context, Failure *failure) {
  // First the rows are counted: a page says how many there are.
  qint64 rowCount = 0;
  {
    ReportRows counter;
    QList<ReportRow> rows;
    if (!reader.forEach(
            request.filter,
            [&](const JournalRecord &record) {
              counter.add(record, &rows);
              rowCount += rows.size();
              rows.clear();
              return true;
            },
            failure))
      return false;
    counter.finish(&rows);
    rowCount += rows.size();
  }
  Sheet sheet(device);
  if (!sheet.begin()) {
    *failure = Failure(Failure::Kind::Io, QStringLiteral("cannot paint the report"));
    return false;
  }
  // The head's height is the same on every page.
  sheet.setMeasuring(true);
  const qreal headHeight = paintReportHead(sheet, request, context, 1, 1);
  sheet.setMeasuring(false);
  const qreal bottom = sheet.height() - kMargin - 30;
  const int perPage = qMax(1, int((bottom - headHeight - kRowHeight - 4) / kRowHeight));
  const int pages = int(qMax<qint64>(1, (rowCount + perPage - 1) / perPage));
  int page = 1;
  qreal y = 0;
  int onPage = 0;
  auto startPage = [&] {
    y = paintReportHead(sheet, request, context, page, pages);
    y = paintRow(sheet, y, ReportRows::headings(), false);
    sheet.rule(y, 0.8);
    y += 3;
    onPage = 0;
  };
  startPage();
  if (rowCount == 0)
    sheet.text(kMargin, y + 10, kWidth - 2 * kMargin,
               QCoreApplication::translate("Printouts", "No records match"), 20);
  auto paint = [&](const QList<ReportRow> &rows) {
    for (const ReportRow &row : rows) {
      if (onPage == perPage) {
        sheet.newPage();
        ++page;
        startPage();
      }
      y = paintRow(sheet, y, row.cells, row.kind != ReportRow::Kind::Record);
      ++onPage;
    }
  };
  ReportRows rows;
  QList<ReportRow> added;
  const bool read = reader.forEach(
      request.filter,
      [&](const JournalRecord &record) {
        rows.add(record, &added);
        paint(added);
        added.clear();
        return true;
      },
      failure);
  if (read) {
    rows.finish(&added);
    paint(added);
  }
  sheet.end();
  return read;
}

bool savePdf(const QString &path, int pageSize,
             const std::function<bool(QPagedPaintDevice *, Failure *)> &paint, Failure *failure) {
  OutputFile out(path);
  if (!out.open(failure))
    return false;
  bool painted = false;
  {
    QPdfWriter writer(&out.file());
    writer.setPageSize(pageSize == kRoll80 ? QPageSize(QSizeF(80, 200), QPageSize::Millimeter,
                                                       QStringLiteral("80 mm roll"))
                                           : QPageSize(QPageSize::PageSizeId(pageSize)));
    if (pageSize == kRoll80)
      writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QFileInfo(path).completeBaseName());
    writer.setCreator(QStringLiteral("weighstation-records"));
    painted = paint(&writer, failure);
  }
  return painted && out.commit(failure);
}

QString periodText(const QString &from, const QString &to) {
  if (from.isEmpty() && to.isEmpty())
    return QCoreApplication::translate("Printouts", "all records");
  if (from.isEmpty())
    return QCoreApplication::translate("Printouts", "up to %1").arg(to);
  if (to.isEmpty())
    return QCoreApplication::translate("Printouts", "from %1").arg(from);
  return QCoreApplication::translate("Printouts", "%1 to %2").arg(from, to);
}

QString ticketFileName(const JournalRecord &record) {
  QString station = record.station;
  station.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
  return QStringLiteral("ticket-%1-%2.pdf").arg(station).arg(record.seq);
}

QString reportFileName(const QString &from, const QString &to) {
  return QStringLiteral("report-%1-%2.pdf").arg(from, to);
}

}  // namespace printouts

#include "viewer/recordschart.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>

#include "viewer/recordtext.h"

RecordsChart::RecordsChart(QWidget *parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignBottom);
}

namespace chartaxis {

// A time axis whose labels differ from each other: the label's format
// follows the span, and there are no more ticks than the format can tell
// apart.
TimeAxisPlan timeAxis(qint64 firstMs, qint64 lastMs) {
  TimeAxisPlan plan;
  qint64 span = lastMs - firstMs;
  qint64 step = 1000;
  if (span >= 2 * 86400000LL) {
    plan.format = recordtext::dateFormat();
    step = 86400000LL;
  } else if (span >= 2 * 60000LL) {
    plan.format = span >= 86400000LL ? recordtext::dateFormat() + QStringLiteral(" HH:mm")
                                     : QStringLiteral("HH:mm");
    step = 60000;
  } else {
    plan.format = QStringLiteral("HH:mm:ss");
  }
  if (span < step) {
    // One moment, or less than a label's step: a step either side.
    firstMs -= step;
    lastMs += step;
    span = lastMs - firstMs;
  }
  plan.firstMs = firstMs;
  plan.lastMs = lastMs;
  plan.ticks = int(qBound(qint64(2), span / step + 1, qint64(6)));
  return plan;
}

QList<int> segmentStarts(const QList<qint64> &timesMs) {
  QList<int> starts;
  if (timesMs.isEmpty())
    return starts;
  starts << 0;
  QList<qint64> gaps;
  for (int i = 1; i < timesMs.size(); ++i)
    gaps << timesMs[i] - timesMs[i - 1];
  if (gaps.isEmpty())
    return starts;
  QList<qint64> sorted = gaps;
  std::sort(sorted.begin(), sorted.end());
  const qint64 median = sorted[sorted.size() / 2];
  // A pause shorter than a minute is part of the work, whatever the pace.
  const qint64 longPause = qMax<qint64>(10 * median, kShortestBreakMs);
  for (int i = 1; i < timesMs.size(); ++i) {
    if (gaps[i - 1] > longPause)
      starts << i;
  }
  return starts;
}

}  // namespace chartaxis

namespace {
QString titleOf(qint64 shown, qint64 ofRecords) {
  return shown < ofRecords
             ? QCoreApplication::translate("Viewer", "Totals of the newest %1 of %2 records")
                   .arg(shown)
                   .arg(ofRecords)
             : QCoreApplication::translate("Viewer", "Totals of %1 records").arg(shown);
}

// A limit far above the totals would squash them: it shows when it lies
// within ten times the largest total.
double withLimitsShown(const QList<ChartPoint> &points, double high) {
  for (const ChartPoint &p : points) {
    if (p.overLimit <= 10 * std::max(high, 1.0))
      high = std::max(high, p.overLimit);
  }
  return high;
}
}  // namespace

void RecordsChart::showPoints(const QList<ChartPoint> &points, qint64 ofRecords,
                              const QString &unit) {
  points_ = points;
  QChart *c = new QChart;
  if (points.isEmpty()) {
    c->setTitle(QCoreApplication::translate("Viewer", "No records match"));
    c->legend()->hide();
    QChart *old = chart();
    setChart(c);
    delete old;
    return;
  }
  c->setTitle(titleOf(points.size(), ofRecords));
  QList<qint64> times;
  for (const ChartPoint &p : points)
    times << p.when.toMSecsSinceEpoch();
  // The line is broken where records pause for long (a night, a weekend):
  // a segment a series, the first named in the legend.
  QList<QLineSeries *> totals;
  const QList<int> starts = chartaxis::segmentStarts(times);
  auto *over = new QLineSeries;
  over->setName(QCoreApplication::translate("Viewer", "Over Limit"));
  auto *under = new QLineSeries;
  under->setName(QCoreApplication::translate("Viewer", "Under Limit"));
  double low = 0, high = 0;
  for (int i = 0; i < points.size(); ++i) {
    const ChartPoint &p = points[i];
    const qreal x = qreal(times[i]);
    if (starts.contains(i))
      totals << new QLineSeries;
    totals.last()->append(x, p.total);
    // A limit is drawn as steps: it holds until the record where it changed.
    if (i > 0 && points[i - 1].overLimit != p.overLimit)
      over->append(x, points[i - 1].overLimit);
    if (i > 0 && points[i - 1].underLimit != p.underLimit)
      under->append(x, points[i - 1].underLimit);
    over->append(x, p.overLimit);
    under->append(x, p.underLimit);
    low = std::min({low, p.total, p.underLimit});
    high = std::max(high, p.total);
  }
  totals.first()->setName(QCoreApplication::translate("Viewer", "Total"));
  high = withLimitsShown(points, high);
  // Added first: the chart's theme colours a series as it is added. Each
  // record's point is marked while they stand apart; a dense line of marks
  // would hide the line itself.
  const bool marked = points.size() <= kMarkedPoints;
  for (QLineSeries *segment : totals) {
    c->addSeries(segment);
    segment->setPen(QPen(QColor(0, 90, 170), 1.5));
    segment->setPointsVisible(marked);
    connect(segment, &QLineSeries::hovered, this, &RecordsChart::hovered);
  }
  c->addSeries(over);
  c->addSeries(under);
  addAxes(c, times, low, high, unit);
  // One legend entry for the totals, not one a segment.
  for (QLineSeries *segment : totals.mid(1)) {
    for (QLegendMarker *marker : c->legend()->markers(segment))
      marker->setVisible(false);
  }
  QChart *old = chart();
  setChart(c);
  delete old;
}

// The time axis as planned for the span of `times`, the totals' axis from
// `low` to `high`, each series on both.
void RecordsChart::addAxes(QChart *c, const QList<qint64> &times, double low, double high,
                           const QString &unit) {
  const chartaxis::TimeAxisPlan plan = chartaxis::timeAxis(times.first(), times.last());
  auto *time = new QDateTimeAxis;
  time->setFormat(plan.format);
  time->setTickCount(plan.ticks);
  time->setRange(QDateTime::fromMSecsSinceEpoch(plan.firstMs),
                 QDateTime::fromMSecsSinceEpoch(plan.lastMs));
  // The totals' axis in the desktop's number form ("10.500" under de_DE).
  c->setLocalizeNumbers(true);
  auto *value = new QValueAxis;
  value->setRange(low, high > low ? high * 1.05 : low + 1);
  value->setTitleText(unit.isEmpty()
                          ? QCoreApplication::translate("Viewer", "Total")
                          : QCoreApplication::translate("Viewer", "Total (%1)").arg(unit));
  c->addAxis(time, Qt::AlignBottom);
  c->addAxis(value, Qt::AlignLeft);
  for (QAbstractSeries *series : c->series()) {
    series->attachAxis(time);
    series->attachAxis(value);
  }
}

void RecordsChart::hovered(const QPointF &point, bool state) {
  if (!state || points_.isEmpty()) {
    QToolTip::hideText();
    return;
  }
  const auto nearest = std::min_element(points_.cbegin(), points_.cend(),
                                        [&point](const ChartPoint &a, const ChartPoint &b) {
                                          return std::abs(a.when.toMSecsSinceEpoch() - point.x()) <
                                                 std::abs(b.when.toMSecsSinceEpoch() - point.x());
                                        });
  QToolTip::showText(QCursor::pos(), nearest->label, this);
}

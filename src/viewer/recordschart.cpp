#include "viewer/recordschart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>

RecordsChart::RecordsChart(QWidget *parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignBottom);
}

void RecordsChart::showPoints(const QList<ChartPoint> &points, qint64 ofRecords) {
  points_ = points;
  QChart *c = new QChart;
  c->setTitle(points.size() < ofRecords
                  ? QStringLiteral("Totals of the newest %1 of %2 records")
                        .arg(points.size())
                        .arg(ofRecords)
                  : QStringLiteral("Totals of %1 records").arg(points.size()));
  auto *totals = new QLineSeries;
  totals->setName(QStringLiteral("Total"));
  totals->setPen(QPen(QColor(0, 90, 170), 1.5));
  auto *marks = new QScatterSeries;
  marks->setMarkerSize(4);
  marks->setName(QStringLiteral("Record"));
  auto *over = new QLineSeries;
  over->setName(QStringLiteral("Over Limit"));
  auto *under = new QLineSeries;
  under->setName(QStringLiteral("Under Limit"));
  double low = 0, high = 0;
  for (int i = 0; i < points.size(); ++i) {
    const ChartPoint &p = points[i];
    const qreal x = qreal(p.when.toMSecsSinceEpoch());
    totals->append(x, p.total);
    marks->append(x, p.total);
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
  // A limit far above the totals would squash them: it shows when it lies
  // within ten times the largest total.
  for (const ChartPoint &p : points) {
    if (p.overLimit <= 10 * std::max(high, 1.0))
      high = std::max(high, p.overLimit);
  }
  for (QAbstractSeries *series :
       {static_cast<QAbstractSeries *>(totals), static_cast<QAbstractSeries *>(marks),
        static_cast<QAbstractSeries *>(over), static_cast<QAbstractSeries *>(under)}) {
    c->addSeries(series);
  }
  auto *time = new QDateTimeAxis;
  const bool oneDay = points.size() < 2 || points.first().when.date() == points.last().when.date();
  time->setFormat(oneDay ? QStringLiteral("HH:mm:ss") : QStringLiteral("MM-dd HH:mm"));
  auto *value = new QValueAxis;
  value->setRange(low, high > low ? high * 1.05 : low + 1);
  c->addAxis(time, Qt::AlignBottom);
  c->addAxis(value, Qt::AlignLeft);
  for (QAbstractSeries *series : c->series()) {
    series->attachAxis(time);
    series->attachAxis(value);
  }
  connect(marks, &QScatterSeries::hovered, this, &RecordsChart::hovered);
  QChart *old = chart();
  setChart(c);
  delete old;
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

// The filtered records' totals over time, with the limits in force where
// they changed; hovering a point shows its record.
#pragma once

#include <QChartView>
#include <QDateTime>
#include <QList>

struct ChartPoint {
  qint64 seq = 0;
  QDateTime when;
  double total = 0;  // signed, as shown
  double overLimit = 0;
  double underLimit = 0;
  QString label;  // what hovering shows
};

namespace chartaxis {
struct TimeAxisPlan {
  qint64 firstMs = 0;
  qint64 lastMs = 0;
  QString format;
  int ticks = 2;
};
// The range, label format and tick count of a time axis over points from
// firstMs to lastMs: no two labels alike.
TimeAxisPlan timeAxis(qint64 firstMs, qint64 lastMs);
// Where the line of points at these times (ascending) breaks: the indexes
// that start a segment, the first 0. A pause longer than ten times the
// median spacing, and than a minute, starts one.
constexpr qint64 kShortestBreakMs = 60000;
QList<int> segmentStarts(const QList<qint64> &timesMs);
}  // namespace chartaxis

class RecordsChart : public QChartView {
  Q_OBJECT
 public:
  static constexpr int kMostPoints = 2000;
  static constexpr int kMarkedPoints = 100;

  explicit RecordsChart(QWidget *parent = nullptr);
  // Points in time order; `ofRecords` is how many records the filter keeps;
  // `unit` labels the value axis.
  void showPoints(const QList<ChartPoint> &points, qint64 ofRecords, const QString &unit);

 private:
  void hovered(const QPointF &point, bool state);
  static void addAxes(QChart *c, const QList<qint64> &times, double low, double high,
                      const QString &unit);

  QList<ChartPoint> points_;
};

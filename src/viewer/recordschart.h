// The filtered records' totals over time, with the limits in force where
// they changed; hovering a point shows its record.
#pragma once

#include <QChartView>
#include <QDateTime>
#include <QList>

struct ChartPoint {
  qint64 seq = 0;
  QDateTime when;
  double total = 0;  // signed
  double overLimit = 0;
  double underLimit = 0;
  QString label;  // what hovering shows
};

class RecordsChart : public QChartView {
  Q_OBJECT
 public:
  static constexpr int kMostPoints = 2000;

  explicit RecordsChart(QWidget *parent = nullptr);
  // Points in time order; `ofRecords` is how many records the filter keeps.
  void showPoints(const QList<ChartPoint> &points, qint64 ofRecords);

 private:
  void hovered(const QPointF &point, bool state);

  QList<ChartPoint> points_;
};

// The 30 ms refresh tick: three readouts, the grand total and the clock,
// then the logging step.
#include <QLCDNumber>
#include <QLabel>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "journal/shown.h"
#include "station/station.h"

namespace {
const QString kPoint = QStringLiteral(".");

// QLCDNumber repaints on every display() call, even of the digit it shows
// already; at 29 displays every 30 ms that is most of a tick's cost.
void showDigit(QLCDNumber *display, int digit) {
  if (display->intValue() != digit)
    display->display(digit);
}

void lightPoint(const std::array<QLabel *, 3> &points, int lit) {
  for (int p = 0; p < 3; ++p)
    points[p]->setText(p == lit ? kPoint : QString());
}
}  // namespace

void MainWindow::processLCD() {
  std::array<QString, kScaleCount> netGross;
  for (int n = 0; n < kScaleCount; ++n)
    netGross[size_t(n)] = form->scales[n].netGross->text();
  station_.tick(netGross);
  for (int n = 0; n < kScaleCount; ++n)
    showScaleReadout(n);
  showGrandTotal();
  if (readingsSink_)
    readingsSink_(liveReadings());
  processDataLog();
}

// The readouts as the displays show them this tick.
LiveReadings MainWindow::liveReadings() const {
  LiveReadings readings;
  std::array<int, 3> pointCodes{};
  for (int n = 0; n < kScaleCount; ++n) {
    const ScaleShown &shown = station_.scale(n);
    pointCodes[n] = station_.reading(n).pointCode;
    readings.scales[n] =
        livepayloads::scaleReading(station_.reading(n).connected == 1, shown.sign, shown.digits,
                                   pointCodes[n], shown.unit, form->scales[n].netGross->text());
  }
  const TotalShown &total = station_.total();
  readings.total =
      livepayloads::totalReading(total.sign, station_.state().total_digits,
                                 shown::totalDecimals(pointCodes), total.unit, total.netGross);
  return readings;
}

void MainWindow::showScaleReadout(int n) {
  const ScaleShown &shown = station_.scale(n);
  const ScalePanelForm &widgets = form->scales[n];
  widgets.status->setText(shown.status);
  widgets.overload->setText(shown.overload);
  widgets.sign->setText(shown.sign);
  widgets.unit->setText(shown.unit);
  for (int k = 0; k < kScaleDigits; ++k)
    showDigit(widgets.digits[k], shown.digits[k]);
  lightPoint(widgets.points, shown.litPoint);
}

void MainWindow::showGrandTotal() {
  const TotalShown &total = station_.total();
  const StationState &state = station_.state();
  form->overload_grand->setText(total.overload);
  form->netgross_grand->setText(total.netGross);
  form->sign_grandtotal->setText(total.sign);
  form->unit_grandtotal->setText(total.unit);
  for (int k = 0; k < 8; ++k)
    showDigit(form->grandTotalDigits[k], state.total_digits[k]);
  lightPoint(form->grandTotalPoints, total.litPoint);
  form->curtime->setText(state.time_text);
  form->curdate->setText(state.date_text);
}

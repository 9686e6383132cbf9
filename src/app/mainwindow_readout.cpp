// The 30 ms refresh tick: three readouts, the grand total and the clock,
// then the logging step.
#include <QDateTime>
#include <QLCDNumber>
#include <QLabel>
#include <QMutexLocker>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "journal/shownvalue.h"
#include "readout/clock.h"
#include "readout/readoutmath.h"
#include "readout/readoutstate.h"
#include "scalelink/scalechannel.h"

namespace {
const QString kPoint = QStringLiteral(".");
const QString kNet = QStringLiteral("NET");
const QString kGross = QStringLiteral("GROSS");
const QString kPlus = QStringLiteral("+");
const QString kMinus = QStringLiteral("-");

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
  for (int n = 0; n < kScaleCount; ++n) {
    form->scales[n].status->setText(readout::statusText(scaleChannels[n].connected));
  }
  {
    QMutexLocker lock(&readout_mutex);
    for (int n = 0; n < kScaleCount; ++n)
      showScaleReadout(n);
    bool anyOverload = false;
    for (const ScaleChannel &channel : scaleChannels)
      anyOverload = anyOverload || channel.overload == 1;
    form->overload_grand->setText(readout::overloadText(anyOverload));
    total_weight =
        anyOverload ? 0.0
                    : scaleChannels[0].weight + scaleChannels[1].weight + scaleChannels[2].weight;
  }
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
    const ScaleChannel &channel = scaleChannels[n];
    const ScalePanelForm &widgets = form->scales[n];
    std::array<int, kScaleDigits> digits{};
    for (int k = 0; k < kScaleDigits; ++k)
      digits[k] = widgets.digits[k]->intValue();
    pointCodes[n] = channel.point_code;
    readings.scales[n] =
        livepayloads::scaleReading(channel.connected == 1, widgets.sign->text(), digits,
                                   pointCodes[n], widgets.unit->text(), widgets.netGross->text());
  }
  readings.total = livepayloads::totalReading(
      form->sign_grandtotal->text(), total_digits, shown::totalDecimals(pointCodes),
      form->unit_grandtotal->text(), form->netgross_grand->text());
  return readings;
}

void MainWindow::showScaleReadout(int n) {
  ScaleChannel &channel = scaleChannels[n];
  const ScalePanelForm &widgets = form->scales[n];
  const bool overloaded = channel.overload == 1;
  widgets.overload->setText(readout::overloadText(overloaded));
  if (overloaded) {
    for (SharedInt &digit : channel.digits)
      digit = 0;
  }
  const int sign = channel.sign;
  widgets.sign->setText(sign == 0 ? kPlus : kMinus);
  widgets.unit->setText(readout::scaleUnitText(channel.unit));
  // Each digit is read once, so that what is shown is what is weighed.
  std::array<int, kScaleDigits> digits;
  for (int k = 0; k < kScaleDigits; ++k) {
    digits[k] = channel.digits[k];
    showDigit(widgets.digits[k], digits[k]);
  }
  const int pointCode = channel.point_code;
  lightPoint(widgets.points, readout::litPointLabel(pointCode));
  channel.weight = readout::scaleWeight(digits, pointCode, sign);
}

void MainWindow::showGrandTotal() {
  const bool net = form->netgross_1->text() == kNet || form->netgross_2->text() == kNet ||
                   form->netgross_3->text() == kNet;
  form->netgross_grand->setText(net ? kNet : kGross);
  total_unit =
      readout::totalUnit({scaleChannels[0].unit, scaleChannels[1].unit, scaleChannels[2].unit});
  if (total_weight < 0) {
    form->sign_grandtotal->setText(kMinus);
    total_weight = -total_weight;
  } else {
    form->sign_grandtotal->setText(kPlus);
  }
  form->unit_grandtotal->setText(readout::totalUnitText(total_unit));
  const readout::TotalLayout layout = readout::totalLayout(
      {scaleChannels[0].point_code, scaleChannels[1].point_code, scaleChannels[2].point_code});
  total_digits = readout::splitTotal(total_weight, layout);
  for (int k = 0; k < 8; ++k)
    showDigit(form->grandTotalDigits[k], total_digits[k]);
  lightPoint(form->grandTotalPoints, readout::litTotalPointLabel(layout));

  clock_time = QTime::currentTime();
  time_text = readout::timeText(clock_time);
  form->curtime->setText(time_text);
  clock_date = QDate::currentDate();
  date_text = readout::dateText(clock_date);
  form->curdate->setText(date_text);
}

// The 30 ms refresh tick: three readouts, the grand total and the clock,
// then the logging step.
#include <QDateTime>
#include <QLCDNumber>
#include <QLabel>
#include <QMutexLocker>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "journal/shown.h"
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
  QMutexLocker lock(&readout_mutex);
  for (int n = 0; n < kScaleCount; ++n)
    tick_[n] = ChannelReading::of(scaleChannels[n]);
  for (int n = 0; n < kScaleCount; ++n)
    form->scales[n].status->setText(readout::statusText(tick_[n].connected));
  for (int n = 0; n < kScaleCount; ++n)
    showScaleReadout(n);
  bool anyOverload = false;
  for (const ChannelReading &reading : tick_)
    anyOverload = anyOverload || reading.overloaded;
  form->overload_grand->setText(readout::overloadText(anyOverload));
  total_weight = anyOverload
                     ? 0.0
                     : scaleChannels[0].weight + scaleChannels[1].weight + scaleChannels[2].weight;
  lock.unlock();
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
    const ScalePanelForm &widgets = form->scales[n];
    std::array<int, kScaleDigits> digits{};
    for (int k = 0; k < kScaleDigits; ++k)
      digits[k] = widgets.digits[k]->intValue();
    pointCodes[n] = tick_[n].pointCode;
    readings.scales[n] =
        livepayloads::scaleReading(tick_[n].connected == 1, widgets.sign->text(), digits,
                                   pointCodes[n], widgets.unit->text(), widgets.netGross->text());
  }
  readings.total = livepayloads::totalReading(
      form->sign_grandtotal->text(), total_digits, shown::totalDecimals(pointCodes),
      form->unit_grandtotal->text(), form->netgross_grand->text());
  return readings;
}

void MainWindow::showScaleReadout(int n) {
  ScaleChannel &channel = scaleChannels[n];
  const ChannelReading &reading = tick_[n];
  const ScalePanelForm &widgets = form->scales[n];
  widgets.overload->setText(readout::overloadText(reading.overloaded));
  if (reading.overloaded) {
    for (SharedInt &digit : channel.digits)
      digit = 0;
  }
  widgets.sign->setText(reading.sign == 0 ? kPlus : kMinus);
  widgets.unit->setText(readout::scaleUnitText(reading.unit));
  for (int k = 0; k < kScaleDigits; ++k)
    showDigit(widgets.digits[k], reading.digits[k]);
  lightPoint(widgets.points, readout::litPointLabel(reading.pointCode));
  channel.weight = readout::scaleWeight(reading.digits, reading.pointCode, reading.sign);
}

void MainWindow::showGrandTotal() {
  const bool net = form->netgross_1->text() == kNet || form->netgross_2->text() == kNet ||
                   form->netgross_3->text() == kNet;
  form->netgross_grand->setText(net ? kNet : kGross);
  total_unit = readout::totalUnit({tick_[0].unit, tick_[1].unit, tick_[2].unit});
  if (total_weight < 0) {
    form->sign_grandtotal->setText(kMinus);
    total_weight = -total_weight;
  } else {
    form->sign_grandtotal->setText(kPlus);
  }
  form->unit_grandtotal->setText(readout::totalUnitText(total_unit));
  const readout::TotalLayout layout =
      readout::totalLayout({tick_[0].pointCode, tick_[1].pointCode, tick_[2].pointCode});
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

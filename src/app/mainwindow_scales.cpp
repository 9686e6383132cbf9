// The scale keys: Connect, Zero, and the program's own tare and gross.
#include <QLabel>
#include <QMutexLocker>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "app/warnings.h"
#include "scalelink/devicelookup.h"
#include "scalelink/scalechannel.h"
#include "scalelink/serialthread.h"

namespace {
const QString kNet = QStringLiteral("NET");
const QString kGross = QStringLiteral("GROSS");
}  // namespace

void MainWindow::findSerialDevice(int index) {
  ScaleChannel &channel = scaleChannels[qBound(0, index, kScaleCount - 1)];
  lookUpSerialDevice(index, channel, [](const char *text) {
    warnings::show(QStringLiteral("WARNING"), QString::fromLatin1(text));
  });
}

void MainWindow::connectScale(int n) {
  ScaleChannel &channel = scaleChannels[n];
  // A reader that is still opening owns the adapter as much as a connected one.
  if (channel.connected != 0 || (channel.reader && channel.reader->isRunning()))
    return;
  findSerialDevice(n);
  form->scales[n].portName->setText(channel.port_name);

  ScaleReaderThread *reader = ScaleReaderThread::create(n, this);
  channel.reader = reader;
  // A reader whose run has ended is released; the channel forgets it.
  connect(reader, &QThread::finished, this, [reader, n] {
    if (scaleChannels[n].reader == reader)
      scaleChannels[n].reader = nullptr;
    reader->deleteLater();
  });
  reader->start(QThread::InheritPriority);
  for (SharedInt &digit : channel.digits)
    digit = 0;
}

void MainWindow::zeroScale(int n) {
  ScaleChannel &channel = scaleChannels[n];
  if (channel.zero_request != 0)
    return;
  channel.zero_request = warnings::confirmZero() ? 1 : 0;
}

// The tare and gross keys act only when their own request is not pending
// and the scale's label does not already show the state they switch to.
bool MainWindow::switchNetGross(int n, SharedInt &request, const QString &legend) {
  QLabel *label = form->scales[n].netGross;
  if (request != 0 || label->text() == legend)
    return false;
  request = 1;
  label->setText(legend);
  return true;
}

void MainWindow::grossScale(int n) {
  ScaleChannel &channel = scaleChannels[n];
  if (!switchNetGross(n, channel.gross_request, kGross))
    return;
  channel.tare_weight = 0.0;
  channel.net_mode = 0;
}

void MainWindow::tareScale(int n) {
  ScaleChannel &channel = scaleChannels[n];
  if (!switchNetGross(n, channel.tare_request, kNet))
    return;
  {
    QMutexLocker lock(&readout_mutex);
    channel.tare_weight = channel.weight;
  }
  channel.net_mode = 1;
}

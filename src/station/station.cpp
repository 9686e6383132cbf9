#include "station/station.h"

#include <QDateTime>
#include <QMutexLocker>

#include "journal/journalfiles.h"
#include "readout/clock.h"
#include "readout/readoutmath.h"

namespace {
const QString kPoint = QStringLiteral(".");
const QString kNet = QStringLiteral("NET");
const QString kGross = QStringLiteral("GROSS");
const QString kPlus = QStringLiteral("+");
const QString kMinus = QStringLiteral("-");
}  // namespace

PointLabels pointLabels(int litPoint) {
  auto lit = [litPoint](int p) { return p == litPoint ? kPoint : QString(); };
  return {lit(0), lit(1), lit(2)};
}

void Station::tick(const std::array<QString, kScaleCount> &netGross) {
  QMutexLocker lock(&readout_mutex);
  for (int n = 0; n < kScaleCount; ++n)
    readings_[size_t(n)] = ChannelReading::of(scaleChannels[n]);
  bool anyOverload = false;
  double sum = 0.0;
  for (int n = 0; n < kScaleCount; ++n) {
    showScale(n);
    anyOverload = anyOverload || readings_[size_t(n)].overloaded;
    sum += scaleChannels[n].weight;
  }
  total_.overload = readout::overloadText(anyOverload);
  state_.total_weight = anyOverload ? 0.0 : sum;
  lock.unlock();
  showTotal(netGross);
}

void Station::showScale(int n) {
  ScaleChannel &channel = scaleChannels[n];
  const ChannelReading &reading = readings_[size_t(n)];
  ScaleShown &shown = scales_[size_t(n)];
  shown.status = readout::statusText(reading.connected);
  shown.overload = readout::overloadText(reading.overloaded);
  if (reading.overloaded) {
    for (SharedInt &digit : channel.digits)
      digit = 0;
  }
  shown.sign = reading.sign == 0 ? kPlus : kMinus;
  shown.unit = readout::scaleUnitText(reading.unit);
  shown.digits = reading.digits;
  shown.litPoint = readout::litPointLabel(reading.pointCode);
  channel.weight = readout::scaleWeight(reading.digits, reading.pointCode, reading.sign);
}

void Station::showTotal(const std::array<QString, kScaleCount> &netGross) {
  bool net = false;
  std::array<int, kScaleCount> units{};
  std::array<int, kScaleCount> pointCodes{};
  for (int n = 0; n < kScaleCount; ++n) {
    net = net || netGross[size_t(n)] == kNet;
    units[size_t(n)] = readings_[size_t(n)].unit;
    pointCodes[size_t(n)] = readings_[size_t(n)].pointCode;
  }
  total_.netGross = net ? kNet : kGross;
  state_.total_unit = readout::totalUnit(units);
  total_.sign = state_.total_weight < 0 ? kMinus : kPlus;
  if (state_.total_weight < 0)
    state_.total_weight = -state_.total_weight;
  total_.unit = readout::totalUnitText(state_.total_unit);
  const readout::TotalLayout layout = readout::totalLayout(pointCodes);
  state_.total_digits = readout::splitTotal(state_.total_weight, layout);
  total_.litPoint = readout::litTotalPointLabel(layout);
  state_.clock_time = QTime::currentTime();
  state_.time_text = readout::timeText(state_.clock_time);
  state_.clock_date = QDate::currentDate();
  state_.date_text = readout::dateText(state_.clock_date);
}

RecordCycle::Tick Station::cycle(int sensitivity, const QString &overLimit,
                                 const QString &underLimit) {
  return recordCycle_.tick(state_.total_weight, sensitivity, overLimit, underLimit);
}

RecordLines Station::recordLines() const {
  RecordLines lines;
  lines.header = RecordLines::headerLine();
  lines.stamp = RecordLines::stampLine(state_.time_text, state_.date_text);
  lines.total = RecordLines::totalLine(total_.netGross, state_.total_unit, total_.sign,
                                       state_.total_weight, pointLabels(total_.litPoint));
  // Which channels belong to this record is decided here, once: the
  // journal and the writers take exactly these lines.
  for (int n = 0; n < kScaleCount; ++n) {
    const ChannelReading &reading = readings_[size_t(n)];
    lines.hasChannel[n] = reading.connected == 1;
    if (lines.hasChannel[n]) {
      lines.channels[n] = RecordLines::channelLine(n, reading.unit, scaleChannels[n].weight,
                                                   scaleChannels[n].tare_weight,
                                                   pointLabels(scales_[size_t(n)].litPoint));
    }
  }
  return lines;
}

JournalRecord Station::journalRecord(const RecordLines &lines, const OperatorInputs &inputs) const {
  JournalRecord record;
  record.takenAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
  record.timeText = state_.time_text;
  record.dateText = state_.date_text;
  record.station = journalfiles::stationName();
  record.total = state_.total_weight;
  record.totalSign = total_.sign;
  record.totalUnit = readout::totalUnitText(state_.total_unit);
  record.netGross = total_.netGross;
  record.totalLine = lines.total;
  record.block = lines.textLogBlock();
  for (int n = 0; n < kScaleCount; ++n) {
    const ScaleChannel &channel = scaleChannels[n];
    JournalScale &scale = record.scales[n];
    scale.connected = lines.hasChannel[n];
    scale.port = inputs.portNames[size_t(n)];
    scale.unit = readings_[size_t(n)].unit;
    scale.weight = channel.weight;
    scale.tare = channel.tare_weight;
    scale.gross = channel.weight + channel.tare_weight;
    scale.pointCode = readings_[size_t(n)].pointCode;
  }
  record.overLimit = inputs.overLimit;
  record.underLimit = inputs.underLimit;
  record.sensitivity = inputs.sensitivity;
  record.textLogFile = inputs.textLogFile;
  record.workbookFile = inputs.workbookFile;
  record.workbookSession = inputs.workbookSession;
  record.workbookRow = inputs.workbookRow;
  record.program = QStringLiteral("weighstation");
  record.version = QStringLiteral(WEIGHSTATION_VERSION);
  return record;
}

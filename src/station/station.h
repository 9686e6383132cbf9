// The weighing station without a widget: each refresh tick reads the three
// channels once, works out what every readout and the grand total show, and
// runs the record cycle; a record taken is built from that one tick (its
// text log lines, its journal record, the live readings). The window paints
// what a tick shows and hands the station its keys and the operator's
// inputs; it keeps no state of its own beyond them.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <array>

#include "journal/journalrecord.h"
#include "logging/recordcycle.h"
#include "logging/recordlines.h"
#include "scalelink/scalechannel.h"

// What a tick leaves for the logging step, by the names the readout's
// design gives them.
struct StationState {
  double total_weight = 0.0;  // magnitude of the grand total after a tick
  int total_unit = 9;         // 0 kilograms, 1 pounds, 9 neither
  QString time_text;
  QString date_text;
  // Written by every tick and read by nothing but the live readings: the
  // digits put on the grand-total displays and the clock behind the texts.
  std::array<int, 8> total_digits{};
  QTime clock_time;
  QDate clock_date;
};

// One scale's panel as a tick shows it.
struct ScaleShown {
  QString status;
  QString overload;
  QString sign;  // "+" or "-"
  QString unit;
  std::array<int, kScaleDigits> digits{};
  int litPoint = -1;  // readout::litPointLabel
};

// The grand total's panel as a tick shows it.
struct TotalShown {
  QString overload;
  QString netGross;  // "NET" when a scale shows NET, else "GROSS"
  QString sign;
  QString unit;
  int litPoint = -1;  // readout::litTotalPointLabel
};

// What the operator set on the form, as a record notes it.
struct OperatorInputs {
  std::array<QString, kScaleCount> portNames;
  QString overLimit;
  QString underLimit;
  int sensitivity = 0;
  QString textLogFile;  // empty: the text log is off
  QString workbookFile;
  QString workbookSession;
  qint64 workbookRow = 0;
};

// The three point labels' texts for a lit label (-1: none).
PointLabels pointLabels(int litPoint);

class Station {
 public:
  // One refresh tick: each channel read once, the readouts and the grand
  // total worked out, the channels' weights set (under readout_mutex).
  // `netGross`: the three scales' NET/GROSS captions as the keys left them.
  void tick(const std::array<QString, kScaleCount> &netGross);
  // The record cycle's step of this tick, with the operator's settling
  // count and limits.
  RecordCycle::Tick cycle(int sensitivity, const QString &overLimit, const QString &underLimit);

  const StationState &state() const { return state_; }
  const ChannelReading &reading(int n) const { return readings_[size_t(n)]; }
  const ScaleShown &scale(int n) const { return scales_[size_t(n)]; }
  const TotalShown &total() const { return total_; }
  RecordCycle &recordCycle() { return recordCycle_; }
  const RecordCycle &recordCycle() const { return recordCycle_; }

  // The record of this tick as the text log writes it: the captions as the
  // tick shows them, a line for each scale connected in this tick's reading.
  RecordLines recordLines() const;
  // The same record for the journal, from the same reading and lines.
  JournalRecord journalRecord(const RecordLines &lines, const OperatorInputs &inputs) const;

 private:
  void showScale(int n);
  void showTotal(const std::array<QString, kScaleCount> &netGross);

  std::array<ChannelReading, kScaleCount> readings_{};
  std::array<ScaleShown, kScaleCount> scales_{};
  TotalShown total_;
  StationState state_;
  RecordCycle recordCycle_;
};

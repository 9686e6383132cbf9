// The lines of one record, as the data list, the text log and the
// spreadsheet log receive them.
#pragma once

#include <QString>
#include <array>

// Text of a non-negative number for the log, cut (not rounded) to the places
// that the line's readout shows: the decimal-point label texts tell which.
QString formatLogNumber(double value, const QString &threePlaces, const QString &twoPlaces,
                        const QString &onePlace);

struct PointLabels {
  QString threePlaces;
  QString twoPlaces;
  QString onePlace;
};

QString signedLogNumber(double value, const PointLabels &points);

struct RecordLines {
  // One line per scale of the station.
  static constexpr int kChannelLines = 3;

  static QString headerLine() { return QStringLiteral("Scale#, Unit, Gross, Net, Tare"); }
  static QString stampLine(const QString &timeText, const QString &dateText);
  static QString totalLine(const QString &netGrossText, int totalUnit, const QString &signText,
                           double totalWeight, const PointLabels &points);
  static QString channelLine(int channelIndex, int unit, double weight, double tareWeight,
                             const PointLabels &points);

  QString header;
  QString stamp;
  QString total;
  // The channel lines of this record; a channel that was not connected when
  // the record was built has none.
  std::array<QString, kChannelLines> channels;
  std::array<bool, kChannelLines> hasChannel{};

  // The block as written to the text log: Latin-1, every line ended by CR LF.
  QByteArray textLogBlock() const;
};

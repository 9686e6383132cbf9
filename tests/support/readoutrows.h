// The readings a scale's readout shows, as rows for data-driven tests: the
// readout's arithmetic and every place that shows or exports a reading
// check the same ones.
#pragma once

#include <QList>
#include <array>

struct ReadingRow {
  const char *name;
  std::array<int, 7> digits;
  int pointCode;
  int sign;
  double weight;  // what the readout's arithmetic makes of it
};

inline const QList<ReadingRow> &readingRows() {
  static const QList<ReadingRow> rows{
      {"frame 1234", {0, 0, 0, 1, 2, 3, 4}, 0, 0, 1234.0001},
      {"three places", {0, 0, 1, 2, 3, 4, 5}, 1, 0, 12.3451},
      {"lead digit ignored with a point", {9, 0, 0, 0, 0, 0, 1}, 1, 0, 0.0011},
      {"code 0", {0, 1, 2, 3, 4, 5, 6}, 0, 0, 123456.0001},
      {"code 1", {0, 1, 2, 3, 4, 5, 6}, 1, 0, 123.4561},
      {"code 2", {0, 1, 2, 3, 4, 5, 6}, 2, 0, 1234.5601},
      {"code 3", {0, 1, 2, 3, 4, 5, 6}, 3, 0, 12345.6001},
      {"lead digit counts without a point", {9, 9, 9, 9, 9, 9, 9}, 0, 0, 9999999.0001},
      {"at rest", {0, 0, 0, 0, 0, 0, 0}, 1, 0, 0.0001},
      // A minus reading keeps its shown value: the bias points away from zero.
      {"minus 5", {0, 0, 0, 0, 0, 0, 5}, 0, 1, -5.0005},
      {"minus 0.063", {0, 0, 0, 0, 0, 6, 3}, 1, 1, -0.0635},
      {"sign 2 shows minus, weighs plus", {0, 0, 0, 0, 0, 0, 5}, 0, 2, 5.0005},
      {"two places, tenths only", {0, 0, 0, 0, 1, 3, 0}, 2, 0, 1.3001},
      {"one place, minus", {0, 0, 0, 4, 0, 0, 7}, 3, 1, -400.7005},
  };
  return rows;
}

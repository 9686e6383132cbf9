// The readout's arithmetic, free of widgets: a scale's weight from its
// digits, the grand total's layout and digit split, units and texts.
#pragma once

#include <QString>
#include <array>

namespace readout {

constexpr double kPlusBias = 0.0001;
constexpr double kMinusBias = 0.0005;

// The signed weight of a scale showing `digits` (index 0 most significant)
// with the decimal point of `pointCode`. The small bias keeps the last shown
// place from being lost to floating-point rounding further on.
double scaleWeight(const std::array<int, 7> &digits, int pointCode, int sign);

// Which point label of a readout is lit: -1 none, 0 the first (three places),
// 1 the second (two places), 2 the third (one place).
int litPointLabel(int pointCode);

enum class TotalLayout { Integer, ThreePlaces, TwoPlaces, OnePlace };

TotalLayout totalLayout(const std::array<int, 3> &pointCodes);
// The eight digits of a non-negative total, first display first.
std::array<int, 8> splitTotal(double total, TotalLayout layout);
// The lit point label of the grand total (as litPointLabel).
int litTotalPointLabel(TotalLayout layout);

// 0 when any scale reads kilograms, else 1 when any reads pounds, else 9.
int totalUnit(const std::array<int, 3> &units);

QString scaleUnitText(int unit);  // "kg" or "lbs"
QString totalUnitText(int unit);  // "kg", "lbs" or "??"
QString statusText(int connected);
QString overloadText(bool overloaded);

}  // namespace readout

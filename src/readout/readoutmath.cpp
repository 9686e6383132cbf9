#include "readout/readoutmath.h"

#include <QCoreApplication>
#include <cmath>

namespace readout {

double scaleWeight(const std::array<int, 7> &d, int pointCode, int sign) {
  double m = 0.0;
  switch (pointCode) {
    case 0:
      m = 1000000.0 * d[0] + 100000.0 * d[1] + 10000.0 * d[2] + 1000.0 * d[3] + 100.0 * d[4] +
          10.0 * d[5] + d[6];
      break;
    case 1:
      m = 100.0 * d[1] + 10.0 * d[2] + d[3] + d[4] / 10.0 + d[5] / 100.0 + d[6] / 1000.0;
      break;
    case 2:
      m = 1000.0 * d[1] + 100.0 * d[2] + 10.0 * d[3] + d[4] + d[5] / 10.0 + d[6] / 100.0;
      break;
    case 3:
      m = 10000.0 * d[1] + 1000.0 * d[2] + 100.0 * d[3] + 10.0 * d[4] + d[5] + d[6] / 10.0;
      break;
    default:
      // Never written by the reader; shown like three places.
      m = 100.0 * d[1] + 10.0 * d[2] + d[3] + d[4] / 10.0 + d[5] / 100.0 + d[6] / 1000.0;
      break;
  }
  if (sign == 0)
    return m + kPlusBias;
  // Every scale biases a minus reading away from zero, so that it keeps its
  // shown value in the total and the logs.
  const double biased = m + kMinusBias;
  return sign == 1 ? -biased : biased;
}

int litPointLabel(int pointCode) {
  switch (pointCode) {
    case 1:
      return 0;
    case 2:
      return 1;
    case 3:
      return 2;
    default:
      return -1;
  }
}

TotalLayout totalLayout(const std::array<int, 3> &codes) {
  auto any = [&codes](int code) {
    return codes[0] == code || codes[1] == code || codes[2] == code;
  };
  if (any(0))
    return TotalLayout::Integer;
  if (any(3))
    return TotalLayout::OnePlace;
  if (any(2))
    return TotalLayout::TwoPlaces;
  return TotalLayout::ThreePlaces;
}

std::array<int, 8> splitTotal(double total, TotalLayout layout) {
  std::array<int, 8> g{};
  int integerDigits = 8;
  switch (layout) {
    case TotalLayout::Integer:
      integerDigits = 8;
      break;
    case TotalLayout::OnePlace:
      integerDigits = 7;
      break;
    case TotalLayout::TwoPlaces:
      integerDigits = 6;
      break;
    case TotalLayout::ThreePlaces:
      integerDigits = 5;
      break;
  }
  // The leading display stays 0 in the decimal layouts.
  const int first = layout == TotalLayout::Integer ? 0 : 1;
  const int last = integerDigits - 1;
  long long power = 1;
  for (int k = first; k < last; ++k)
    power *= 10;
  double r = total;
  for (int k = first; k < last; ++k) {
    g[k] = static_cast<int>(std::trunc(r / static_cast<double>(power)));
    r = r - static_cast<double>(static_cast<long long>(g[k]) * power);
    power /= 10;
  }
  g[last] = static_cast<int>(std::trunc(r));
  // Each place after the point comes from ten times what the previous digit left.
  for (int k = last + 1; k < 8; ++k) {
    r = 10.0 * (r - g[k - 1]);
    g[k] = static_cast<int>(std::trunc(r));
  }
  return g;
}

int litTotalPointLabel(TotalLayout layout) {
  switch (layout) {
    case TotalLayout::ThreePlaces:
      return 0;
    case TotalLayout::TwoPlaces:
      return 1;
    case TotalLayout::OnePlace:
      return 2;
    default:
      return -1;
  }
}

int totalUnit(const std::array<int, 3> &units) {
  if (units[0] == 0 || units[1] == 0 || units[2] == 0)
    return 0;
  if (units[0] == 1 || units[1] == 1 || units[2] == 1)
    return 1;
  return 9;
}

QString scaleUnitText(int unit) {
  return unit == 0 ? QStringLiteral("kg") : QStringLiteral("lbs");
}

QString totalUnitText(int unit) {
  if (unit == 0)
    return QStringLiteral("kg");
  if (unit == 1)
    return QStringLiteral("lbs");
  return QStringLiteral("??");
}

// The window's captions, in the desktop's language when a translation is
// installed (the same context as the form's).
QString statusText(int connected) {
  return connected == 1 ? QStringLiteral("<font color=\"green\">%1</font>")
                              .arg(QCoreApplication::translate("MainWindow", "Connected"))
                        : QStringLiteral("<font color=\"red\">%1</font>")
                              .arg(QCoreApplication::translate("MainWindow", "Not Connected"));
}

QString overloadText(bool overloaded) {
  return overloaded ? QStringLiteral("<font color=\"red\">%1</font>")
                          .arg(QCoreApplication::translate("MainWindow", "Overload"))
                    : QString();
}

}  // namespace readout

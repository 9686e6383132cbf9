#include "app/fonts.h"
#include "app/applog.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace fonts {

namespace {
QString firstInstalled(const QStringList &faces) {
  for (const QString &face : faces) {
    if (QFontDatabase::hasFamily(face))
      return face;
  }
  return QString();
}
}  // namespace

void useMetricCompatibleFaces() {
  // Liberation Sans (Debian's fonts-liberation) and Arimo share Arial's
  // metrics.
  const QString sans = firstInstalled({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
  if (sans.isEmpty()) {
    qCDebug(appLog, "no face with Arial's metrics is installed: captions may not fit");
    return;
  }
  QFont font = QApplication::font();
  font.setFamilies({sans});
  // Whole-pixel glyph widths, as the form's original platform lays text
  // out: with fractional widths "GROSS" would overhang its label by a pixel.
  font.setHintingPreference(QFont::PreferFullHinting);
  QApplication::setFont(font);
  QFont::insertSubstitution(QStringLiteral("Arial"), sans);
  // The clock's face, "Terminal", exists only on the original platform;
  // unknown here, it would fall back to the system's wider default face.
  QFont::insertSubstitution(QStringLiteral("Terminal"), sans);
}

}  // namespace fonts

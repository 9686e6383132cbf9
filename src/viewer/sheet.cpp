#include "viewer/sheet.h"

#include <QCoreApplication>
#include <QPainterPath>

#include "viewer/recordtext.h"

namespace printouts {

const QColor kAlarm(176, 0, 0);

// The site's name and address beside its logo; returns where it ends.
qreal paintSite(Sheet &sheet, const Site &site, qreal y, qreal scale) {
  if (site.name.isEmpty() && site.address.isEmpty() && site.logo.isEmpty())
    return y;
  qreal x = kMargin;
  qreal bottom = y;
  const QImage logo(site.logo);
  if (!logo.isNull()) {
    const QSizeF box(180 * scale, 100 * scale);
    const QSizeF size = QSizeF(logo.size()).scaled(box, Qt::KeepAspectRatio);
    if (!sheet.measuring())
      sheet.painter().drawImage(QRectF(QPointF(x, y), size), logo);
    x += box.width() + 20;
    bottom = y + size.height();
  }
  qreal at = y;
  if (!site.name.isEmpty())
    at += sheet.text(x, at, kWidth - kMargin - x, site.name, 34 * scale, true);
  for (const QString &line : site.address)
    at += sheet.text(x, at, kWidth - kMargin - x, line, 22 * scale);
  return qMax(bottom, at) + 16 * scale;
}

// The check's line: in large red type across the page when unverified.
qreal paintCheck(Sheet &sheet, const CheckState &check, qreal y, qreal scale) {
  if (check.verified())
    return y + sheet.text(kMargin, y, kWidth - 2 * kMargin, check.line(), 22 * scale);
  return y +
         sheet.text(kMargin, y, kWidth - 2 * kMargin, check.line(), 44 * scale, true,
                    Qt::AlignHCenter, kAlarm) +
         10 * scale;
}

QString printedLine(const Context &context) {
  return QCoreApplication::translate("Printouts", "Printed %1")
      .arg(recordtext::localDateTime(context.printedAt));
}

// The code as vector squares, a run of dark modules of a row at a time:
// sharp at any printer's resolution, never an image a JPEG blurs.
void paintCode(Sheet &sheet, const QImage &code, const QPointF &corner, qreal square) {
  const qreal module = square / code.width();
  QPainterPath dark;
  for (int row = 0; row < code.height(); ++row) {
    for (int column = 0; column < code.width();) {
      if (qGray(code.pixel(column, row)) >= 128) {
        ++column;
        continue;
      }
      const int start = column;
      while (column < code.width() && qGray(code.pixel(column, row)) < 128)
        ++column;
      dark.addRect(QRectF(corner.x() + start * module, corner.y() + row * module,
                          (column - start) * module, module));
    }
  }
  sheet.painter().save();
  sheet.painter().setRenderHint(QPainter::Antialiasing, false);
  sheet.painter().fillPath(dark, Qt::black);
  sheet.painter().restore();
}

void paintTicketFoot(Sheet &sheet, const Context &context, qreal y) {
  const qreal inner = kWidth - 2 * kMargin;
  if (context.check.verified())
    y = paintCheck(sheet, context.check, y, 1.0);
  y += sheet.text(kMargin, y, inner, printedLine(context), 22);
  sheet.text(kMargin, y + 10, inner, QCoreApplication::translate("Printouts", kDisclaimer), 18,
             false, Qt::AlignLeft, Qt::darkGray);
}

}  // namespace printouts

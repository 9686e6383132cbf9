// A printout's page as the tickets and reports paint it: a painter in
// units of a thousandth of the page's width, and the parts every printout
// shares (the site, the check's line, the printed line, a QR code).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include "viewer/printouts.h"

namespace printouts {

constexpr qreal kWidth = 1000;  // every page is 1000 units wide
constexpr qreal kMargin = 50;

// A page's painter in units of a thousandth of the page's width, so that
// one layout fits A6 and A4 alike.
class Sheet {
 public:
  explicit Sheet(QPagedPaintDevice *device) : device_(device) {}
  bool begin() {
    if (!painter_.begin(device_))
      return false;
    height_ = kWidth * device_->height() / qMax(1, device_->width());
    painter_.setWindow(0, 0, int(kWidth), int(height_));
    painter_.setViewport(0, 0, device_->width(), device_->height());
    return true;
  }
  bool newPage() { return device_->newPage(); }
  void end() { painter_.end(); }
  qreal height() const { return height_; }
  // Units (thousandths of the page's width) that make `mm` on paper.
  qreal unitsOfMm(qreal mm) const { return kWidth * mm / qMax(1, device_->widthMM()); }
  QPainter &painter() { return painter_; }

  // Writes `text` in the box from `x` at `y`, `width` wide, wrapped;
  // returns the height it took.
  qreal text(qreal x, qreal y, qreal width, const QString &text, qreal size, bool bold = false,
             int align = Qt::AlignLeft, const QColor &colour = Qt::black, bool mono = false,
             bool wrap = true) {
    QFont font(mono ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(1, int(size)));
    font.setBold(bold);
    // Ligatures ("fi") would reach a PDF's text as one character, which
    // a search for the word does not find.
    font.setStyleStrategy(QFont::PreferNoShaping);
    painter_.setFont(font);
    painter_.setPen(colour);
    const QRectF box(x, y, width, height_);
    const int flags = align | (wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    const QRectF used = painter_.boundingRect(box, flags, text);
    if (!measuring_)
      painter_.drawText(box, flags, text);
    return used.height();
  }
  // While measuring, text takes its room but is not drawn.
  void setMeasuring(bool measuring) { measuring_ = measuring; }
  bool measuring() const { return measuring_; }
  void rule(qreal y, qreal weight = 1.5) {
    painter_.setPen(QPen(Qt::black, weight));
    painter_.drawLine(QPointF(kMargin, y), QPointF(kWidth - kMargin, y));
  }

 private:
  QPagedPaintDevice *device_;
  QPainter painter_;
  qreal height_ = 0;
  bool measuring_ = false;
};

extern const QColor kAlarm;

// The site's name and address beside its logo; returns where it ends.
qreal paintSite(Sheet &sheet, const Site &site, qreal y, qreal scale);
// The check's line: in large red type across the page when unverified.
qreal paintCheck(Sheet &sheet, const CheckState &check, qreal y, qreal scale);
QString printedLine(const Context &context);
// A ticket's foot: the check's line where it passed (a failed one heads the
// ticket), when it was printed, and the disclaimer.
void paintTicketFoot(Sheet &sheet, const Context &context, qreal y);
// The code as vector squares at `corner`, `square` units wide.
void paintCode(Sheet &sheet, const QImage &code, const QPointF &corner, qreal square);

}  // namespace printouts

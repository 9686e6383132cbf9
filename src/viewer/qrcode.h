// A QR code (libqrencode) of a ticket's code, drawn as dark squares.
#pragma once

#include <QImage>
#include <QString>

namespace qrcode {

// The code's modules, one pixel each, with the quiet zone of four modules
// around them; a null image when the text does not fit a QR code.
QImage of(const QString &text);

}  // namespace qrcode

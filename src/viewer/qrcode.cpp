#include "viewer/qrcode.h"

#include <qrencode.h>

#include <memory>

namespace qrcode {

QImage of(const QString &text) {
  const QByteArray bytes = text.toUtf8();
  std::unique_ptr<QRcode, void (*)(QRcode *)> code(
      QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), QRcode_free);
  if (!code)
    return QImage();
  constexpr int kQuiet = 4;
  const int width = code->width;
  QImage image(width + 2 * kQuiet, width + 2 * kQuiet, QImage::Format_Grayscale8);
  image.fill(255);
  for (int row = 0; row < width; ++row)
    for (int column = 0; column < width; ++column)
      if (code->data[row * width + column] & 1)
        image.setPixel(column + kQuiet, row + kQuiet, qRgb(0, 0, 0));
  return image;
}

}  // namespace qrcode

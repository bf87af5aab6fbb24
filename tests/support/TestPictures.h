#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>

namespace test {

// A picture with something on it (a diagonal band), so that scaling and encoding have work to
// do; opaque unless a transparent corner is asked for.
inline QImage DrawnPicture(int width, int height, bool transparentCorner = false) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(200, 40, 30));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(20, 60, 200), qMax(1, width / 20)));
    painter.drawLine(0, 0, width, height);
    if (transparentCorner) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(0, 0, width / 4, height / 4, Qt::transparent);
    }
    return image;
}

inline QByteArray Encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

inline QByteArray JpegBytes(int width, int height) {
    return Encoded(DrawnPicture(width, height).convertToFormat(QImage::Format_RGB32), "JPG", 90);
}

// A JPEG whose header claims this size over the data of a tiny one: what a decompression bomb
// looks like to a reader that trusts the header.
inline QByteArray JpegClaiming(int width, int height) {
    QByteArray bytes = JpegBytes(16, 16);
    const qsizetype frame = bytes.indexOf(QByteArrayLiteral("\xFF\xC0"));
    // FF C0, length (2), precision (1), height (2), width (2)
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xFF);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xFF);
    return bytes;
}

}  // namespace test
